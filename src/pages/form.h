// A page object: it lives from its first use to the end of the process,
// while its window and controls are built afresh at every show and destroyed
// at every close, with everything typed into them.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/platform.h"

namespace pages {

enum class PageId { WelcomeWizard, Step1Wizard, WizardFinished };

// What the pages ask of the wizard that holds them.
class Navigator {
 public:
  virtual ~Navigator() = default;
  // Shows the page, creating its page object on first use.
  virtual void ShowPage(PageId page) = 0;
  // Told after a page has closed; the application ends when none is open.
  virtual void PageClosed() = 0;
};

class Form : public ui::WindowEvents {
 public:
  Form(ui::Platform& platform, Navigator& navigator, const ui::PageLayout& layout);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Runs once, when the page object is created.
  void Form_Initialize();

  // Builds the window from the layout and shows it; a page that needs to
  // set itself up does so as soon as it is shown.
  void Show();
  // Destroys the window and its controls; the page object stays.
  void Close();
  bool IsOpen() const { return window_ != nullptr; }

  // The open window's controls.
  ui::Window& Controls();

  void OnKeyPress(ui::ControlId control, ui::KeyAscii& keyAscii) override;
  // Runs each character of the inserted text through the control's key
  // filter, in order, and keeps those it lets pass. Line breaks are removed
  // first: the fields hold one line, and a line break in pasted text is not
  // the Enter key. However many characters the filter refuses, the user is
  // told once: one message, one beep.
  void OnInsertText(ui::ControlId control, std::u16string& text) override;
  // The title-bar close control closes the page without a question.
  void OnCloseRequested() override;

 protected:
  // Shows the page, then closes this one: exactly one page stays open.
  void GoTo(PageId page);
  virtual void Form_Activate() {}

  // What a key filter tells the user about a refused character. While an
  // insertion is filtered, each is given at most once for the whole text.
  void KeyFilterMessage(const std::string& prompt, unsigned flags);
  void KeyFilterBeep();

  ui::Platform& platform_;

 private:
  // What the key filters have told the user during the insertion being
  // filtered; empty outside an insertion.
  struct InsertionFeedback {
    bool messageShown = false;
    bool beeped = false;
  };
  std::optional<InsertionFeedback> insertion_;

  Navigator& navigator_;
  const ui::PageLayout& layout_;
  std::unique_ptr<ui::Window> window_;
};

}  // namespace pages
