// The page windows as Qt builds them from the layout tables: window,
// controls, tab order and the fit of every label's text.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "pages/page_layouts.h"
#include "qt_test_support.h"
#include "ui/qt/qt_window.h"

namespace {

using ui::ControlKind;
using ui::TwipsToPixels;

using qt_testing::NoEvents;

struct PageCase {
  const char* name;
  const ui::PageLayout& (*layout)();
  const char* caption;
  std::vector<const char*> focusCycle;
};

const PageCase kPages[] = {
    {"Welcome", pages::WelcomeWizardLayout, "Zantrel Velquist Creator - Bienvenue...", {"Command2", "Command1"}},
    {"Parameters", pages::Step1WizardLayout,
     "Zantrel Velquist Creator - Saisie des paramètres...",
     {"Text1", "Text2", "Text3", "Combo1", "Text4", "Command2", "Command3", "Command1"}},
    {"Finished", pages::WizardFinishedLayout, "Zantrel Velquist Creator - Opération terminée...", {"Command2", "Command3"}},
};

void PrintTo(const PageCase& page, std::ostream* out) { *out << page.name; }

class WindowLayoutTest : public ::testing::TestWithParam<PageCase> {
 protected:
  void SetUp() override {
    window = std::make_unique<ui::qt::QtWindow>(GetParam().layout(), events, platform);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->TopLevel()));
  }
  void TearDown() override {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  const ui::PageLayout& Layout() const { return GetParam().layout(); }

  qt_testing::RecordingQtPlatform platform;
  NoEvents events;
  std::unique_ptr<ui::qt::QtWindow> window;
};

TEST_P(WindowLayoutTest, TheWindowIsAFixedCentredDialogFrame) {
  QWidget* top = window->TopLevel();
  EXPECT_EQ(top->windowTitle(), QString::fromUtf8(GetParam().caption));
  EXPECT_EQ(top->size(), QSize(492, 335));
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
  const Qt::WindowFlags flags = top->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(top->windowIcon().isNull());
  const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((top->frameGeometry().center() - screenCentre).manhattanLength(), 1);
}

TEST_P(WindowLayoutTest, EveryControlStandsWhereTheLayoutPutsIt) {
  for (const auto& control : Layout().controls) {
    SCOPED_TRACE(std::string(ui::ControlName(control.id)));
    QWidget* widget = window->Widget(control.id);
    EXPECT_EQ(widget->geometry(), QRect(TwipsToPixels(control.left), TwipsToPixels(control.top),
                                        TwipsToPixels(control.width), TwipsToPixels(control.height)));
    EXPECT_EQ(widget->isEnabled(), control.enabled);
    EXPECT_EQ(widget->toolTip().toStdString(), control.toolTip);
    if (control.kind == ControlKind::CommandButton || control.kind == ControlKind::Label) {
      const QString text = control.kind == ControlKind::Label ? static_cast<QLabel*>(widget)->text()
                                                             : static_cast<QPushButton*>(widget)->text();
      EXPECT_EQ(text.toStdString(), control.text);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_FALSE(button->isDefault());
      EXPECT_FALSE(button->autoDefault());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      EXPECT_EQ(edit->isReadOnly(), control.readOnly);
      EXPECT_EQ(edit->text(), QString());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      EXPECT_TRUE(combo->isEditable());
      EXPECT_EQ(combo->count(), 0);
      EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
    }
    if (control.kind == ControlKind::Image) {
      auto* image = static_cast<QLabel*>(widget);
      EXPECT_FALSE(image->pixmap().isNull());
      EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    }
  }
}

TEST_P(WindowLayoutTest, TheLogoSitsInATwoPixelSunkenBorderAtItsNaturalSize) {
  auto* logo = static_cast<QLabel*>(window->Widget(ui::ControlId::Image1));
  EXPECT_EQ(logo->pixmap().size(), QSize(128, 280));
  EXPECT_EQ(logo->contentsRect().size(), QSize(128, 280));
  EXPECT_EQ(logo->frameShadow(), QFrame::Sunken);
  auto* separator = static_cast<QLabel*>(window->Widget(ui::ControlId::Image3));
  EXPECT_TRUE(separator->hasScaledContents());
  EXPECT_EQ(separator->size(), QSize(492, 2));
}

TEST_P(WindowLayoutTest, EveryLabelShowsItsWholeText) {
  for (const auto& control : Layout().controls) {
    if (control.kind != ControlKind::Label) continue;
    SCOPED_TRACE(std::string(ui::ControlName(control.id)));
    auto* label = static_cast<QLabel*>(window->Widget(control.id));
    const QRect room = label->contentsRect();
    const QRect needed = QFontMetrics(label->font()).boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                                                                   label->text());
    EXPECT_LE(needed.height(), room.height());
    EXPECT_LE(needed.width(), room.width());
  }
}

TEST_P(WindowLayoutTest, TabAndShiftTabCycleThroughTheFocusableControls) {
  const auto& cycle = GetParam().focusCycle;
  QWidget* top = window->TopLevel();
  auto focusName = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); };
  EXPECT_EQ(focusName(), QString::fromLatin1(cycle.front()));
  for (std::size_t i = 1; i <= cycle.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), QString::fromLatin1(cycle[i % cycle.size()])) << "Tab " << i;
  }
  for (std::size_t i = 1; i <= cycle.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), QString::fromLatin1(cycle[(cycle.size() - i) % cycle.size()])) << "Shift+Tab " << i;
  }
  EXPECT_TRUE(top->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Pages, WindowLayoutTest, ::testing::ValuesIn(kPages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
