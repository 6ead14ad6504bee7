// The line edit of the text boxes and of the combo box. Every route by which
// text gets into it without being typed (the paste shortcut, the context
// menu's Paste, the middle-click paste of the selection, a drop, an input
// method's commit) hands the text to the page first, and the field takes only
// what the page leaves. Typed keys go through the page's key filter instead
// (KeyPressFilter). The field has no length limit.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>

#include <functional>

namespace ui::qt {

class TextField : public QLineEdit {
 public:
  // Gives the part of the text that the field may insert.
  using InsertFilter = std::function<QString(const QString&)>;
  TextField(QWidget* parent, InsertFilter filter);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  void PasteFiltered(QClipboard::Mode mode);

  InsertFilter filter_;
};

}  // namespace ui::qt
