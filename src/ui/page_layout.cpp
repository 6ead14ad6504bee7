#include "ui/page_layout.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

const ControlLayout& PageLayout::Control(ControlId id) const {
  for (const auto& control : controls) {
    if (control.id == id) return control;
  }
  throw std::out_of_range("no control " + std::string(ControlName(id)) + " on page " + caption);
}

std::vector<const ControlLayout*> PageLayout::InTabOrder() const {
  std::vector<const ControlLayout*> ordered;
  for (const auto& control : controls) {
    if (control.tabIndex) ordered.push_back(&control);
  }
  std::sort(ordered.begin(), ordered.end(),
            [](const ControlLayout* a, const ControlLayout* b) { return *a->tabIndex < *b->tabIndex; });
  return ordered;
}

ControlId PageLayout::FirstFocusable() const {
  for (const auto* control : InTabOrder()) {
    if (TakesFocus(*control)) return control->id;
  }
  throw std::logic_error("page " + caption + " has no control that takes the focus");
}

bool TakesFocus(const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::CommandButton:
      return control.enabled;
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
      return true;
    case ControlKind::Label:
    case ControlKind::Image:
      return false;
  }
  return false;
}

}  // namespace ui
