#include "ui/qt/page_widgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/qt/key_codes.h"

namespace ui::qt {

PageWidget::PageWidget(std::function<void()> onCloseRequested)
    : onCloseRequested_(std::move(onCloseRequested)) {}

void PageWidget::closeEvent(QCloseEvent* event) {
  // The page decides: it destroys this window when it closes.
  event->ignore();
  onCloseRequested_();
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

KeyPressFilter::KeyPressFilter(QObject* parent, Filter filter) : QObject(parent), filter_(std::move(filter)) {}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
  std::u16string typed;
  if (event->type() == QEvent::KeyPress) {
    typed = TypedCodes(*static_cast<QKeyEvent*>(event));
  } else if (event->type() == QEvent::InputMethod) {
    // Characters composed with dead keys or an input method are typed too.
    typed = static_cast<QInputMethodEvent*>(event)->commitString().toStdU16String();
  }
  if (typed.empty()) return false;

  std::u16string passed;
  for (char16_t code : typed) {
    if (const char16_t kept = filter_(code)) passed += kept;
  }
  if (passed == typed) return false;  // the control handles the key as usual
  // Some characters of a multi-character input passed: type those alone.
  if (!passed.empty()) {
    const QString text = QString::fromStdU16String(passed);
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->insert(text);
    if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->lineEdit()) combo->lineEdit()->insert(text);
  }
  return true;
}

}  // namespace ui::qt
