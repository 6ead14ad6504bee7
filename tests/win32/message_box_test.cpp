// The system's message box with the pages' flags, answered by a timer as
// a user would answer it, and the rule for errors no handler caught.
#include <gtest/gtest.h>
#include <windows.h>

#include "pages/page_layouts.h"
#include "ui/themes_xp.h"
#include "ui/win32/message_box.h"
#include "win32_test_support.h"

namespace {

using testing_support::NoEvents;
using win32_testing::WindowText;

// What the timer saw of the box it answered.
struct SeenBox {
  HWND box = nullptr;
  HWND owner = nullptr;
  std::string title;
  std::string text;
  int focusedButton = 0;
};
SeenBox seen;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  wchar_t className[16]{};
  GetClassNameW(window, className, 16);
  if (lstrcmpW(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Answers the box with the button that has the focus, as Enter would.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, timer);
  seen.box = box;
  seen.owner = GetWindow(box, GW_OWNER);
  seen.title = WindowText(box);
  seen.text = WindowText(GetDlgItem(box, 0xFFFF));
  seen.focusedButton = GetDlgCtrlID(GetFocus());
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(seen.focusedButton, BN_CLICKED), 0);
}

TEST(SystemMessageBox, TheSystemsBoxBearsTheTitleTheFlagsAndTheOpenPageAsOwner) {
  ThèmesXP::InitCommonControls();
  ui::win32::Win32Platform platform;
  NoEvents events;
  auto page = platform.OpenWindow(pages::Step1WizardLayout(), events);
  HWND pageWindow = static_cast<ui::win32::Win32Window&>(*page).Handle();
  seen = {};
  SetTimer(nullptr, 0, 10, AnswerBox);
  // The replace question: warning icon, Yes and No, No the default.
  const ui::Answer answer = platform.MsgBox("Remplacer ?\r\nOui ou non.", 0x10134);
  EXPECT_EQ(answer, ui::Answer::No);
  EXPECT_EQ(seen.title, "Zantrel Velquist Creator");
  EXPECT_EQ(seen.text, "Remplacer ?\r\nOui ou non.");
  EXPECT_EQ(seen.owner, pageWindow);
  EXPECT_EQ(seen.focusedButton, IDNO);
  EXPECT_TRUE(IsWindowEnabled(pageWindow));  // enabled again once answered
}

// A page whose Next button fails.
class FailingEvents : public NoEvents {
 public:
  void OnClick(ui::ControlId) override { throw std::runtime_error("disque plein"); }
};

TEST(SystemMessageBox, AnErrorNoHandlerCaughtIsReportedAndEndsTheApplicationWithAFailure) {
  ThèmesXP::InitCommonControls();
  win32_testing::RecordingWin32Platform platform;
  FailingEvents events;
  auto page = platform.OpenWindow(pages::WelcomeWizardLayout(), events);
  auto& window = static_cast<ui::win32::Win32Window&>(*page);
  // The error is thrown inside the window procedure of a real click.
  SendMessageW(window.Control(ui::ControlId::Command2), BM_CLICK, 0, 0);
  bool after = false;
  platform.RunHandler([&] { after = true; });
  EXPECT_FALSE(after);  // nothing runs once the application is ending
  EXPECT_TRUE(platform.Failed());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].prompt.find("disque plein"), std::string::npos);
  EXPECT_EQ(platform.messages[0].flags, 0x10010u);
  EXPECT_EQ(platform.owners[0], window.Handle());
  MSG quit{};
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 1u);
}

}  // namespace
