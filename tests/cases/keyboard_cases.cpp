// The parameter page driven with the keyboard: the name and version filters,
// the Enter chain and a whole run that writes the kit. Each case is written
// once and compiled into each back end's test program (the fake back end,
// Qt, Win32), which names its suite KeyboardCaseOn<back end>.
#include <gtest/gtest.h>

#include "kit_expectations.h"
#include "wizard_driver.h"
#include "wizard_fixture.h"

#define ZVC_JOIN_(a, b) a##b
#define ZVC_JOIN(a, b) ZVC_JOIN_(a, b)
#define ZVC_KEYBOARD_CASE ZVC_JOIN(KeyboardCaseOn, ZVC_BACK_END)

namespace {

using testing_support::kEntryFlags;
using testing_support::kFinishedCaption;
using testing_support::kParametersCaption;
using ui::ControlId;

const std::string kRefusedCharacters =
    "Le nom du programme à mettre à jour ne peut contenir aucun des caractères suivants :\r\n\r\n"
    "\\ / : * ? \" < > |";

class ZVC_KEYBOARD_CASE : public ::testing::Test {
 protected:
  void SetUp() override {
    wizard->OpenParameterPage();
    ASSERT_EQ(wizard->Caption(), kParametersCaption);
    ASSERT_EQ(wizard->FocusName(), "Text1");
  }

  std::unique_ptr<testing_support::WizardDriver> wizard = testing_support::MakeWizardDriver();
};

TEST_F(ZVC_KEYBOARD_CASE, TheNameRefusesEachFileNameCharacterWithTheMessage) {
  wizard->Type("Mon/Programme");
  EXPECT_EQ(wizard->Text(ControlId::Text1), "MonProgramme");
  ASSERT_EQ(wizard->Messages().size(), 1u);
  EXPECT_EQ(wizard->Messages()[0].prompt, kRefusedCharacters);
  EXPECT_EQ(wizard->Messages()[0].flags, kEntryFlags);
  EXPECT_EQ(wizard->FocusName(), "Text1");

  // Every one of the nine is told, each time.
  wizard->Type("\\:*?\"<>|/");
  EXPECT_EQ(wizard->Text(ControlId::Text1), "MonProgramme");
  EXPECT_EQ(wizard->Messages().size(), 10u);
  EXPECT_EQ(wizard->Beeps(), 0);
}

TEST_F(ZVC_KEYBOARD_CASE, TheVersionTakesDigitsAndPointsOnly) {
  wizard->PressEnter();
  ASSERT_EQ(wizard->FocusName(), "Text2");
  wizard->Type("1.0.0.0");
  EXPECT_EQ(wizard->Text(ControlId::Text2), "1.0.0.0");
  EXPECT_EQ(wizard->Beeps(), 0);

  // A space, a letter, a comma and a minus: each beeps and is dropped.
  wizard->Type(" a,-");
  EXPECT_EQ(wizard->Text(ControlId::Text2), "1.0.0.0");
  EXPECT_EQ(wizard->Beeps(), 4);

  wizard->PressBackspace();
  wizard->PressBackspace();
  wizard->Type("..9");
  EXPECT_EQ(wizard->Text(ControlId::Text2), "1.0.0..9");
  EXPECT_EQ(wizard->Beeps(), 4);
  EXPECT_TRUE(wizard->Messages().empty());
}

TEST_F(ZVC_KEYBOARD_CASE, FiveEntersFromTheNameReachNextAndTypeNothing) {
  const std::string destination = wizard->Text(ControlId::Text4);
  for (const char* stop : {"Text2", "Text3", "Combo1", "Text4", "Command2"}) {
    wizard->PressEnter();
    EXPECT_EQ(wizard->FocusName(), stop);
  }
  EXPECT_EQ(wizard->Text(ControlId::Text1), "");
  EXPECT_EQ(wizard->Text(ControlId::Text2), "");
  EXPECT_EQ(wizard->Text(ControlId::Text3), "");
  EXPECT_EQ(wizard->Text(ControlId::Text4), destination);
  EXPECT_EQ(wizard->LanguageCount(), 1);
  // Enter on the destination only moves the focus: no kit is built.
  EXPECT_EQ(wizard->Caption(), kParametersCaption);
  EXPECT_FALSE(wizard->Tree().Exists("Output"));
  EXPECT_TRUE(wizard->Messages().empty());
  EXPECT_EQ(wizard->Beeps(), 0);
}

TEST_F(ZVC_KEYBOARD_CASE, AWholeRunTypedWithTheKeyboardBuildsTheKit) {
  wizard->Type("Mon Programme");
  wizard->PressEnter();
  wizard->Type("1.0.0.0");
  wizard->PressEnter();
  wizard->Type(testing_support::kWorkedExampleAddress);
  for (int i = 0; i < 4; ++i) wizard->PressEnter();  // address, language, destination, then Next itself
  ASSERT_EQ(wizard->Caption(), kFinishedCaption);
  EXPECT_TRUE(wizard->Messages().empty());
  testing_support::ExpectWorkedExampleKit(wizard->Tree());
  EXPECT_EQ(wizard->FocusName(), "Command2");
  wizard->PressEnter();  // Finish
  EXPECT_EQ(wizard->Caption(), "");
  EXPECT_EQ(wizard->Quits(), 1);
}

}  // namespace
