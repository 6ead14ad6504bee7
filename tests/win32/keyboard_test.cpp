// The wizard driven through the system's input queue into the real
// controls: what the Win32 windows add to the keyboard cases that every back
// end runs (tests/cases): Tab, Space, Escape, access keys, characters typed
// as Unicode, pastes, and the owner of the boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "win32_test_support.h"

namespace {

using ui::ControlId;
using win32_testing::kParameters;
using win32_testing::kWelcome;

class KeyboardTest : public win32_testing::Win32WizardTest {
 protected:
  void OpenParameterPage() {
    Start();
    Key(VK_RETURN);
    ASSERT_EQ(Caption(), kParameters);
  }
  void SetClipboard(const std::string& text) {
    const std::wstring wide = ui::win32::Wide(text);
    ASSERT_TRUE(OpenClipboard(Page().Handle()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
  }
};

TEST_F(KeyboardTest, EnterAndSpacePressOnlyTheFocusedButton) {
  Start();
  EXPECT_EQ(FocusName(), "Command2");
  Key(VK_TAB);  // to Cancel: Enter must not press Next
  EXPECT_EQ(FocusName(), "Command1");
  Key(VK_TAB);
  Key(VK_SPACE);  // Space presses Next, which has the focus again
  ASSERT_EQ(Caption(), kParameters);
  EXPECT_EQ(FocusName(), "Text1");
  Key(VK_RETURN);  // in the name field: moves on, presses nothing
  EXPECT_EQ(Caption(), kParameters);
  EXPECT_EQ(FocusName(), "Text2");
  Key(VK_TAB, VK_SHIFT);
  EXPECT_EQ(FocusName(), "Text1");
  Key(VK_TAB, VK_SHIFT);
  Key(VK_TAB, VK_SHIFT);
  EXPECT_EQ(FocusName(), "Command3");
  Key(VK_RETURN);  // presses "< Précédent", not Next
  EXPECT_EQ(Caption(), kWelcome);
}

TEST_F(KeyboardTest, EscapeDoesNothingOnAnyPage) {
  Start();
  Key(VK_ESCAPE);
  EXPECT_EQ(Caption(), kWelcome);
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(Caption(), kParameters);
  EXPECT_EQ(Text(ControlId::Text1), "");
  EXPECT_EQ(platform.quits, 0);
}

TEST_F(KeyboardTest, AccessKeysPressEnabledButtonsOnly) {
  Start();
  Key('P', VK_MENU);  // "< Précédent" is disabled
  EXPECT_EQ(Caption(), kWelcome);
  Key('S', VK_MENU);
  ASSERT_EQ(Caption(), kParameters);
  Key('P', VK_MENU);
  ASSERT_EQ(Caption(), kWelcome);
  Key('A', VK_MENU);
  EXPECT_FALSE(AnyPageOpen());
  EXPECT_EQ(platform.quits, 1);
}

TEST_F(KeyboardTest, TheTitleBarCloseControlEndsTheApplication) {
  Start();
  SendMessageW(Page().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_FALSE(AnyPageOpen());
  EXPECT_EQ(platform.quits, 1);
}

TEST_F(KeyboardTest, TheNameRefusesFileNameCharactersWithTheMessage) {
  OpenParameterPage();
  Type("Mon/Programme é");
  EXPECT_EQ(Text(ControlId::Text1), "MonProgramme é");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].flags, 0x10040u);
  EXPECT_EQ(platform.owners[0], Page().Handle());
  EXPECT_EQ(FocusName(), "Text1");
}


TEST_F(KeyboardTest, PastesGoThroughTheFilters) {
  OpenParameterPage();
  SetClipboard("Mon|Pro:gramme\r\nsecond line");
  SendMessageW(Control(ControlId::Text1), WM_PASTE, 0, 0);
  Pump();
  EXPECT_EQ(Text(ControlId::Text1), "MonProgramme");
  EXPECT_EQ(platform.messages.size(), 1u);  // one message for the whole paste
  EXPECT_EQ(FocusName(), "Text1");          // the line break was no Enter

  SetClipboard("2.5b");
  SendMessageW(Control(ControlId::Text2), WM_PASTE, 0, 0);
  EXPECT_EQ(Text(ControlId::Text2), "2.5");
  EXPECT_EQ(platform.beeps, 1);
  Key(VK_TAB);  // Ctrl+V types code 22, which the version refuses
  Key('V', VK_CONTROL);
  EXPECT_EQ(Text(ControlId::Text2), "2.5");
  EXPECT_EQ(platform.beeps, 2);

  const std::string destination = Text(ControlId::Text4);
  SetClipboard("C:\\Autre");
  SendMessageW(Control(ControlId::Text4), WM_PASTE, 0, 0);
  EXPECT_EQ(Text(ControlId::Text4), destination);  // read-only
}



TEST_F(KeyboardTest, TheReplaceQuestionIsAskedOverTheOpenPage) {
  tree.Write("Output/Mon Programme/Mon Programme - Update.exe", "old");
  OpenParameterPage();
  Type("Mon Programme");
  Key(VK_TAB);
  Type("1");
  Key(VK_TAB);
  Type("https://www.example.com/m.maj");
  platform.answers = {ui::Answer::No};
  HWND next = Control(ControlId::Command2);
  SendMessageW(next, BM_CLICK, 0, 0);
  Pump();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].flags, 0x10134u);
  EXPECT_EQ(platform.owners[0], Page().Handle());
  EXPECT_EQ(Caption(), kParameters);
  EXPECT_EQ(tree.Read("Output/Mon Programme/Mon Programme - Update.exe"), "old");
}

}  // namespace
