#include "fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace testing_support {

using ui::ControlId;
using ui::ControlKind;

namespace {

// The fields of the tests hold characters of the Basic Multilingual Plane
// only, one to three bytes of UTF-8 each.
std::u16string Utf16(const std::string& utf8) {
  std::u16string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
    char32_t c = length == 1 ? lead : lead & (length == 2 ? 0x1F : 0x0F);
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    text += static_cast<char16_t>(c);
  }
  return text;
}

void AppendUtf8(std::string& text, char16_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

FakeWindow::FakeWindow(FakePlatform& platform, const ui::PageLayout& layout, ui::WindowEvents& events)
    : platform_(platform), layout_(layout), events_(events), focus_(layout.FirstFocusable()) {
  platform_.open_.push_back(this);
}

FakeWindow::~FakeWindow() {
  platform_.closedWindows.push_back({layout_.caption, texts_, Items(ControlId::Combo1)});
  std::erase(platform_.open_, this);
}

std::string FakeWindow::Text(ControlId control) const {
  const auto kind = layout_.Control(control).kind;
  if (kind != ControlKind::TextBox && kind != ControlKind::ComboBox) throw std::logic_error("no text field");
  auto found = texts_.find(control);
  return found == texts_.end() ? std::string() : found->second;
}

void FakeWindow::SetText(ControlId control, const std::string& text) {
  Text(control);
  texts_[control] = text;
}

void FakeWindow::AddItem(ControlId combo, const std::string& entry) {
  if (layout_.Control(combo).kind != ControlKind::ComboBox) throw std::logic_error("not a combo box");
  items_[combo].push_back(entry);
}

void FakeWindow::SetListIndex(ControlId combo, int index) {
  const auto& items = Items(combo);
  if (index < 0 || index >= static_cast<int>(items.size())) throw std::out_of_range("no such list entry");
  listIndex_[combo] = index;
  texts_[combo] = items[static_cast<std::size_t>(index)];
}

void FakeWindow::SetFocus(ControlId control) {
  if (!ui::TakesFocus(layout_.Control(control))) throw std::logic_error("control cannot take the focus");
  focus_ = control;
}

const std::vector<std::string>& FakeWindow::Items(ControlId combo) const {
  static const std::vector<std::string> kNone;
  auto found = items_.find(combo);
  return found == items_.end() ? kNone : found->second;
}

int FakeWindow::ListIndex(ControlId combo) const {
  auto found = listIndex_.find(combo);
  return found == listIndex_.end() ? -1 : found->second;
}

void FakeWindow::Click(ControlId button) {
  const auto& control = layout_.Control(button);
  if (control.kind != ControlKind::CommandButton) throw std::logic_error("not a button");
  if (control.enabled) events_.OnClick(button);
}

ui::KeyAscii FakeWindow::TypeCode(ControlId control, ui::KeyAscii code) {
  const bool readOnly = layout_.Control(control).readOnly;
  events_.OnKeyPress(control, code);
  // The filter may have closed nothing, but it may have moved the focus.
  if (code == 0 || readOnly) return code;
  std::string& text = texts_[control];
  if (code == 8) {
    // Backspace removes the last UTF-8 character.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    if (!text.empty()) text.pop_back();
  } else if (code >= 32) {
    AppendUtf8(text, code);
  }
  return code;
}

void FakeWindow::Type(ControlId control, const std::string& keys) {
  for (char16_t code : Utf16(keys)) TypeCode(control, code);
}

void FakeWindow::Paste(ControlId control, const std::string& text) {
  if (layout_.Control(control).readOnly) return;
  std::u16string inserted = Utf16(text);
  events_.OnInsertText(control, inserted);
  for (char16_t code : inserted) AppendUtf8(texts_[control], code);
}

void FakeWindow::CloseFromTitleBar() { events_.OnCloseRequested(); }

std::unique_ptr<ui::Window> FakePlatform::OpenWindow(const ui::PageLayout& layout, ui::WindowEvents& events) {
  ++windowsOpened;
  return std::make_unique<FakeWindow>(*this, layout, events);
}

ui::Answer FakePlatform::MsgBox(const std::string& prompt, unsigned flags) {
  // A question here must have its answer queued by the test.
  if (IsQuestion(flags) && answers.empty()) ADD_FAILURE() << "no answer queued for the question: " << prompt;
  return RecordAndAnswer(prompt, flags);
}

FakeWindow& FakePlatform::OnlyWindow() const {
  if (open_.size() != 1) throw std::logic_error(std::to_string(open_.size()) + " windows are open, not one");
  return *open_.front();
}

}  // namespace testing_support
