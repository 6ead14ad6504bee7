// The parameter page's set-up at each show, on real temporary install trees.
#include <gtest/gtest.h>

#include <filesystem>

#include "pages/step1_wizard.h"
#include "system_facts.h"
#include "wizard_fixture.h"

namespace {

using testing_support::InstallTree;
using testing_support::kErrorFlags;
using testing_support::kLanguages;
using testing_support::Native;
using ui::ControlId;

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

TEST_F(SetUpTest, ShowsTheDefaultDestinationAndTheFirstLanguage) {
  OpenParameterPage();
  EXPECT_EQ(Page().GetInstallRoot(), tree.Root());
  EXPECT_EQ(Window().Text(ControlId::Text4), tree.Root() + Native("/Output/"));
  EXPECT_EQ(Window().Items(ControlId::Combo1), std::vector<std::string>{"Français"});
  EXPECT_EQ(Window().ListIndex(ControlId::Combo1), 0);
  EXPECT_EQ(Window().Text(ControlId::Combo1), "Français");
  EXPECT_EQ(Window().Focus(), ControlId::Text1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(tree.Exists("Output"));
}

TEST_F(SetUpTest, OneTrailingSeparatorIsRemovedFromTheProgramDirectory) {
  platform.executableDirectory = tree.Root() + Native("/");
  OpenParameterPage();
  EXPECT_EQ(Page().GetInstallRoot(), tree.Root());
  EXPECT_EQ(Window().Text(ControlId::Text4), tree.Root() + Native("/Output/"));
}

// The root directory is reported with its separator: "/" on Linux, a drive
// root such as "C:\" on Windows.
using testing_support::kRootDirectory;
using testing_support::kRootInstallRoot;

TEST_F(SetUpTest, TheRootDirectoryLosesItsSeparator) {
  platform.executableDirectory = kRootDirectory;
  OpenParameterPage();
  EXPECT_EQ(Page().GetInstallRoot(), kRootInstallRoot);
  // The destination was written before the language search failed.
  ASSERT_FALSE(platform.closedWindows.empty());
  const auto& parameters = platform.closedWindows.front();
  if (!std::filesystem::exists(std::string(kRootDirectory) + "Redistributable")) {
    EXPECT_EQ(parameters.texts.at(ControlId::Text4), kRootInstallRoot + Native("/Output/"));
  }
}

TEST_F(SetUpTest, ListsLanguagesInTheOrderOfWindowsOnNtfsWhateverTheDirectoryGives) {
  tree.Write(Language("deutsch.lng"), "de");
  tree.Write(Language("Anglais.lng"), "en");
  OpenParameterPage();
  EXPECT_EQ(Window().Items(ControlId::Combo1), (std::vector<std::string>{"Anglais", "deutsch", "Français"}));
  EXPECT_EQ(Window().Text(ControlId::Combo1), "Anglais");
}

TEST_F(SetUpTest, ListsOnlyVisibleOrdinaryFilesWithTheExtension) {
  std::filesystem::create_directories(tree.Path(Language("Dossier.lng")));
  tree.WriteHidden(kLanguages, "Caché.lng", "hidden");
  tree.Write(Language("Notes.txt"), "not a language");
  tree.Write(Language("Notes.lngx"), "another extension");
  OpenParameterPage();
  EXPECT_EQ(Window().Items(ControlId::Combo1), std::vector<std::string>{"Français"});
}

// Names compare as the file system compares them: with regard to case on
// Linux, without on Windows, where a name found is always found again.
TEST_F(SetUpTest, AnUpperCaseExtensionIsListedOnWindowsOnly) {
  tree.Remove(Language("Français.lng"));
  tree.Write(Language("ALLEMAND.LNG"), "de");
  OpenParameterPage();
  if (!testing_support::kNamesCompareWithoutCase) return ExpectEndedWith(kNoLanguage);
  EXPECT_EQ(Window().Items(ControlId::Combo1), std::vector<std::string>{"ALLEMAND"});
  EXPECT_TRUE(platform.messages.empty());
}

// On Linux a name beginning with a point is hidden; on Windows the file
// whose whole name is the extension gives an empty entry.
TEST_F(SetUpTest, AFileNamedOnlyByTheExtension) {
  tree.Remove(Language("Français.lng"));
  tree.Write(Language(".lng"), "x");
  OpenParameterPage();
  if (testing_support::kLeadingPointHides) return ExpectEndedWith(kNoLanguage);
  EXPECT_EQ(Window().Items(ControlId::Combo1), std::vector<std::string>{""});
}

TEST_F(SetUpTest, BackThenNextListsEachLanguageOnce) {
  tree.Write(Language("Anglais.lng"), "en");
  OpenParameterPage();
  Window().Click(ControlId::Command3);
  Window().Click(ControlId::Command2);
  EXPECT_EQ(Window().Items(ControlId::Combo1).size(), 2u);
  EXPECT_EQ(Window().ListIndex(ControlId::Combo1), 0);
}

TEST_F(SetUpTest, NoLanguageFileEndsTheApplication) {
  tree.Remove(Language("Français.lng"));
  std::filesystem::create_directories(tree.Path(Language("Dossier.lng")));
  tree.WriteHidden(kLanguages, "Cache.lng", "hidden");
  OpenParameterPage();
  ExpectEndedWith(kNoLanguage);
}

TEST_F(SetUpTest, NoLanguageDirectoryAndNoUpdaterReportOnlyTheLanguages) {
  tree.Remove(kLanguages);
  tree.Remove(testing_support::kUpdater);
  OpenParameterPage();
  ExpectEndedWith(kNoLanguage);
}

TEST_F(SetUpTest, AMissingUpdaterIsReportedAfterTheListIsFilled) {
  tree.Remove(testing_support::kUpdater);
  tree.Remove(testing_support::kManifest);
  OpenParameterPage();
  ExpectEndedWith(kNoUpdater);
  EXPECT_EQ(platform.closedWindows.front().languageItems, std::vector<std::string>{"Français"});
}

TEST_F(SetUpTest, AnUpdaterThatIsNotAnOrdinaryFileCountsAsMissing) {
  tree.Remove(testing_support::kUpdater);
  std::filesystem::create_directories(tree.Path(testing_support::kUpdater));
  OpenParameterPage();
  ExpectEndedWith(kNoUpdater);
}

TEST_F(SetUpTest, AMissingManifestEndsTheApplication) {
  tree.Remove(testing_support::kManifest);
  OpenParameterPage();
  ExpectEndedWith(kNoManifest);
}

}  // namespace
