// The small platform layer the pages talk to: windows built from a layout,
// the modal message box, the beep, the common-controls initialisation and
// the directory of the running executable. Back ends: Qt for the real
// program, a recording fake for the tests.
#pragma once

#include <memory>
#include <string>

#include "ui/control_id.h"
#include "ui/message_box.h"
#include "ui/page_layout.h"

namespace ui {

// A typed character's code, which a key filter may set to 0 to discard it.
using KeyAscii = char16_t;

// What a window reports to the page that owns it.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // A button was pressed (click, Enter or Space on it, or its access key).
  virtual void OnClick(ControlId button) = 0;
  // A character was typed into a text box or the combo box; setting the
  // code to 0 keeps the control from seeing it.
  virtual void OnKeyPress(ControlId control, KeyAscii& keyAscii) = 0;
  // Text is about to be put into a text box or the combo box without being
  // typed (a paste, a drop, an input method's commit). The page filters it
  // as typed characters and leaves in it only what the control may insert.
  virtual void OnInsertText(ControlId control, std::u16string& text) = 0;
  // The user closed the window from its title bar or system menu. The
  // window stays open until the page closes it.
  virtual void OnCloseRequested() = 0;
};

// An open page window with its controls. Destroying it closes the window.
class Window {
 public:
  virtual ~Window() = default;
  // The text of a text box (read-only ones included) or of the combo box.
  virtual std::string Text(ControlId control) const = 0;
  virtual void SetText(ControlId control, const std::string& text) = 0;
  // Appends an entry to the combo box's list.
  virtual void AddItem(ControlId combo, const std::string& entry) = 0;
  // Selects a list entry, which also becomes the combo box's text.
  virtual void SetListIndex(ControlId combo, int index) = 0;
  virtual void SetFocus(ControlId control) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;
  // Builds a window from the layout, shows it modeless and without owner,
  // centred on the screen, active, with the focus on the first control in
  // tab order that can take it.
  virtual std::unique_ptr<Window> OpenWindow(const PageLayout& layout, WindowEvents& events) = 0;
  // A modal message box with the application title; flags as in mb::.
  virtual Answer MsgBox(const std::string& prompt, unsigned flags) = 0;
  virtual void Beep() = 0;
  virtual void InitCommonControls() = 0;
  // The directory that holds the running executable, as the system gives it.
  virtual std::string ExecutableDirectory() = 0;
  // Ends the application once the current event has been handled.
  virtual void Quit() = 0;
};

}  // namespace ui
