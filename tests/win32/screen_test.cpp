// What only a real screen shows: run under Wine's X11 driver on Xvfb with a
// window manager (scripts/test-windows-screen.sh), never under the null
// driver, which draws nothing and moves no pointer. The pixels are read back
// from the screen, and the pointer is moved as a person moves it.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "pages/page_layouts.h"
#include "ui/themes_xp.h"
#include "win32_test_support.h"

namespace {

using testing_support::NoEvents;

class ScreenTest : public ::testing::Test {
 protected:
  ScreenTest() { ThèmesXP::InitCommonControls(); }

  // Handles the window's messages for a while, as an idle program does.
  void Wait(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
      platform.ProcessWaitingMessages();
      Sleep(10);
    }
  }

  ui::win32::Win32Window& Open() {
    window.reset(static_cast<ui::win32::Win32Window*>(platform.OpenWindow(pages::Step1WizardLayout(), events).release()));
    Wait(500);
    return *window;
  }

  // Rests the pointer on the middle of a control or picture and gives the
  // text of the tooltip shown then, or nothing when none shows.
  std::string ToolTipShownOn(ui::ControlId control) {
    // Away first, until no tooltip shows.
    SetCursorPos(0, 0);
    for (int waited = 0; waited < 3000 && IsWindowVisible(window->ToolTips()); waited += 50) {
      platform.ProcessWaitingMessages();
      Sleep(50);
    }
    RECT rect{};
    if (HWND child = window->Control(control)) {
      GetWindowRect(child, &rect);
    } else {
      rect = window->Pictures().Rectangle(control);
      MapWindowPoints(window->Handle(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    }
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    for (int waited = 0; waited < 3000 && !IsWindowVisible(window->ToolTips()); waited += 50) {
      platform.ProcessWaitingMessages();
      Sleep(50);
    }
    if (!IsWindowVisible(window->ToolTips())) return {};
    wchar_t text[256]{};
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.lpszText = text;
    if (!SendMessageW(window->ToolTips(), TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) return {};
    if (tool.uId != window->ToolId(control)) return "(another control's tooltip)";
    return ui::win32::Narrow(text);
  }

  win32_testing::RecordingWin32Platform platform;
  NoEvents events;
  std::unique_ptr<ui::win32::Win32Window> window;
};

// The pixels of the outer edge of a control's rectangle, read from the
// screen, that show the window's background instead of the edge.
int BackgroundPixelsOnTheEdge(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  HDC screen = GetDC(nullptr);
  int count = 0;
  for (LONG x = rect.left; x < rect.right; ++x) {
    count += GetPixel(screen, x, rect.top) == background;
    count += GetPixel(screen, x, rect.bottom - 1) == background;
  }
  for (LONG y = rect.top + 1; y < rect.bottom - 1; ++y) {
    count += GetPixel(screen, rect.left, y) == background;
    count += GetPixel(screen, rect.right - 1, y) == background;
  }
  ReleaseDC(nullptr, screen);
  return count;
}

TEST_F(ScreenTest, NoLabelPaintsOverAFieldsBorderAtAnyDpi) {
  Open();
  for (const int dpi : {96, 144, 192}) {
    SCOPED_TRACE(dpi);
    if (dpi != 96) {
      RECT suggested{0, 0, 0, 0};
      SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    // Painted again from the back, the labels after the fields, as an
    // uncovered window is.
    RedrawWindow(window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Wait(500);
    for (const auto& control : pages::Step1WizardLayout().controls) {
      if (control.kind != ui::ControlKind::TextBox && control.kind != ui::ControlKind::ComboBox) continue;
      EXPECT_EQ(BackgroundPixelsOnTheEdge(window->Control(control.id)), 0) << ui::ControlName(control.id);
    }
  }
}

// A picture's pixel as the screen shows it, at a point of the picture's
// rectangle in the window.
COLORREF ScreenPixel(HWND window, const RECT& picture, int x, int y) {
  POINT point{picture.left + x, picture.top + y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const COLORREF pixel = GetPixel(memory, x, y);
  SelectObject(memory, previous);
  DeleteDC(memory);
  return pixel;
}

TEST_F(ScreenTest, ThePageDrawsItsLogoWithinItsEdgeAndItsSeparatorAcrossAtAnyDpi) {
  Open();
  const ui::win32::PagePictures& pictures = window->Pictures();
  for (const int dpi : {96, 144}) {
    SCOPED_TRACE(dpi);
    if (dpi != 96) {
      RECT suggested{0, 0, 0, 0};
      SendMessageW(window->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
      Wait(500);
    }
    // The logo in the middle of its sunken edge, two pixels wide.
    const RECT logo = pictures.Rectangle(ui::ControlId::Image1);
    HBITMAP drawing = pictures.Bitmap(ui::ControlId::Image1);
    BITMAP size{};
    ASSERT_TRUE(GetObjectW(drawing, sizeof(size), &size));
    const int left = 2 + (logo.right - logo.left - 4 - size.bmWidth) / 2;
    const int top = 2 + (logo.bottom - logo.top - 4 - size.bmHeight) / 2;
    int wrong = 0;
    for (int y = 0; y < size.bmHeight; y += 7) {
      for (int x = 0; x < size.bmWidth; x += 5) {
        wrong += ScreenPixel(window->Handle(), logo, left + x, top + y) != BitmapPixel(drawing, x, y);
      }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(ScreenPixel(window->Handle(), logo, 0, 0), GetSysColor(COLOR_3DSHADOW));
    // The separator stretched to the page's width, under the hint's box too.
    const RECT separator = pictures.Rectangle(ui::ControlId::Image3);
    HBITMAP line = pictures.Bitmap(ui::ControlId::Image3);
    for (const int x : {0, 300, static_cast<int>(separator.right - separator.left) - 1}) {
      for (int y = 0; y < separator.bottom - separator.top; ++y) {
        EXPECT_EQ(ScreenPixel(window->Handle(), separator, x, y), BitmapPixel(line, 0, y)) << x << "," << y;
      }
    }
  }
}

TEST_F(ScreenTest, ThePointerRestingOnTheLogoOrAFieldShowsItsToolTip) {
  Open();
  for (const ui::ControlId id : {ui::ControlId::Image1, ui::ControlId::Text2}) {
    EXPECT_EQ(ToolTipShownOn(id), pages::Step1WizardLayout().Control(id).toolTip)
        << ui::ControlName(id);
  }
}

}  // namespace
