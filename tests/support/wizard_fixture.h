// A wizard on the fake back end, running from a throw-away install tree.
#pragma once

#include <gtest/gtest.h>

#include "app/wizard.h"
#include "fake_platform.h"
#include "install_tree.h"

namespace testing_support {

inline constexpr const char* kWelcomeCaption = "Zantrel Velquist Creator - Bienvenue...";
inline constexpr const char* kParametersCaption = "Zantrel Velquist Creator - Saisie des paramètres...";
inline constexpr const char* kFinishedCaption = "Zantrel Velquist Creator - Opération terminée...";

inline constexpr unsigned kEntryFlags = 0x10040;
inline constexpr unsigned kErrorFlags = 0x10010;
inline constexpr unsigned kQuestionFlags = 0x10134;

class WizardTest : public ::testing::Test {
 protected:
  explicit WizardTest(InstallTree::Contents contents = InstallTree::Contents::Complete) : tree(contents) {
    platform.executableDirectory = tree.Root();
  }

  FakeWindow& Window() { return platform.OnlyWindow(); }

  // Starts the wizard and presses Next on the welcome page.
  void OpenParameterPage() {
    wizard.Start();
    Window().Click(ui::ControlId::Command2);
  }

  // Fills the name, version and address fields directly, unfiltered, as a
  // route that no filter sees would.
  void Fill(const std::string& name, const std::string& version, const std::string& address) {
    Window().SetText(ui::ControlId::Text1, name);
    Window().SetText(ui::ControlId::Text2, version);
    Window().SetText(ui::ControlId::Text3, address);
  }

  bool Ended() const { return platform.OpenWindows().empty() && platform.quits == 1; }

  InstallTree tree;
  FakePlatform platform;
  app::Wizard wizard{platform};
};

}  // namespace testing_support
