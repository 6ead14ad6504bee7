#include "pages/welcome_wizard.h"

#include "pages/page_layouts.h"

namespace pages {

WelcomeWizard::WelcomeWizard(ui::Platform& platform, Navigator& navigator)
    : Form(platform, navigator, WelcomeWizardLayout()) {}

void WelcomeWizard::OnClick(ui::ControlId button) {
  switch (button) {
    case ui::ControlId::Command2: Command2_Click(); break;
    case ui::ControlId::Command1: Command1_Click(); break;
    default: break;
  }
}

void WelcomeWizard::Command2_Click() { GoTo(PageId::Step1Wizard); }

void WelcomeWizard::Command1_Click() { Close(); }

}  // namespace pages
