// Each page's window read back from the real windows: controls, texts,
// geometry at the window's DPI, tab order, tooltips, pictures and font.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "pages/page_layouts.h"
#include "ui/themes_xp.h"
#include "ui/win32/dialog_font.h"
#include "win32_test_support.h"

namespace {

using ui::ControlKind;
using ui::TwipsToPixels;
using ui::win32::Win32Window;
using testing_support::NoEvents;
using win32_testing::ClientRect;
using win32_testing::WindowText;

std::string ClassOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return ui::win32::Narrow(name);
}

const char* ExpectedClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::CommandButton: return "Button";
    case ControlKind::TextBox: return "Edit";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::Label: return "Static";
    case ControlKind::Image: break;
  }
  return "";
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

class WindowLayoutTest : public ::testing::TestWithParam<const ui::PageLayout*> {
 protected:
  WindowLayoutTest() { ThèmesXP::InitCommonControls(); }

  const ui::PageLayout& Layout() const { return *GetParam(); }

  // Every control at its place for this DPI, with its text and state.
  void ExpectPlaced(int dpi) {
    RECT client{};
    GetClientRect(window->Handle(), &client);
    EXPECT_EQ(client.right, TwipsToPixels(Layout().clientWidth, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(Layout().clientHeight, dpi));
    for (const auto& control : Layout().controls) {
      SCOPED_TRACE(std::string(ui::ControlName(control.id)));
      HWND child = window->Control(control.id);
      // A picture has no window: the page draws it in its rectangle.
      EXPECT_EQ(child == nullptr, control.kind == ControlKind::Image);
      if (child) {
        EXPECT_EQ(ClassOf(child), ExpectedClass(control.kind));
      }
      const RECT rect = child ? ClientRect(child) : window->Pictures().Rectangle(control.id);
      EXPECT_EQ(rect.left, TwipsToPixels(control.left, dpi));
      EXPECT_EQ(rect.top, TwipsToPixels(control.top, dpi));
      EXPECT_EQ(rect.right - rect.left, TwipsToPixels(control.width, dpi));
      EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(control.height, dpi));
    }
  }

  void ExpectLabelsFit(int dpi) {
    // Every control has the font of the first button.
    auto font = reinterpret_cast<HFONT>(SendMessageW(window->Control(ui::ControlId::Command1), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    HDC dc = GetDC(window->Handle());
    SelectObject(dc, font);
    for (const auto& control : Layout().controls) {
      if (control.kind != ControlKind::Label) continue;
      EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(window->Control(control.id), WM_GETFONT, 0, 0)), font);
      EXPECT_TRUE(ui::win32::TextFits(dc, ui::win32::Wide(control.text), TwipsToPixels(control.width, dpi),
                                      TwipsToPixels(control.height, dpi)))
          << control.text;
    }
    ReleaseDC(window->Handle(), dc);
  }

  win32_testing::RecordingWin32Platform platform;
  NoEvents events;
  std::unique_ptr<Win32Window> window{
      static_cast<Win32Window*>(platform.OpenWindow(Layout(), events).release())};
};

TEST_P(WindowLayoutTest, EveryControlHasItsKindTextStateAndPlace) {
  EXPECT_EQ(WindowText(window->Handle()), Layout().caption);
  ASSERT_EQ(window->Dpi(), 96u);
  ExpectPlaced(96);
  for (const auto& control : Layout().controls) {
    SCOPED_TRACE(std::string(ui::ControlName(control.id)));
    HWND child = window->Control(control.id);
    if (!child) continue;
    if (control.kind == ControlKind::CommandButton || control.kind == ControlKind::Label) {
      EXPECT_EQ(WindowText(child), control.text);
    }
    EXPECT_EQ(IsWindowEnabled(child) != FALSE, control.enabled);
    if (control.kind == ControlKind::TextBox) {
      EXPECT_EQ((GetWindowLongPtrW(child, GWL_STYLE) & ES_READONLY) != 0, control.readOnly);
      EXPECT_EQ(SendMessageW(child, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);  // no length limit
    }
  }
}

TEST_P(WindowLayoutTest, TheWindowHasAFixedBorderACaptionAnIconAndIsCentred) {
  const LONG_PTR style = GetWindowLongPtrW(window->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));
  EXPECT_TRUE(IsWindowVisible(window->Handle()));
  EXPECT_NE(SendMessageW(window->Handle(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(window->Handle(), WM_GETICON, ICON_SMALL, 0), 0);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT frame{};
  GetWindowRect(window->Handle(), &frame);
  EXPECT_LE(std::abs((frame.left - monitor.rcWork.left) - (monitor.rcWork.right - frame.right)), 1);
  EXPECT_LE(std::abs((frame.top - monitor.rcWork.top) - (monitor.rcWork.bottom - frame.bottom)), 1);
}

TEST_P(WindowLayoutTest, TabVisitsTheControlsThatTakeTheFocusInLayoutOrder) {
  std::vector<HWND> expected;
  for (const ui::ControlLayout* control : Layout().InTabOrder()) {
    if (ui::TakesFocus(*control)) expected.push_back(window->Control(control->id));
  }
  HWND focus = GetFocus();
  if (GetParent(focus) != window->Handle()) focus = GetParent(focus);  // the combo box's edit
  EXPECT_EQ(focus, window->Control(Layout().FirstFocusable()));
  HWND visited = expected.front();
  for (std::size_t i = 1; i <= expected.size(); ++i) {
    visited = GetNextDlgTabItem(window->Handle(), visited, FALSE);
    EXPECT_EQ(visited, expected[i % expected.size()]) << "stop " << i;
  }
}

TEST_P(WindowLayoutTest, EveryLabelHoldsItsTextInTheWindowsFont) { ExpectLabelsFit(96); }

TEST_P(WindowLayoutTest, TheFontIsTheDialogFontAtEightPointsWhereTheSystemHasItsClassicFace) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window->Control(ui::ControlId::Command1), WM_GETFONT, 0, 0));
  LOGFONTW chosen{};
  ASSERT_TRUE(GetObjectW(font, sizeof(chosen), &chosen));
  const std::wstring selected = ui::win32::SelectedFace(font);
  LOGFONTW dialog{};
  dialog.lfHeight = -MulDiv(8, 96, 72);
  lstrcpyW(dialog.lfFaceName, L"MS Shell Dlg");
  HFONT reference = CreateFontIndirectW(&dialog);
  const std::wstring dialogFace = ui::win32::SelectedFace(reference);
  DeleteObject(reference);
  if (ui::win32::IsClassicDialogFace(dialogFace)) {
    // Windows: never another face, never smaller.
    EXPECT_EQ(std::wstring(chosen.lfFaceName), L"MS Shell Dlg");
    EXPECT_EQ(chosen.lfHeight, -11);
  } else if (selected == L"Liberation Sans Narrow") {
    // Wine, on a system with the narrow face: at the dialog font's size.
    EXPECT_EQ(chosen.lfHeight, -11);
  } else {
    // The substitute, no smaller than 7.5 points (10 pixels at 96 dpi).
    EXPECT_EQ(selected, dialogFace);
    EXPECT_LE(chosen.lfHeight, -10);
  }
}

