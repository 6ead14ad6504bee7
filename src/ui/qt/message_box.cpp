#include "ui/qt/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace ui::qt {
namespace {

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & mb::kIconMask) {
    case mb::kIconError: return QMessageBox::Critical;
    case mb::kIconQuestion: return QMessageBox::Question;
    case mb::kIconWarning: return QMessageBox::Warning;
    case mb::kIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

Answer ShowMessageBox(const std::string& prompt, unsigned flags, QWidget* owner) {
  QMessageBox box(owner);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowTitle(kApplicationTitle);
  box.setTextFormat(Qt::PlainText);
  // Lines are joined by CR LF, as on Windows; Qt breaks lines at LF alone.
  box.setText(QString::fromStdString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  box.setIcon(IconOf(flags));

  // The buttons read as on a French system.
  std::vector<std::pair<QPushButton*, Answer>> buttons;
  if ((flags & mb::kButtonsMask) == mb::kYesNo) {
    buttons.emplace_back(box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole), Answer::Yes);
    buttons.emplace_back(box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole), Answer::No);
  } else {
    buttons.emplace_back(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), Answer::Ok);
    box.setEscapeButton(buttons.front().first);
  }
  const bool second = (flags & mb::kDefaultButtonMask) == mb::kDefaultButton2 && buttons.size() > 1;
  box.setDefaultButton(buttons[second ? 1 : 0].first);

  if (flags & mb::kSetForeground) {
    box.show();
    box.activateWindow();
  }
  box.exec();
  for (const auto& [button, answer] : buttons) {
    if (box.clickedButton() == button) return answer;
  }
  // Closed without a button (Escape on a Yes/No box): the safe answer.
  return buttons.size() > 1 ? Answer::No : Answer::Ok;
}

}  // namespace ui::qt
