// What a case written once for every back end asks of the back end: the
// user's keys, delivered by the back end's own input route, and what the user
// (and the test) can see. Each back end's test program defines
// MakeWizardDriver() once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "answer_queue.h"
#include "install_tree.h"
#include "ui/control_id.h"

namespace testing_support {

class WizardDriver {
 public:
  virtual ~WizardDriver() = default;

  // Starts the wizard and presses Next on the welcome page.
  virtual void OpenParameterPage() = 0;
  // Types UTF-8 text, character by character, into the focused control.
  virtual void Type(const std::string& text) = 0;
  // Enter and Backspace on the focused control.
  virtual void PressEnter() = 0;
  virtual void PressBackspace() = 0;

  // The focused control's name ("Text1", "Command2"...).
  virtual std::string FocusName() = 0;
  virtual std::string Text(ui::ControlId field) = 0;
  // The entries of the language list.
  virtual int LanguageCount() = 0;
  // The open page's caption; empty when no page is open.
  virtual std::string Caption() = 0;

  // The message boxes shown, the beeps and the ends of the application.
  virtual const std::vector<ShownMessage>& Messages() = 0;
  virtual int Beeps() = 0;
  virtual int Quits() = 0;
  virtual InstallTree& Tree() = 0;
};

std::unique_ptr<WizardDriver> MakeWizardDriver();

// A back end's own test fixture made into a driver: it is built as an
// object, never run as a test. Every back end's test platform records the
// boxes, the beeps and the ends of the application under the same names.
template <typename Fixture>
class FixtureDriver : public Fixture, public WizardDriver {
 public:
  void TestBody() override {}

  const std::vector<ShownMessage>& Messages() override { return this->platform.messages; }
  int Beeps() override { return this->platform.beeps; }
  int Quits() override { return this->platform.quits; }
  InstallTree& Tree() override { return this->tree; }
};

}  // namespace testing_support
