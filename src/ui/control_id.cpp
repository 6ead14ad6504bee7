#include "ui/control_id.h"

namespace ui {

std::string_view ControlName(ControlId id) {
  switch (id) {
    case ControlId::Command1: return "Command1";
    case ControlId::Command2: return "Command2";
    case ControlId::Command3: return "Command3";
    case ControlId::Text1: return "Text1";
    case ControlId::Text2: return "Text2";
    case ControlId::Text3: return "Text3";
    case ControlId::Text4: return "Text4";
    case ControlId::Combo1: return "Combo1";
    case ControlId::Label1: return "Label1";
    case ControlId::Label2: return "Label2";
    case ControlId::Label3: return "Label3";
    case ControlId::Label4: return "Label4";
    case ControlId::Label5: return "Label5";
    case ControlId::Label6: return "Label6";
    case ControlId::Image1: return "Image1";
    case ControlId::Image2: return "Image2";
    case ControlId::Image3: return "Image3";
  }
  return "?";
}

}  // namespace ui
