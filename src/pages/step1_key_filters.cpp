// The parameter page's key filters. Each sees a typed character's code
// before its control does and discards it by setting the code to 0. Enter
// moves the focus along the fields to the Next button.
#include "generation/messages.h"
#include "kit/entry_rules.h"
#include "pages/step1_wizard.h"

namespace pages {

using ui::ControlId;
namespace messages = generation::messages;

namespace {
constexpr ui::KeyAscii kBackspace = 8;
constexpr ui::KeyAscii kEnter = 13;
}  // namespace

void Step1Wizard::Text1_KeyPress(ui::KeyAscii& keyAscii) {
  if (kit::IsRefusedNameCharacter(keyAscii)) {
    KeyFilterMessage(messages::RefusedNameCharacters(),
                     ui::mb::kIconInformation | ui::mb::kOk | ui::mb::kSetForeground);
    keyAscii = 0;
  } else if (keyAscii == kEnter) {
    Controls().SetFocus(ControlId::Text2);
    keyAscii = 0;
  }
}

void Step1Wizard::Text2_KeyPress(ui::KeyAscii& keyAscii) {
  if (kit::IsVersionCharacter(keyAscii) || keyAscii == kBackspace) return;
  if (keyAscii == kEnter) {
    Controls().SetFocus(ControlId::Text3);
  } else {
    KeyFilterBeep();
  }
  keyAscii = 0;
}

void Step1Wizard::Text3_KeyPress(ui::KeyAscii& keyAscii) {
  if (keyAscii == kEnter) {
    Controls().SetFocus(ControlId::Combo1);
    keyAscii = 0;
  }
}

void Step1Wizard::Combo1_KeyPress(ui::KeyAscii& keyAscii) {
  if (keyAscii == kEnter) {
    Controls().SetFocus(ControlId::Text4);
    keyAscii = 0;
  }
}

void Step1Wizard::Text4_KeyPress(ui::KeyAscii& keyAscii) {
  if (keyAscii == kEnter) {
    Controls().SetFocus(ControlId::Command2);
    keyAscii = 0;
  }
}

}  // namespace pages
