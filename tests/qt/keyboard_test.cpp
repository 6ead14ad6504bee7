// The wizard driven with the keyboard and the mouse on the real widgets:
// what the Qt widgets add to the keyboard cases that every back end runs
// (tests/cases).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "qt_test_support.h"

namespace {

const QString kWelcome = QStringLiteral("Zantrel Velquist Creator - Bienvenue...");
const QString kParameters = QStringLiteral("Zantrel Velquist Creator - Saisie des paramètres...");
const QString kFinished = QStringLiteral("Zantrel Velquist Creator - Opération terminée...");

class KeyboardTest : public qt_testing::QtWizardTest {
 protected:
  void OpenParameterPage() {
    Start();
    Key(Qt::Key_Return);
    ASSERT_EQ(Caption(), kParameters);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Page()));
  }
  QString Text(const char* field) { return Control<QLineEdit>(field)->text(); }
  // An access key presses its button after a short animation: long enough
  // for a click that should not happen to have happened.
  void Settle() { QTest::qWait(200); }
  // Waits for the page that an access key leads to.
  bool Reaches(const QString& caption) {
    return QTest::qWaitFor([&] {
      const auto pages = qt_testing::OpenPages();
      return pages.size() == 1 && pages.front()->windowTitle() == caption && pages.front()->isActiveWindow();
    });
  }
};

TEST_F(KeyboardTest, EnterAndSpacePressOnlyTheFocusedButton) {
  Start();
  EXPECT_EQ(FocusName(), QStringLiteral("Command2"));
  Key(Qt::Key_Tab);  // to Cancel: Enter must not press Next
  Key(Qt::Key_Tab);
  Key(Qt::Key_Space);  // Space presses Next, which has the focus again
  ASSERT_EQ(Caption(), kParameters);
  Key(Qt::Key_Return);  // in the name field: moves on, presses nothing
  EXPECT_EQ(Caption(), kParameters);
  EXPECT_EQ(FocusName(), QStringLiteral("Text2"));
}

TEST_F(KeyboardTest, EscapeDoesNothingOnAnyPage) {
  Start();
  Key(Qt::Key_Escape);
  EXPECT_EQ(Caption(), kWelcome);
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Caption(), kParameters);
  EXPECT_EQ(platform.quits, 0);
}

TEST_F(KeyboardTest, AccessKeysPressEnabledButtonsOnly) {
  Start();
  QTest::keyClick(Page(), Qt::Key_P, Qt::AltModifier);  // "< Précédent" is disabled
  Settle();
  EXPECT_EQ(Caption(), kWelcome);
  QTest::mouseClick(Control("Command3"), Qt::LeftButton);
  EXPECT_EQ(Caption(), kWelcome);

  QTest::keyClick(Page(), Qt::Key_S, Qt::AltModifier);
  ASSERT_TRUE(Reaches(kParameters));
  QTest::keyClick(Page(), Qt::Key_P, Qt::AltModifier);
  ASSERT_TRUE(Reaches(kWelcome));
  QTest::keyClick(Page(), Qt::Key_A, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([] { return qt_testing::OpenPages().empty(); }));
  EXPECT_EQ(platform.quits, 1);
}

TEST_F(KeyboardTest, TheCompletionPageCancelCannotBePressed) {
  OpenParameterPage();
  Control<QLineEdit>("Text1")->setText(QStringLiteral("Mon Programme"));
  Control<QLineEdit>("Text2")->setText(QStringLiteral("1"));
  Control<QLineEdit>("Text3")->setText(QStringLiteral("x"));
  QTest::mouseClick(Control("Command2"), Qt::LeftButton);
  ASSERT_EQ(Caption(), kFinished);
  QTest::keyClick(Page(), Qt::Key_A, Qt::AltModifier);
  Settle();
  QTest::mouseClick(Control("Command1"), Qt::LeftButton);
  EXPECT_EQ(Caption(), kFinished);
  EXPECT_EQ(platform.quits, 0);
  QTest::keyClick(Page(), Qt::Key_N, Qt::AltModifier);  // New
  EXPECT_TRUE(Reaches(kWelcome));
}

TEST_F(KeyboardTest, TheTitleBarCloseControlEndsTheApplication) {
  OpenParameterPage();
  Page()->close();
  EXPECT_TRUE(qt_testing::OpenPages().empty());
  EXPECT_EQ(platform.quits, 1);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(KeyboardTest, TheDestinationCanBeCopiedButNotChanged) {
  OpenParameterPage();
  auto* destination = Control<QLineEdit>("Text4");
  const QString shown = QString::fromStdString(tree.Root() + "/Output/");
  EXPECT_EQ(destination->text(), shown);
  EXPECT_TRUE(destination->isReadOnly());
  destination->setFocus();
  QTest::keyClicks(destination, QStringLiteral("abc"));
  for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_Delete}) Key(key);
  QApplication::clipboard()->setText(QStringLiteral("collé"));
  Key(Qt::Key_V, Qt::ControlModifier);
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(destination->text(), shown);
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), shown);
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(KeyboardTest, TheSetUpFillsTheLanguagesAndLeavesTheFocusOnTheName) {
  tree.Write(std::string(testing_support::kLanguages) + "/Anglais.lng", "en");
  OpenParameterPage();
  auto* combo = Control<QComboBox>("Combo1");
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(combo->currentText(), combo->itemText(0));
  EXPECT_EQ(FocusName(), QStringLiteral("Text1"));
  // Typed text that matches no entry is taken as it is.
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo, QStringLiteral("Klingon"));
  EXPECT_EQ(combo->currentText(), QStringLiteral("Klingon"));
  EXPECT_EQ(combo->count(), 2);
}



TEST_F(KeyboardTest, ComposedCharactersGoThroughTheFiltersToo) {
  OpenParameterPage();
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("ê"));
  QApplication::sendEvent(Control("Text2"), &composed);
  EXPECT_EQ(Text("Text2"), QString());
  EXPECT_EQ(platform.beeps, 1);
  QApplication::sendEvent(Control("Text1"), &composed);
  EXPECT_EQ(Text("Text1"), QStringLiteral("ê"));
}

TEST_F(KeyboardTest, PasteIsRefusedInTheVersionAndWorksInTheName) {
  OpenParameterPage();
  QApplication::clipboard()->setText(QStringLiteral("2.5"));
  QTest::keyClick(Control("Text2"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text("Text2"), QString());
  EXPECT_EQ(platform.beeps, 1);
  QApplication::clipboard()->setText(QStringLiteral("Mon Programme"));
  QTest::keyClick(Control("Text1"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text("Text1"), QStringLiteral("Mon Programme"));
  EXPECT_TRUE(platform.messages.empty());
}

// Qt shows a focus frame only after a keyboard focus change; the page moves
// the focus itself on Enter, and Next must show its frame then too, as after
// Tab, so that the user sees that the next Enter creates the kit.
TEST_F(KeyboardTest, NextReachedByEnterShowsItsFocusMark) {
  OpenParameterPage();
  ASSERT_FALSE(Page()->testAttribute(Qt::WA_KeyboardFocusChange));
  for (int i = 0; i < 5; ++i) Key(Qt::Key_Return);
  EXPECT_EQ(FocusName(), QStringLiteral("Command2"));
  EXPECT_TRUE(Page()->testAttribute(Qt::WA_KeyboardFocusChange));
}


}  // namespace
