#include "pages/form.h"

#include <stdexcept>

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

void Form::OnCloseRequested() { Close(); }

void Form::GoTo(PageId page) {
  navigator_.ShowPage(page);
  Close();
}

}  // namespace pages
