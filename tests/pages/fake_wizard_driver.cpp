// The keyboard cases on the fake back end: keys go straight to the page's
// key filter, as the toolkits deliver them.
#include "wizard_driver.h"
#include "wizard_fixture.h"

namespace {

using ui::ControlId;

class FakeWizardDriver final : public testing_support::FixtureDriver<testing_support::WizardTest> {
 public:
  void OpenParameterPage() override { WizardTest::OpenParameterPage(); }
  void Type(const std::string& text) override { Window().Type(Window().Focus(), text); }
  void PressEnter() override {
    const ControlId focus = Window().Focus();
    // A focused button takes Enter as a click, as in both toolkits; a field
    // the page leaves Enter to beeps, as a single-line edit control does.
    if (focus == ControlId::Command1 || focus == ControlId::Command2 || focus == ControlId::Command3) {
      Window().Click(focus);
    } else if (Window().TypeCode(focus, 13) != 0) {
      ++platform.beeps;
    }
  }
  void PressBackspace() override { Window().TypeCode(Window().Focus(), 8); }

  std::string FocusName() override { return std::string(ui::ControlName(Window().Focus())); }
  std::string Text(ControlId field) override { return Window().Text(field); }
  int LanguageCount() override { return static_cast<int>(Window().Items(ControlId::Combo1).size()); }
  std::string Caption() override { return platform.OpenWindows().empty() ? std::string() : Window().Caption(); }
};

}  // namespace

std::unique_ptr<testing_support::WizardDriver> testing_support::MakeWizardDriver() {
  return std::make_unique<FakeWizardDriver>();
}
