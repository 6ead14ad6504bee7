// The parameter page's set-up, run each time the page is shown.
#include "kit/file_tests.h"
#include "kit/kit_layout.h"
#include "pages/step1_messages.h"
#include "pages/step1_wizard.h"

namespace pages {

using ui::ControlId;

void Step1Wizard::Form_Activate() {
  ui::Window& controls = Controls();

  // Found again at every show, so a value from an earlier show is never used.
  InstallRoot = kit::InstallRootFrom(platform_.ExecutableDirectory());
  controls.SetText(ControlId::Text4, kit::DefaultDestination(InstallRoot));

  // The list starts empty: the controls are new at every show. Entries keep
  // the order of the directory.
  const auto languageFiles =
      kit::ListFilesWithExtension(kit::LanguageDirectoryPath(InstallRoot), std::string(kit::kLanguageExtension));
  if (languageFiles.empty()) {
    ReportMissingRedistributable(messages::kNoLanguageFile);
    return;
  }
  for (const auto& fileName : languageFiles) {
    controls.AddItem(ControlId::Combo1, kit::LanguageEntryFromFileName(fileName));
  }
  controls.SetListIndex(ControlId::Combo1, 0);

  if (!kit::FileExists(kit::UpdaterExecutablePath(InstallRoot))) {
    ReportMissingRedistributable(messages::kUpdaterMissing);
    return;
  }
  if (!kit::FileExists(kit::UpdaterManifestPath(InstallRoot))) {
    ReportMissingRedistributable(messages::kManifestMissing);
  }
}

void Step1Wizard::ReportMissingRedistributable(const std::string& reason) {
  platform_.MsgBox(messages::MissingRedistributable(reason), ui::mb::kIconError | ui::mb::kOk | ui::mb::kSetForeground);
  Close();
}

}  // namespace pages
