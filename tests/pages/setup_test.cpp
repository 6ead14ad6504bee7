// The parameter page's set-up at each show, on real temporary install trees.
#include <gtest/gtest.h>

#include <filesystem>

#include "pages/step1_wizard.h"
#include "setup_test_fixture.h"
#include "system_facts.h"

namespace {

using setup_test::kNoLanguage;
using setup_test::kNoManifest;
using setup_test::kNoUpdater;
using setup_test::SetUpTest;
using testing_support::InstallTree;
using testing_support::kLanguages;
using testing_support::Native;
using ui::ControlId;

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
