#include "pages/form.h"

#include <stdexcept>
#include <utility>

namespace pages {

Form::Form(ui::Platform& platform, Navigator& navigator, const ui::PageLayout& layout)
    : platform_(platform), navigator_(navigator), layout_(layout) {}

Form::~Form() = default;

void Form::Form_Initialize() { platform_.InitCommonControls(); }

void Form::Show() {
  if (window_) return;
  window_ = platform_.OpenWindow(layout_, *this);
  Form_Activate();
}

void Form::Close() {
  if (!window_) return;
  window_.reset();
  navigator_.PageClosed();
}

ui::Window& Form::Controls() {
  if (!window_) throw std::logic_error("the page \"" + layout_.caption + "\" is not open");
  return *window_;
}

void Form::OnKeyPress(ui::ControlId, ui::KeyAscii&) {}

void Form::OnInsertText(ui::ControlId control, std::u16string& text) {
  std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
  insertion_.emplace();
  // Ended however the filters end, so that the next typed key is told again.
  struct EndOfInsertion {
    std::optional<InsertionFeedback>& insertion;
    ~EndOfInsertion() { insertion.reset(); }
  } endOfInsertion{insertion_};
  std::u16string kept;
  for (ui::KeyAscii code : text) {
    OnKeyPress(control, code);
    if (code != 0) kept += code;
  }
  text = std::move(kept);
}

void Form::KeyFilterMessage(const std::string& prompt, unsigned flags) {
  if (insertion_) {
    if (insertion_->messageShown) return;
    insertion_->messageShown = true;
  }
  platform_.MsgBox(prompt, flags);
}

void Form::KeyFilterBeep() {
  if (insertion_) {
    if (insertion_->beeped) return;
    insertion_->beeped = true;
  }
  platform_.Beep();
}

void Form::OnCloseRequested() { Close(); }

void Form::GoTo(PageId page) {
  navigator_.ShowPage(page);
  Close();
}

}  // namespace pages
