// The keyboard of the wizard's controls, added to the system's own controls
// by subclassing them (SetWindowSubclass, the object as reference data):
// typed characters reach the page's key filter before the control, pasted
// and composed text goes through the page's insertion filter.
#pragma once

#include <windows.h>

#include <string>

#include "ui/control_id.h"

namespace ui::win32 {

// The page's filters, as the text fields call them. Each answers whether the
// page is still open: a filter may close it, and with it the control whose
// procedure is running, which then touches nothing more.
class FieldFilters {
 public:
  virtual ~FieldFilters() = default;
  // Runs a typed character's UTF-16 code through the page's filter, which
  // may change it or set it to 0 to discard it.
  virtual bool FilterKey(ControlId field, char16_t& code) = 0;
  // Runs a whole insertion (a paste, a composed text) through the page's
  // filter, which may shorten it.
  virtual bool FilterInsertion(ControlId field, std::u16string& text) = 0;
};

// A control's subclass for as long as the object lives.
class ControlSubclass {
 public:
  explicit ControlSubclass(HWND control);
  virtual ~ControlSubclass();
  ControlSubclass(const ControlSubclass&) = delete;
  ControlSubclass& operator=(const ControlSubclass&) = delete;

 protected:
  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // What the control does without the subclass.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  HWND control_;

 private:
  static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
};

// An edit control (a text box or the edit of a combo box): typed characters
// and insertions are filtered before it sees them; Enter and Escape are
// typed into it (as 13 and 27) instead of going to the window. It takes
// text of any length.
class FieldSubclass : public ControlSubclass {
 public:
  FieldSubclass(HWND edit, ControlId field, FieldFilters& filters);

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Puts text that was not typed into the box, filtered; false when the page
  // closed meanwhile.
  bool InsertFiltered(std::u16string text);

  ControlId field_;
  FieldFilters& filters_;
};

}  // namespace ui::win32
