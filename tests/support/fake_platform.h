// A recording back end for handler tests: windows are plain records of the
// controls' state, message boxes are answered from a queue, and the user's
// clicks and keys are replayed through the page's events.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "answer_queue.h"
#include "ui/platform.h"

namespace testing_support {

// What a window held when it was closed.
struct ClosedWindow {
  std::string caption;
  std::map<ui::ControlId, std::string> texts;
  std::vector<std::string> languageItems;
};

class FakePlatform;

class FakeWindow : public ui::Window {
 public:
  FakeWindow(FakePlatform& platform, const ui::PageLayout& layout, ui::WindowEvents& events);
  ~FakeWindow() override;

  std::string Text(ui::ControlId control) const override;
  void SetText(ui::ControlId control, const std::string& text) override;
  void AddItem(ui::ControlId combo, const std::string& entry) override;
  void SetListIndex(ui::ControlId combo, int index) override;
  void SetFocus(ui::ControlId control) override;

  const std::string& Caption() const { return layout_.caption; }
  ui::ControlId Focus() const { return focus_; }
  const std::vector<std::string>& Items(ui::ControlId combo) const;
  int ListIndex(ui::ControlId combo) const;

  // What the user does. A disabled button cannot be pressed.
  void Click(ui::ControlId button);
  // Types UTF-8 text key by key through the page's key filters; a read-only
  // field keeps its text. "\b" is Backspace and "\r" Enter.
  void Type(ui::ControlId control, const std::string& keys);
  // Types one character code; gives the code the filter left.
  ui::KeyAscii TypeCode(ui::ControlId control, ui::KeyAscii code);
  // Text put into the field without being typed (a paste, a drop): the
  // page filters it, and the field takes what the page leaves. SetText puts
  // text there unfiltered.
  void Paste(ui::ControlId control, const std::string& text);
  void CloseFromTitleBar();

 private:
  FakePlatform& platform_;
  const ui::PageLayout& layout_;
  ui::WindowEvents& events_;
  std::map<ui::ControlId, std::string> texts_;
  std::map<ui::ControlId, std::vector<std::string>> items_;
  std::map<ui::ControlId, int> listIndex_;
  ui::ControlId focus_;
};

class FakePlatform : public ui::Platform, public AnswerQueue {
 public:
  std::unique_ptr<ui::Window> OpenWindow(const ui::PageLayout& layout, ui::WindowEvents& events) override;
  ui::Answer MsgBox(const std::string& prompt, unsigned flags) override;
  void Beep() override { ++beeps; }
  void InitCommonControls() override { ++commonControlsInitialisations; }
  std::string ExecutableDirectory() override { return executableDirectory; }
  void Quit() override { ++quits; }

  // The open windows, oldest first.
  const std::vector<FakeWindow*>& OpenWindows() const { return open_; }
  // The one open window; fails the test when there is not exactly one.
  FakeWindow& OnlyWindow() const;

  std::string executableDirectory;
  int beeps = 0;
  int commonControlsInitialisations = 0;
  int quits = 0;
  int windowsOpened = 0;
  std::vector<ClosedWindow> closedWindows;

 private:
  friend class FakeWindow;
  std::vector<FakeWindow*> open_;
};

}  // namespace testing_support
