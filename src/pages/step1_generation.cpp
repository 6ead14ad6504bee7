// The Next button of the parameter page: it runs the kit generation
// procedure on the fields, shows the entries as the procedure trimmed them,
// and turns its outcome into the page's message boxes, focus and navigation.
#include <exception>

#include "generation/kit_generation.h"
#include "generation/messages.h"
#include "pages/step1_wizard.h"

namespace pages {

using generation::Outcome;
using ui::ControlId;
namespace messages = generation::messages;

namespace {

constexpr unsigned kEntryBox = ui::mb::kIconInformation | ui::mb::kOk | ui::mb::kSetForeground;
constexpr unsigned kErrorBox = ui::mb::kIconError | ui::mb::kOk | ui::mb::kSetForeground;
constexpr unsigned kReplaceBox =
    ui::mb::kIconWarning | ui::mb::kYesNo | ui::mb::kDefaultButton2 | ui::mb::kSetForeground;

// The fields show the entries as the procedure trimmed them, before any
// message box of the run.
void ShowTrimmed(ui::Window& controls, const generation::Entries& entries) {
  controls.SetText(ControlId::Text1, entries.name);
  controls.SetText(ControlId::Text2, entries.version);
  controls.SetText(ControlId::Text3, entries.address);
}

// The question before an existing kit is replaced, in a message box.
class ReplaceQuestionBox : public generation::ReplaceQuestion {
 public:
  ReplaceQuestionBox(ui::Platform& platform, ui::Window& controls) : platform_(platform), controls_(controls) {}
  bool ReplaceKit(const generation::Entries& entries) override {
    ShowTrimmed(controls_, entries);
    return platform_.MsgBox(messages::ReplaceKitQuestion(entries.name), kReplaceBox) == ui::Answer::Yes;
  }

 private:
  ui::Platform& platform_;
  ui::Window& controls_;
};

ControlId FieldControl(generation::Field field) {
  switch (field) {
    case generation::Field::Name: return ControlId::Text1;
    case generation::Field::Version: return ControlId::Text2;
    case generation::Field::Address: return ControlId::Text3;
  }
  return ControlId::Text1;
}

}  // namespace

void Step1Wizard::Command2_Click() {
  try {
    GenerateKit();
  } catch (const std::exception&) {
    FailGeneration();
  }
}

void Step1Wizard::GenerateKit() {
  ui::Window& controls = Controls();
  const generation::KitRequest request{.installRoot = InstallRoot,
                                       .destination = controls.Text(ControlId::Text4),
                                       .name = controls.Text(ControlId::Text1),
                                       .version = controls.Text(ControlId::Text2),
                                       .address = controls.Text(ControlId::Text3),
                                       .language = controls.Text(ControlId::Combo1)};
  ReplaceQuestionBox question(platform_, controls);
  const Outcome outcome = generation::GenerateKit(request, question);
  ShowTrimmed(controls, outcome.entries);

  switch (outcome.kind) {
    case Outcome::Kind::Refused:
      platform_.MsgBox(outcome.message, kEntryBox);
      controls.SetFocus(FieldControl(outcome.field));
      return;
    case Outcome::Kind::LanguageMissing:
      platform_.MsgBox(outcome.message, kEntryBox);
      controls.SetListIndex(ControlId::Combo1, 0);
      controls.SetFocus(ControlId::Combo1);
      return;
    case Outcome::Kind::RedistributableMissing: return CloseWithError(outcome.message);
    case Outcome::Kind::Declined: return;
    case Outcome::Kind::Failed: return FailGeneration();
    case Outcome::Kind::Written: return GoTo(PageId::WizardFinished);
  }
}

void Step1Wizard::CloseWithError(const std::string& message) {
  platform_.MsgBox(message, kErrorBox);
  Close();
}

// The fatal message names the program as the name field now shows it.
void Step1Wizard::FailGeneration() { CloseWithError(messages::GenerationFailed(Controls().Text(ControlId::Text1))); }

}  // namespace pages
