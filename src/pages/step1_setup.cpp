// The parameter page's set-up, run each time the page is shown.
#include "generation/messages.h"
#include "generation/redistributable_files.h"
#include "kit/kit_layout.h"
#include "kit/system_failure.h"
#include "pages/step1_wizard.h"

namespace pages {

using ui::ControlId;
namespace messages = generation::messages;

void Step1Wizard::Form_Activate() {
  ui::Window& controls = Controls();

  // Found again at every show, so a value from an earlier show is never used.
  InstallRoot = kit::InstallRootFrom(platform_.ExecutableDirectory());
  controls.SetText(ControlId::Text4, kit::DefaultDestination(InstallRoot));

  // The list starts empty: the controls are new at every show. Entries keep
  // the order of the directory.
  // An install tree that cannot even be read ends the application with the
  // system's own words.
  const auto languages = kit::ValueOrThrow(generation::LanguageEntries(InstallRoot));
  if (languages.empty()) {
    CloseWithError(messages::MissingRedistributable(messages::kNoLanguageFile));
    return;
  }
  for (const auto& language : languages) controls.AddItem(ControlId::Combo1, language);
  controls.SetListIndex(ControlId::Combo1, 0);

  if (auto reason = kit::ValueOrThrow(generation::MissingProgramFile(InstallRoot))) {
    CloseWithError(messages::MissingRedistributable(*reason));
  }
}

}  // namespace pages
