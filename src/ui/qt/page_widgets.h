// The small widget classes that give Qt's controls the behaviour of the
// wizard's: a window whose close control asks its page, a button that Enter
// presses when it has the focus, and the filter that hands typed characters
// to the page before the control sees them.
#pragma once

#include <QObject>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <string>

namespace ui::qt {

// A page window: closing it from the title bar is a request for the page.
class PageWidget : public QWidget {
 public:
  explicit PageWidget(std::function<void()> onCloseRequested);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> onCloseRequested_;
};

// No button of a page is a default button; Enter presses the focused one,
// as Space does.
class CommandButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// Hands each typed character's code to the page's key filter; the control
// never sees a character whose code was set to 0, nor a character typed
// with Alt or Meta. Text that arrives otherwise goes through TextField.
class KeyPressFilter : public QObject {
 public:
  // The filter returns the code, possibly 0.
  using Filter = std::function<char16_t(char16_t)>;
  KeyPressFilter(QObject* parent, Filter filter);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Filter filter_;
};

}  // namespace ui::qt
