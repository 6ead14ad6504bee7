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

const ControlLayout* LabelOf(const PageLayout& page, ControlId field) {
  for (const auto& control : page.controls) {
    if (control.labelFor == field) return &control;
  }
  return nullptr;
}

std::string AccessibleName(const PageLayout& page, const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox: {
      const ControlLayout* label = LabelOf(page, control.id);
      if (!label) return {};
      std::string name = label->text;
      if (name.ends_with(" :")) name.resize(name.size() - 2);
      return name;
    }
    case ControlKind::Image:
      return control.description;
    case ControlKind::CommandButton: {
      std::string caption = control.text;
      std::erase(caption, '&');
      return caption;
    }
    case ControlKind::Label:
      return control.text;
  }
  return {};
}

}  // namespace ui
