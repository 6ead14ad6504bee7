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
#include "fake_platform.h"
#include "install_tree.h"
#include "ui/qt/qt_platform.h"

// Lets GoogleTest print Qt strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace qt_testing {

// A page whose events do nothing, for windows built on their own.
class NoEvents : public ui::WindowEvents {
 public:
  void OnClick(ui::ControlId) override {}
  void OnKeyPress(ui::ControlId, ui::KeyAscii&) override {}
  void OnInsertText(ui::ControlId, std::u16string&) override {}
  void OnCloseRequested() override {}
};

class RecordingQtPlatform : public ui::qt::QtPlatform {
 public:
  ui::Answer MsgBox(const std::string& prompt, unsigned flags) override {
    messages.push_back({prompt, flags});
    if (answers.empty()) return (flags & ui::mb::kButtonsMask) == ui::mb::kYesNo ? ui::Answer::No : ui::Answer::Ok;
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Beep() override { ++beeps; }
  std::string ExecutableDirectory() override { return executableDirectory; }
  void Quit() override { ++quits; }

  std::string executableDirectory;
  std::deque<ui::Answer> answers;
  std::vector<testing_support::ShownMessage> messages;
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
