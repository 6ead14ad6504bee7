#include "pages/step1_wizard.h"

#include "pages/page_layouts.h"

namespace pages {

using ui::ControlId;

Step1Wizard::Step1Wizard(ui::Platform& platform, Navigator& navigator)
    : Form(platform, navigator, Step1WizardLayout()) {}

void Step1Wizard::OnClick(ControlId button) {
  switch (button) {
    case ControlId::Command2: Command2_Click(); break;
    case ControlId::Command3: Command3_Click(); break;
    case ControlId::Command1: Command1_Click(); break;
    default: break;
  }
}

void Step1Wizard::OnKeyPress(ControlId control, ui::KeyAscii& keyAscii) {
  switch (control) {
    case ControlId::Text1: Text1_KeyPress(keyAscii); break;
    case ControlId::Text2: Text2_KeyPress(keyAscii); break;
    case ControlId::Text3: Text3_KeyPress(keyAscii); break;
    case ControlId::Combo1: Combo1_KeyPress(keyAscii); break;
    case ControlId::Text4: Text4_KeyPress(keyAscii); break;
    default: break;
  }
}

void Step1Wizard::Command3_Click() { GoTo(PageId::WelcomeWizard); }

void Step1Wizard::Command1_Click() { Close(); }

}  // namespace pages
