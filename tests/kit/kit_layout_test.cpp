// Paths of the install tree and of the kit.
#include "kit/kit_layout.h"

#include <gtest/gtest.h>

namespace {

using kit::KitFile;

TEST(InstallRoot, OneTrailingSeparatorIsRemoved) {
  EXPECT_EQ(kit::InstallRootFrom("/opt/zvc/"), "/opt/zvc");
  EXPECT_EQ(kit::InstallRootFrom("/opt/zvc"), "/opt/zvc");
  EXPECT_EQ(kit::InstallRootFrom("/opt/zvc//"), "/opt/zvc/");
}

TEST(InstallRoot, RootDirectoryGivesTheEmptyString) { EXPECT_EQ(kit::InstallRootFrom("/"), ""); }

TEST(InstallTreePaths, UnderAnInstallDirectory) {
  const std::string root = "/opt/zvc";
  EXPECT_EQ(kit::UpdaterExecutablePath(root), "/opt/zvc/Redistributable/Program/Zantrel Velquist.exe");
  EXPECT_EQ(kit::UpdaterManifestPath(root), "/opt/zvc/Redistributable/Program/Zantrel Velquist.exe.manifest");
  EXPECT_EQ(kit::LanguageDirectoryPath(root), "/opt/zvc/Redistributable/Language Files/");
  EXPECT_EQ(kit::LanguageFilePath(root, "Français"), "/opt/zvc/Redistributable/Language Files/Français.lng");
  EXPECT_EQ(kit::DefaultDestination(root), "/opt/zvc/Output/");
}

TEST(InstallTreePaths, AtTheRootNoSeparatorIsDoubled) {
  const std::string root = kit::InstallRootFrom("/");
  EXPECT_EQ(kit::UpdaterExecutablePath(root), "/Redistributable/Program/Zantrel Velquist.exe");
  EXPECT_EQ(kit::UpdaterManifestPath(root), "/Redistributable/Program/Zantrel Velquist.exe.manifest");
  EXPECT_EQ(kit::LanguageDirectoryPath(root), "/Redistributable/Language Files/");
  EXPECT_EQ(kit::LanguageFilePath(root, "Anglais"), "/Redistributable/Language Files/Anglais.lng");
  EXPECT_EQ(kit::DefaultDestination(root), "/Output/");
  EXPECT_EQ(kit::KitDirectoryPath(kit::DefaultDestination(root), "Mon Programme"), "/Output/Mon Programme/");
  EXPECT_EQ(kit::KitFilePath(kit::DefaultDestination(root), "Mon Programme", KitFile::Updater),
            "/Output/Mon Programme/Mon Programme - Update.exe");
}

TEST(InstallTreePaths, LanguageEntryIsUsedUnchanged) {
  EXPECT_EQ(kit::LanguageFilePath("/r", " fr "), "/r/Redistributable/Language Files/ fr .lng");
  EXPECT_EQ(kit::LanguageFilePath("/r", ""), "/r/Redistributable/Language Files/.lng");
}

TEST(KitPaths, WorkedExampleMonProgramme) {
  const std::string destination = kit::DefaultDestination("/opt/zvc");
  const std::string kitDirectory = "/opt/zvc/Output/Mon Programme/";
  EXPECT_EQ(kit::KitDirectoryPath(destination, "Mon Programme"), kitDirectory);
  EXPECT_EQ(kit::KitFilePath(destination, "Mon Programme", KitFile::Updater),
            kitDirectory + "Mon Programme - Update.exe");
  EXPECT_EQ(kit::KitFilePath(destination, "Mon Programme", KitFile::Manifest),
            kitDirectory + "Mon Programme - Update.exe.manifest");
  EXPECT_EQ(kit::KitFilePath(destination, "Mon Programme", KitFile::Language),
            kitDirectory + "Mon Programme - Update.lng");
  EXPECT_EQ(kit::KitFilePath(destination, "Mon Programme", KitFile::Config),
            kitDirectory + "Mon Programme - Update.cfg");
  EXPECT_EQ(kit::KitFilePath(destination, "Mon Programme", KitFile::Version),
            kitDirectory + "Mon Programme - Update.ver");
}

TEST(KitPaths, NoSeparatorIsInsertedBetweenDestinationAndName) {
  EXPECT_EQ(kit::KitDirectoryPath("/d/", "N"), "/d/N/");
  EXPECT_EQ(kit::KitDirectoryPath("/d", "N"), "/dN/");
}

TEST(LanguageEntry, LastFourCharactersAreRemoved) {
  EXPECT_EQ(kit::LanguageEntryFromFileName("Français.lng"), "Français");
  EXPECT_EQ(kit::LanguageEntryFromFileName("Anglais.lng"), "Anglais");
  EXPECT_EQ(kit::LanguageEntryFromFileName(".lng"), "");
}

TEST(LanguageEntry, EntryTurnsBackIntoTheListedFile) {
  const std::string root = "/opt/zvc";
  for (const std::string name : {"Français.lng", "Anglais.lng", "a b.lng"})
    EXPECT_EQ(kit::LanguageFilePath(root, kit::LanguageEntryFromFileName(name)),
              kit::LanguageDirectoryPath(root) + name);
}

}  // namespace
