// The keyboard cases on the real Qt widgets: keys are clicked on the
// focused widget, as a keyboard sends them.
#include <QComboBox>
#include <QLineEdit>

#include "qt_test_support.h"
#include "wizard_driver.h"

namespace {

using ui::ControlId;

class QtWizardDriver final : public testing_support::FixtureDriver<qt_testing::QtWizardTest> {
 public:
  void OpenParameterPage() override {
    Start();
    Key(Qt::Key_Return);
  }
  void Type(const std::string& text) override {
    QtWizardTest::FocusName();  // waits for a page that has just opened to take the focus
    QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(text));
  }
  void PressEnter() override { Key(Qt::Key_Return); }
  void PressBackspace() override { Key(Qt::Key_Backspace); }

  std::string FocusName() override { return QtWizardTest::FocusName().toStdString(); }
  std::string Text(ControlId field) override {
    const std::string name(ui::ControlName(field));
    if (field == ControlId::Combo1) return Control<QComboBox>(name.c_str())->currentText().toStdString();
    return Control<QLineEdit>(name.c_str())->text().toStdString();
  }
  int LanguageCount() override { return Control<QComboBox>("Combo1")->count(); }
  std::string Caption() override {
    return qt_testing::OpenPages().empty() ? std::string() : QtWizardTest::Caption().toStdString();
  }
};

}  // namespace

std::unique_ptr<testing_support::WizardDriver> testing_support::MakeWizardDriver() {
  return std::make_unique<QtWizardDriver>();
}
