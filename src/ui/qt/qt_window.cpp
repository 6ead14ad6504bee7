#include "ui/qt/qt_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>
#include <stdexcept>

#include "ui/qt/page_widgets.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/text_field.h"

namespace ui::qt {
namespace {

QRect PixelRect(const ControlLayout& control) {
  return QRect(TwipsToPixels(control.left), TwipsToPixels(control.top), TwipsToPixels(control.width),
               TwipsToPixels(control.height));
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// Labels and images are drawn beneath buttons and fields: build them first.
bool IsBackground(const ControlLayout& control) {
  return control.kind == ControlKind::Label || control.kind == ControlKind::Image;
}

}  // namespace

QtWindow::QtWindow(const PageLayout& layout, WindowEvents& events, QtPlatform& platform)
    : events_(events), platform_(platform) {
  window_ = new PageWidget(Deliverer([&events] { events.OnCloseRequested(); }));
  window_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  window_->setWindowTitle(ToQString(layout.caption));
  window_->setWindowIcon(ApplicationIcon());
  window_->setFixedSize(TwipsToPixels(layout.clientWidth), TwipsToPixels(layout.clientHeight));

  std::vector<const ControlLayout*> order;
  for (const auto& control : layout.controls) order.push_back(&control);
  std::stable_partition(order.begin(), order.end(), [](const ControlLayout* c) { return IsBackground(*c); });
  for (const ControlLayout* control : order) widgets_[control->id] = Build(*control);
  Describe(layout);

  // Tab follows the layout's tab order; labels, images and disabled buttons
  // take no focus and are passed over.
  QWidget* previous = nullptr;
  for (const ControlLayout* control : layout.InTabOrder()) {
    if (!TakesFocus(*control)) continue;
    QWidget* widget = widgets_.at(control->id);
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }

  window_->show();
  // Centred with its frame, which is known once the window is shown.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window_->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window_->move(frame.topLeft());
  }
  window_->activateWindow();
  widgets_.at(layout.FirstFocusable())->setFocus(Qt::OtherFocusReason);
}

QtWindow::~QtWindow() {
  *open_ = false;
  if (window_) {
    window_->hide();
    // A handler of this window may still be running: delete it afterwards.
    window_->deleteLater();
  }
}

std::function<void()> QtWindow::Deliverer(std::function<void()> event) const {
  // Captures nothing of this object, which may be gone when Qt calls it.
  return [open = open_, &platform = platform_, event = std::move(event)] {
    if (*open) platform.RunHandler(event);
  };
}

QWidget* QtWindow::Build(const ControlLayout& control) {
  QWidget* widget = nullptr;
  const ControlId id = control.id;
  switch (control.kind) {
    case ControlKind::CommandButton: {
      auto* button = new CommandButton(ToQString(control.text), window_);
      button->setAutoDefault(false);
      button->setFocusPolicy(Qt::StrongFocus);
      QObject::connect(button, &QPushButton::clicked, button, Deliverer([&events = events_, id] { events.OnClick(id); }));
      widget = button;
      break;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(ToQString(control.text), window_);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      widget = label;
      break;
    }
    case ControlKind::TextBox: {
      auto* edit = new TextField(window_, InsertionFilter(id));
      edit->setReadOnly(control.readOnly);
      widget = edit;
      break;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(window_);
      combo->setLineEdit(new TextField(combo, InsertionFilter(id)));
      // The list is the page's: typing adds nothing to it and completes nothing.
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);
      widget = combo;
      break;
    }
    case ControlKind::Image: {
      auto* image = new PictureLabel(control.picture, window_);
      image->setScaledContents(control.stretchPicture);
      image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      if (control.sunkenBorder) {
        image->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      }
      widget = image;
      break;
    }
  }
  if (control.kind == ControlKind::TextBox || control.kind == ControlKind::ComboBox) {
    widget->installEventFilter(
        new KeyPressFilter(widget, [open = open_, &platform = platform_, &events = events_, id](char16_t code) {
          if (*open) platform.RunHandler([&] { events.OnKeyPress(id, code); });
          return code;
        }));
  }
  widget->setObjectName(QString::fromUtf8(ControlName(id).data(), static_cast<qsizetype>(ControlName(id).size())));
  widget->setGeometry(PixelRect(control));
  widget->setEnabled(control.enabled);
  if (!control.toolTip.empty()) widget->setToolTip(ToQString(control.toolTip));
  return widget;
}

std::function<QString(const QString&)> QtWindow::InsertionFilter(ControlId id) const {
  return [open = open_, &platform = platform_, &events = events_, id](const QString& text) {
    std::u16string inserted = text.toStdU16String();
    bool filtered = false;
    if (*open) {
      platform.RunHandler([&] {
        events.OnInsertText(id, inserted);
        filtered = true;
      });
    }
    // Text the page could not filter is not inserted.
    return filtered ? QString::fromStdU16String(inserted) : QString();
  };
}

void QtWindow::Describe(const PageLayout& layout) {
  window_->setAccessibleName(ToQString(layout.caption));
  for (const auto& control : layout.controls) {
    QWidget* widget = widgets_.at(control.id);
    // Buttons and labels are named by their own text already.
    if (control.kind != ControlKind::CommandButton && control.kind != ControlKind::Label) {
      widget->setAccessibleName(ToQString(AccessibleName(layout, control)));
    }
    // The combo box's text field takes the focus: it bears the name too.
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
      combo->lineEdit()->setAccessibleName(widget->accessibleName());
    }
    // The labels that name fields have no access key, so a buddy adds no
    // shortcut; it ties the label to its field for screen readers.
    if (control.labelFor) static_cast<QLabel*>(widget)->setBuddy(widgets_.at(*control.labelFor));
  }
}

QWidget* QtWindow::Widget(ControlId control) const { return widgets_.at(control); }

QLineEdit* QtWindow::LineEdit(ControlId control) const {
  auto* edit = qobject_cast<QLineEdit*>(Widget(control));
  if (!edit) throw std::logic_error(std::string(ControlName(control)) + " is not a text box");
  return edit;
}

QComboBox* QtWindow::Combo(ControlId control) const {
  auto* combo = qobject_cast<QComboBox*>(Widget(control));
  if (!combo) throw std::logic_error(std::string(ControlName(control)) + " is not a combo box");
  return combo;
}

std::string QtWindow::Text(ControlId control) const {
  if (auto* combo = qobject_cast<QComboBox*>(Widget(control))) return combo->currentText().toStdString();
  return LineEdit(control)->text().toStdString();
}

void QtWindow::SetText(ControlId control, const std::string& text) {
  if (auto* combo = qobject_cast<QComboBox*>(Widget(control))) {
    combo->setEditText(ToQString(text));
  } else {
    LineEdit(control)->setText(ToQString(text));
  }
}

void QtWindow::AddItem(ControlId combo, const std::string& entry) { Combo(combo)->addItem(ToQString(entry)); }

void QtWindow::SetListIndex(ControlId control, int index) {
  QComboBox* combo = Combo(control);
  combo->setCurrentIndex(index);
  // Selecting the entry that is already current must still show its text.
  combo->setEditText(combo->itemText(index));
}

void QtWindow::SetFocus(ControlId control) {
  // The page moves the focus in answer to the keyboard (Enter from field to
  // field and on to "&Suivant >") or to a refused entry: the control shows
  // its focus mark as after Tab, which Qt's styles draw only once the window
  // has seen a keyboard focus change.
  window_->setAttribute(Qt::WA_KeyboardFocusChange);
  Widget(control)->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui::qt
