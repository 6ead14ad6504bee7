// The keyboard cases on the real Win32 windows: keys go through the
// system's input queue and the back end's message loop.
#include "win32_test_support.h"
#include "wizard_driver.h"

namespace {

using ui::ControlId;

class Win32WizardDriver final : public testing_support::FixtureDriver<win32_testing::Win32WizardTest> {
 public:
  void OpenParameterPage() override {
    Start();
    Key(VK_RETURN);
  }
  void Type(const std::string& text) override { Win32WizardTest::Type(text); }
  void PressEnter() override { Key(VK_RETURN); }
  void PressBackspace() override { Key(VK_BACK); }

  std::string FocusName() override { return Win32WizardTest::FocusName(); }
  std::string Text(ControlId field) override { return Win32WizardTest::Text(field); }
  int LanguageCount() override {
    return static_cast<int>(SendMessageW(Control(ControlId::Combo1), CB_GETCOUNT, 0, 0));
  }
  std::string Caption() override { return Win32WizardTest::Caption(); }
};

}  // namespace

std::unique_ptr<testing_support::WizardDriver> testing_support::MakeWizardDriver() {
  return std::make_unique<Win32WizardDriver>();
}
