#include "ui/qt/text_field.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <limits>

namespace ui::qt {

TextField::TextField(QWidget* parent, InsertFilter filter) : QLineEdit(parent), filter_(std::move(filter)) {
  // Qt's default of 32767 characters would cut a long pasted address.
  setMaxLength(std::numeric_limits<int>::max());
}

void TextField::PasteFiltered(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString kept = filter_(QApplication::clipboard()->text(mode));
  // Nothing left: the selection stays, as when a typed key is refused.
  if (!kept.isEmpty()) insert(kept);
}

void TextField::keyPressEvent(QKeyEvent* event) {
  // The page's key filter has let the paste shortcut through.
  if (event->matches(QKeySequence::Paste)) {
    PasteFiltered(QClipboard::Clipboard);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TextField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (QAction* action : menu->actions()) {
    if (action->menu()) {
      // The submenu that inserts Unicode control characters (right-to-left
      // locales) calls insert() directly, past every filter.
      menu->removeAction(action);
    } else if (QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
      connect(action, &QAction::triggered, this, [this] { PasteFiltered(QClipboard::Clipboard); });
    }
  }
  menu->popup(event->globalPos());
}

void TextField::mouseReleaseEvent(QMouseEvent* event) {
  // The X11 way of pasting the selection.
  if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
    if (!isReadOnly()) {
      deselect();
      PasteFiltered(QClipboard::Selection);
    }
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TextField::dropEvent(QDropEvent* event) {
  if (isReadOnly() || !event->mimeData()->hasText()) return QLineEdit::dropEvent(event);
  const QString kept = filter_(event->mimeData()->text());
  if (kept.isEmpty()) {
    // Refused: a text dragged from another field stays where it was.
    event->ignore();
    return;
  }
  QMimeData filteredData;
  filteredData.setText(kept);
  QDropEvent filtered(event->position(), event->possibleActions(), &filteredData, event->buttons(),
                      event->modifiers());
  filtered.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&filtered);
  event->setDropAction(filtered.dropAction());
  event->setAccepted(filtered.isAccepted());
}

void TextField::inputMethodEvent(QInputMethodEvent* event) {
  if (isReadOnly() || event->commitString().isEmpty()) return QLineEdit::inputMethodEvent(event);
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(filter_(event->commitString()), event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
  event->setAccepted(filtered.isAccepted());
}

}  // namespace ui::qt
