#include "ui/qt/page_widgets.h"

#include <QCloseEvent>
#include <QComboBox>
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
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  const std::u16string typed = TypedCodes(key);
  // A system key's character never reaches the control.
  if (typed.empty()) return IsSystemKey(key) && !key.text().isEmpty();

  std::u16string passed;
  for (char16_t code : typed) {
    if (const char16_t kept = filter_(code)) passed += kept;
  }
  if (passed == typed) return false;  // the control handles the key as usual
  // Some characters of a multi-character key passed: type those alone.
  if (!passed.empty()) {
    const QString text = QString::fromStdU16String(passed);
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->insert(text);
    if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->lineEdit()) combo->lineEdit()->insert(text);
  }
  return true;
}

}  // namespace ui::qt