TEST_P(WindowLayoutTest, FieldsShowTheirToolTips) {
  for (const auto& control : Layout().controls) {
    if (control.toolTip.empty()) continue;
    wchar_t text[512]{};
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window->Handle();
    tool.uId = window->ToolId(control.id);
    tool.lpszText = text;
    SendMessageW(window->ToolTips(), TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(ui::win32::Narrow(text), control.toolTip) << ui::ControlName(control.id);
  }
}

TEST_P(WindowLayoutTest, PicturesAreDrawnForTheScaleOfTheScreen) {
  const SIZE logo = BitmapSize(window->Pictures().Bitmap(ui::ControlId::Image1));
  EXPECT_EQ(logo.cx, 128);
  EXPECT_EQ(logo.cy, 280);
  EXPECT_EQ(BitmapSize(window->Pictures().Bitmap(ui::ControlId::Image3)).cy, 2);
  for (const auto& control : Layout().controls) {
    if (control.picture != ui::Picture::PageIcon) continue;
    HICON icon = window->Pictures().Icon(control.id);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmBitsPixel, 32);  // with its transparency
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

TEST_P(WindowLayoutTest, AChangeOfDpiPlacesEverythingAgainAtTheNewScale) {
  for (const int dpi : {144, 192}) {
    SCOPED_TRACE(dpi);
    RECT suggested{10, 20, 10 + 800, 20 + 600};
    SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window->Dpi(), static_cast<UINT>(dpi));
    ExpectPlaced(dpi);
    ExpectLabelsFit(dpi);
    EXPECT_EQ(BitmapSize(window->Pictures().Bitmap(ui::ControlId::Image1)).cx, 128 * dpi / 96);
    // A label that gives way to a picture does so at the new scale: its
    // region spans its whole width.
    for (const auto& control : Layout().controls) {
      if (control.kind != ControlKind::Label) continue;
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      if (GetWindowRgn(window->Control(control.id), region) != ERROR) {
        RECT box{};
        GetRgnBox(region, &box);
        EXPECT_EQ(box.right - box.left, TwipsToPixels(control.width, dpi)) << ui::ControlName(control.id);
      }
      DeleteObject(region);
    }
    // The logo's tooltip follows its rectangle.
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window->Handle();
    tool.uId = window->ToolId(ui::ControlId::Image1);
    ASSERT_TRUE(SendMessageW(window->ToolTips(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
    const RECT logo = window->Pictures().Rectangle(ui::ControlId::Image1);
    EXPECT_TRUE(EqualRect(&tool.rect, &logo));
    RECT frame{};
    GetWindowRect(window->Handle(), &frame);
    EXPECT_EQ(frame.left, 10);
    EXPECT_EQ(frame.top, 20);
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, WindowLayoutTest,
                         ::testing::Values(&pages::WelcomeWizardLayout(), &pages::Step1WizardLayout(),
                                           &pages::WizardFinishedLayout()),
                         [](const auto& info) {
                           return info.index == 0 ? "Welcome" : info.index == 1 ? "Parameters" : "Finished";
                         });

}  // namespace
