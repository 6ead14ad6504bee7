// The names of the controls of the three pages.
#pragma once

#include <string_view>

namespace ui {

enum class ControlId {
  Command1, Command2, Command3,
  Text1, Text2, Text3, Text4,
  Combo1,
  Label1, Label2, Label3, Label4, Label5, Label6,
  Image1, Image2, Image3,
};

std::string_view ControlName(ControlId id);

}  // namespace ui
