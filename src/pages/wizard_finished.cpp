#include "pages/wizard_finished.h"

#include "pages/page_layouts.h"

namespace pages {

WizardFinished::WizardFinished(ui::Platform& platform, Navigator& navigator)
    : Form(platform, navigator, WizardFinishedLayout()) {}

void WizardFinished::OnClick(ui::ControlId button) {
  switch (button) {
    case ui::ControlId::Command2: Command2_Click(); break;
    case ui::ControlId::Command3: Command3_Click(); break;
    default: break;
  }
}

void WizardFinished::Command2_Click() { Close(); }

void WizardFinished::Command3_Click() { GoTo(PageId::WelcomeWizard); }

}  // namespace pages
