#include "ui/qt/accessible_interfaces.h"

#include <QAccessibleWidget>
#include <QComboBox>

#include "ui/qt/page_widgets.h"

namespace ui::qt {
namespace {

class ComboAccessible : public QAccessibleWidget {
 public:
  explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Name: return Combo()->accessibleName();
      case QAccessible::Value: return Combo()->currentText();
      default: return QAccessibleWidget::text(kind);
    }
  }

  // Opening the list stays an action, as on Qt's own combo box.
  QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
  void doAction(const QString& action) override {
    if (action == showMenuAction()) {
      Combo()->showPopup();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("QComboBox")) {
    auto* combo = qobject_cast<QComboBox*>(object);
    return combo ? new ComboAccessible(combo) : nullptr;
  }
  if (className == QLatin1String("QWidget")) {
    auto* page = dynamic_cast<PageWidget*>(object);
    return page ? new QAccessibleWidget(page, QAccessible::Window) : nullptr;
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace ui::qt
