// A page whose events do nothing, for windows built on their own.
#pragma once

#include <string>

#include "ui/platform.h"

namespace testing_support {

class NoEvents : public ui::WindowEvents {
 public:
  void OnClick(ui::ControlId) override {}
  void OnKeyPress(ui::ControlId, ui::KeyAscii&) override {}
  void OnInsertText(ui::ControlId, std::u16string&) override {}
  void OnCloseRequested() override {}
};

}  // namespace testing_support
