// The wizard on the real Win32 windows, with message boxes recorded and
// answered instead of shown, and the end of the application recorded. Keys
// go through the system's input queue and the back end's message loop.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/wizard.h"
#include "answer_queue.h"
#include "fake_platform.h"
#include "install_tree.h"
#include "no_events.h"
#include "ui/win32/utf16.h"
#include "ui/win32/win32_platform.h"
#include "ui/win32/win32_window.h"

namespace win32_testing {

class RecordingWin32Platform : public ui::win32::Win32Platform, public testing_support::AnswerQueue {
 public:
  ui::Answer MsgBox(const std::string& prompt, unsigned flags) override {
    owners.push_back(ActivePage());
    return RecordAndAnswer(prompt, flags);
  }
  void Beep() override { ++beeps; }
  std::string ExecutableDirectory() override { return executableDirectory; }
  void Quit() override { ++quits; }

  std::string executableDirectory;
  std::vector<HWND> owners;
  int beeps = 0;
  int quits = 0;
};

inline std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return ui::win32::Narrow(text);
}

// A control's rectangle in its window's client coordinates.
inline RECT ClientRect(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Presses and releases a key, with Alt or Shift held when asked.
inline void SendKey(WORD key, WORD modifier = 0) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (modifier) add(modifier, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (modifier) add(modifier, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Types text as a keyboard that types Unicode characters does.
inline void SendText(const std::string& utf8) {
  std::vector<INPUT> inputs;
  for (wchar_t code : ui::win32::Wide(utf8)) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = code;
      input.ki.dwFlags = KEYEVENTF_UNICODE | up;
      inputs.push_back(input);
    }
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class Win32WizardTest : public ::testing::Test {
 protected:
  Win32WizardTest() { platform.executableDirectory = tree.Root(); }
  ~Win32WizardTest() override {
    wizard.reset();
    Pump();
  }

  void Start() {
    wizard->Start();
    Pump();
  }
  void Pump() { platform.ProcessWaitingMessages(); }

  // The one open page.
  ui::win32::Win32Window& Page() {
    pages::Form* form = wizard->OpenPage();
    if (!form) throw std::logic_error("no page is open");
    return dynamic_cast<ui::win32::Win32Window&>(form->Controls());
  }
  bool AnyPageOpen() const { return wizard->OpenPage() != nullptr; }
  std::string Caption() { return AnyPageOpen() ? WindowText(Page().Handle()) : std::string(); }
  HWND Control(ui::ControlId control) { return Page().Control(control); }
  std::string Text(ui::ControlId control) { return Page().Text(control); }

  // The control with the focus, by name; the edit of the combo box counts
  // as the combo box.
  std::string FocusName() {
    HWND focus = GetFocus();
    if (!focus) return "(none)";
    wchar_t className[32]{};
    GetClassNameW(GetParent(focus), className, 32);
    if (lstrcmpiW(className, L"ComboBox") == 0) focus = GetParent(focus);
    const int id = GetDlgCtrlID(focus) - ui::win32::Win32Window::ControlIdentifier(ui::ControlId{});
    return std::string(ui::ControlName(static_cast<ui::ControlId>(id)));
  }

  void Key(WORD key, WORD modifier = 0) {
    SendKey(key, modifier);
    Pump();
  }
  void Type(const std::string& text) {
    SendText(text);
    Pump();
  }

  testing_support::InstallTree tree;
  RecordingWin32Platform platform;
  std::unique_ptr<app::Wizard> wizard = std::make_unique<app::Wizard>(platform);
};

inline const std::string kWelcome = "Zantrel Velquist Creator - Bienvenue...";
inline const std::string kParameters = "Zantrel Velquist Creator - Saisie des paramètres...";
inline const std::string kFinished = "Zantrel Velquist Creator - Opération terminée...";

}  // namespace win32_testing
