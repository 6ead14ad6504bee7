// The wizard on the real Qt widgets, with message boxes recorded and
// answered instead of shown, and the end of the application recorded.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <deque>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "answer_queue.h"
#include "fake_platform.h"
#include "install_tree.h"
#include "no_events.h"
#include "ui/qt/qt_platform.h"

// Lets GoogleTest print Qt strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace qt_testing {

using testing_support::NoEvents;

class RecordingQtPlatform : public ui::qt::QtPlatform, public testing_support::AnswerQueue {
 public:
  ui::Answer MsgBox(const std::string& prompt, unsigned flags) override { return RecordAndAnswer(prompt, flags); }
  void Beep() override { ++beeps; }
  std::string ExecutableDirectory() override { return executableDirectory; }
  void Quit() override { ++quits; }

  std::string executableDirectory;
  int beeps = 0;
  int quits = 0;
};

// The visible page windows; closed ones are hidden at once and deleted
// when Qt next processes deferred deletions.
inline std::vector<QWidget*> OpenPages() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::vector<QWidget*> pages;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle().startsWith(QStringLiteral("Zantrel Velquist Creator - "))) {
      pages.push_back(widget);
    }
  }
  return pages;
}

class QtWizardTest : public ::testing::Test {
 protected:
  QtWizardTest() { platform.executableDirectory = tree.Root(); }
  ~QtWizardTest() override {
    wizard.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void Start() {
    wizard->Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Page()));
  }

  // The one open page.
  QWidget* Page() {
    const auto pages = OpenPages();
    EXPECT_EQ(pages.size(), 1u);
    return pages.empty() ? nullptr : pages.front();
  }
  QString Caption() { return Page() ? Page()->windowTitle() : QString(); }

  template <typename T = QWidget>
  T* Control(const char* name) {
    T* control = Page()->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QString FocusName() {
    if (!QApplication::focusWidget() && Page()) (void)QTest::qWaitForWindowActive(Page());
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
  }
  // Presses a key on the widget that has the focus.
  // A page that has just opened gets the focus once it is active.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (!QApplication::focusWidget() && Page()) (void)QTest::qWaitForWindowActive(Page());
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
  }

  testing_support::InstallTree tree;
  RecordingQtPlatform platform;
  std::unique_ptr<app::Wizard> wizard = std::make_unique<app::Wizard>(platform);
};

}  // namespace qt_testing
