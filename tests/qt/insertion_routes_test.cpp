// Every way of putting text into the fields of the real widgets goes
// through the page's key filters: keys held with Alt, the paste shortcuts,
// the context menu, the selection's middle-click paste, drops and input
// methods.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <limits>

#include "qt_test_support.h"

namespace {

const QString kParameters = QStringLiteral("Zantrel Velquist Creator - Saisie des paramètres...");
const QString kEvilName = QStringLiteral("Evil/..\\Name");
const QString kEvilNameFiltered = QStringLiteral("Evil..Name");
const std::string kRefusedCharacters =
    "Le nom du programme à mettre à jour ne peut contenir aucun des caractères suivants :\r\n\r\n"
    "\\ / : * ? \" < > |";

class InsertionRoutesTest : public qt_testing::QtWizardTest {
 protected:
  void SetUp() override {
    Start();
    Key(Qt::Key_Return);
    ASSERT_EQ(Caption(), kParameters);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Page()));
  }
  QLineEdit* Field(const char* name) {
    if (auto* combo = Page()->findChild<QComboBox*>(QString::fromLatin1(name))) return combo->lineEdit();
    return Control<QLineEdit>(name);
  }
  QString Text(const char* name) { return Field(name)->text(); }
  // The field was told once that the name refuses these characters.
  void ExpectOneRefusedCharacterMessage() {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].prompt, kRefusedCharacters);
    EXPECT_EQ(platform.messages[0].flags, 0x10040u);
  }
  void PasteFromContextMenu(const char* name) {
    QLineEdit* field = Field(name);
    QContextMenuEvent event(QContextMenuEvent::Mouse, field->rect().center(), field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text().startsWith(QLineEdit::tr("&Paste"))) paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
  }
  void Drop(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    QMimeData data;
    data.setText(text);
    const QPointF centre(field->rect().center());
    // Qt delivers a drop to the widget that accepted the drag's entry.
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
  }
};

TEST_F(InsertionRoutesTest, KeysHeldWithAltOrMetaTypeNothing) {
  for (char key : std::string("\\/:*?\"<>|")) QTest::keyClick(Control("Text1"), key, Qt::AltModifier);
  for (char key : std::string("bxe-")) QTest::keyClick(Control("Text2"), key, Qt::AltModifier);
  QTest::keyClick(Control("Text3"), 'a', Qt::MetaModifier);
  QTest::keyClick(Control("Text3"), 'b', Qt::AltModifier | Qt::ControlModifier);
  Field("Combo1")->clear();
  QTest::keyClick(Control("Combo1"), 'k', Qt::AltModifier);
  for (const char* field : {"Text1", "Text2", "Text3", "Combo1"}) EXPECT_EQ(Text(field), QString()) << field;
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.beeps, 0);

  // The access keys still press their buttons from a field.
  Control("Text1")->setFocus();
  QTest::keyClick(Control("Text1"), Qt::Key_P, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([] {
    const auto pages = qt_testing::OpenPages();
    return pages.size() == 1 && pages.front()->windowTitle().endsWith(QStringLiteral("Bienvenue..."));
  }));
}

TEST_F(InsertionRoutesTest, AltGrStillTypesAndTheNameStillRefusesWhatItTypes) {
  // On X11 AltGr arrives as the group switch, not as Alt.
  QTest::keyClick(Control("Text1"), '\\', Qt::GroupSwitchModifier);
  EXPECT_EQ(Text("Text1"), QString());
  ExpectOneRefusedCharacterMessage();
  QTest::keyClick(Control("Text3"), '@', Qt::GroupSwitchModifier);
  EXPECT_EQ(Text("Text3"), QStringLiteral("@"));
}

TEST_F(InsertionRoutesTest, TheContextMenuPasteIsFilteredWithOneMessageOrBeep) {
  QApplication::clipboard()->setText(QStringLiteral("1.0bx-e"));
  PasteFromContextMenu("Text2");
  EXPECT_EQ(Text("Text2"), QStringLiteral("1.0"));
  EXPECT_EQ(platform.beeps, 1);
  QApplication::clipboard()->setText(kEvilName);
  PasteFromContextMenu("Text1");
  EXPECT_EQ(Text("Text1"), kEvilNameFiltered);
  ExpectOneRefusedCharacterMessage();
}

TEST_F(InsertionRoutesTest, ThePasteShortcutsAreFiltered) {
  QApplication::clipboard()->setText(kEvilName);
  QTest::keyClick(Control("Text1"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text("Text1"), kEvilNameFiltered);
  ExpectOneRefusedCharacterMessage();

  // A line break in the pasted text is no Enter: the focus stays.
  QApplication::clipboard()->setText(QStringLiteral("Anglais\r\n"));
  Control("Combo1")->setFocus();
  Field("Combo1")->selectAll();
  QTest::keyClick(Control("Combo1"), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Text("Combo1"), QStringLiteral("Anglais"));
  EXPECT_EQ(FocusName(), QStringLiteral("Combo1"));
}

TEST_F(InsertionRoutesTest, TheMiddleClickPasteOfTheSelectionIsFiltered) {
  // Run again on X11 by its own test, where the selection exists.
  if (QGuiApplication::platformName() == QStringLiteral("offscreen")) GTEST_SKIP() << "no selection offscreen";
  QApplication::clipboard()->setText(QStringLiteral("1.0bx-e"), QClipboard::Selection);
  ASSERT_TRUE(QTest::qWaitFor([] {
    return QApplication::clipboard()->text(QClipboard::Selection) == QStringLiteral("1.0bx-e");
  }));
  QTest::mouseClick(Field("Text2"), Qt::MiddleButton);
  EXPECT_EQ(Text("Text2"), QStringLiteral("1.0"));
  EXPECT_EQ(platform.beeps, 1);
}

TEST_F(InsertionRoutesTest, ADropIsFilteredAndARefusedOneIsIgnored) {
  Drop("Text1", kEvilName);
  EXPECT_EQ(Text("Text1"), kEvilNameFiltered);
  ExpectOneRefusedCharacterMessage();
  Field("Text2")->setText(QStringLiteral("1"));
  Drop("Text2", QStringLiteral("abc"));
  EXPECT_EQ(Text("Text2"), QStringLiteral("1"));
  EXPECT_EQ(platform.beeps, 1);
}

TEST_F(InsertionRoutesTest, AnInputMethodCommitIsFilteredAsOneInsertion) {
  Control("Text2")->setFocus();
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("1a\n2b"));
  QApplication::sendEvent(Control("Text2"), &commit);
  EXPECT_EQ(Text("Text2"), QStringLiteral("12"));
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(FocusName(), QStringLiteral("Text2"));
}

TEST_F(InsertionRoutesTest, ALongPastedAddressReachesTheConfigurationWhole) {
  for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Combo1"}) {
    EXPECT_EQ(Field(field)->maxLength(), std::numeric_limits<int>::max()) << field;
  }
  const QString address = QStringLiteral("https://www.example.com/") + QString(100000 - 24, QLatin1Char('a'));
  QApplication::clipboard()->setText(address);
  QTest::keyClicks(Control("Text1"), QStringLiteral("Mon Programme"));
  QTest::keyClicks(Control("Text2"), QStringLiteral("1.0"));
  QTest::keyClick(Control("Text3"), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(Text("Text3").size(), 100000);
  QTest::mouseClick(Control("Command2"), Qt::LeftButton);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(tree.Read("Output/Mon Programme/Mon Programme - Update.cfg"),
            "ADR " + address.toStdString() + "\r\nLOC \\Mon Programme - Update.ver\r\nTIT Mon Programme");
}

}  // namespace
