// The parameter page's set-up on a real temporary install tree: what the
// set-up cases share, those that hold on every system and those that hold
// on one.
#pragma once

#include <string>

#include "pages/step1_wizard.h"
#include "wizard_fixture.h"

namespace setup_test {

using testing_support::kErrorFlags;
using testing_support::kLanguages;

const std::string kNoLanguage =
    "Erreur :\r\n\r\nAucun fichier de langue n'a été trouvé.\r\n\r\n\r\n"
    "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème.";
const std::string kNoUpdater =
    "Erreur :\r\n\r\nL'exécutable redistribuable de Zantrel Velquist est introuvable.\r\n\r\n\r\n"
    "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème.";
const std::string kNoManifest =
    "Erreur :\r\n\r\nLe fichier manifest redistribuable de Zantrel Velquist est introuvable.\r\n\r\n\r\n"
    "Veuillez désinstaller, puis réinstaller Zantrel Velquist pour résoudre le problème.";

class SetUpTest : public testing_support::WizardTest {
 protected:
  const pages::Step1Wizard& Page() const {
    return *static_cast<const pages::Step1Wizard*>(wizard.PageObject(pages::PageId::Step1Wizard));
  }
  std::string Language(const std::string& name) const { return std::string(kLanguages) + "/" + name; }
  // The one message shown, which must be an error that ended the application.
  void ExpectEndedWith(const std::string& message) {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].prompt, message);
    EXPECT_EQ(platform.messages[0].flags, kErrorFlags);
    EXPECT_TRUE(Ended());
  }
};

}  // namespace setup_test
