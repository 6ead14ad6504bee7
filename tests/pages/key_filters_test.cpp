// The parameter page's key filters, called as the toolkit calls them; the
// keys a user types are in the keyboard cases every back end runs
// (tests/cases).
#include <gtest/gtest.h>

#include "pages/step1_wizard.h"
#include "wizard_fixture.h"

namespace {

using testing_support::kEntryFlags;
using ui::ControlId;

const std::string kRefusedCharacters =
    "Le nom du programme à mettre à jour ne peut contenir aucun des caractères suivants :\r\n\r\n"
    "\\ / : * ? \" < > |";

class KeyFilterTest : public testing_support::WizardTest {
 protected:
  void SetUp() override { OpenParameterPage(); }
  pages::Step1Wizard& Page() {
    return *static_cast<pages::Step1Wizard*>(wizard.PageObject(pages::PageId::Step1Wizard));
  }
};

TEST_F(KeyFilterTest, TheNameRefusesTheNineFileNameCharactersWithAMessage) {
  const std::u16string refused = u"\\/:*?\"<>|";
  for (char16_t c : refused) {
    ui::KeyAscii code = c;
    Page().Text1_KeyPress(code);
    EXPECT_EQ(code, 0) << static_cast<int>(c);
  }
  ASSERT_EQ(platform.messages.size(), refused.size());
  for (const auto& message : platform.messages) {
    EXPECT_EQ(message.prompt, kRefusedCharacters);
    EXPECT_EQ(message.flags, kEntryFlags);
  }
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(KeyFilterTest, TheNameTakesEverythingElse) {
  for (char16_t c : std::u16string(u" .-'aZ09éÉçœ€\x01\x03\x16\x18\x08\x1b")) {
    ui::KeyAscii code = c;
    Page().Text1_KeyPress(code);
    EXPECT_EQ(code, c) << static_cast<int>(c);
  }
  EXPECT_TRUE(platform.messages.empty());
}


// Beyond the keys a keyboard case types (tests/cases): a letter with an
// accent and the select-all, copy, paste, cut and Escape codes each beep and
// are dropped.
TEST_F(KeyFilterTest, TheVersionRefusesEveryOtherCodeWithABeep) {
  for (char16_t c : std::u16string(u" a,-é\x03\x16\x18\x1b\x01")) {
    ui::KeyAscii code = c;
    Page().Text2_KeyPress(code);
    EXPECT_EQ(code, 0) << static_cast<int>(c);
  }
  EXPECT_EQ(platform.beeps, 10);
  EXPECT_TRUE(platform.messages.empty());
}


TEST_F(KeyFilterTest, TheOtherFieldsLetEveryCharacterThrough) {
  for (auto field : {ControlId::Text3, ControlId::Combo1, ControlId::Text4}) {
    for (char16_t c : std::u16string(u"/:*?\"<>| a\x03\x16\x18\x08")) {
      ui::KeyAscii code = c;
      Page().OnKeyPress(field, code);
      EXPECT_EQ(code, c);
    }
  }
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.beeps, 0);
}

// Text put into a field without being typed goes through the same filter.
TEST_F(KeyFilterTest, PastedTextIsFilteredWithOneMessageForTheWholeText) {
  Window().Paste(ControlId::Text1, "Evil/..\\Name");
  EXPECT_EQ(Window().Text(ControlId::Text1), "Evil..Name");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, kRefusedCharacters);
  EXPECT_EQ(platform.messages[0].flags, kEntryFlags);

  // The next refused character, typed or pasted, is told again.
  Window().Type(ControlId::Text1, "*");
  Window().Paste(ControlId::Text1, "?");
  EXPECT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(Window().Text(ControlId::Text1), "Evil..Name");
}

TEST_F(KeyFilterTest, PastedTextInTheVersionKeepsDigitsAndPointsWithOneBeep) {
  Window().Paste(ControlId::Text2, "1.0bx-e");
  EXPECT_EQ(Window().Text(ControlId::Text2), "1.0");
  EXPECT_EQ(platform.beeps, 1);
  Window().Paste(ControlId::Text2, ".2 ");
  EXPECT_EQ(Window().Text(ControlId::Text2), "1.0.2");
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(KeyFilterTest, ALineBreakInPastedTextIsDroppedAndMovesNoFocus) {
  for (auto field : {ControlId::Text1, ControlId::Text2, ControlId::Text3, ControlId::Combo1}) {
    Window().SetFocus(field);
    Window().SetText(field, "");
    Window().Paste(field, "1\r\n2\n3\r");
    EXPECT_EQ(Window().Text(field), "123");
    EXPECT_EQ(Window().Focus(), field);
  }
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(KeyFilterTest, TheWelcomeAndCompletionPagesFilterNothing) {
  Window().Click(ControlId::Command3);
  ui::KeyAscii code = u'/';
  wizard.PageObject(pages::PageId::WelcomeWizard)->OnKeyPress(ControlId::Command2, code);
  EXPECT_EQ(code, u'/');
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
