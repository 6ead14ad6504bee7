// Paths of the install tree and of the kit. The cases run with the
// separator and the roots of the system they run on: "/" and "/opt/zvc" on
// Linux; "\", "C:\" and the worked example C:\Outils\Assistant on Windows.
#include "kit/kit_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "system_facts.h"

namespace {

using kit::KitFile;

using testing_support::kRootDirectory;
using testing_support::kRootInstallRoot;
const std::string kInstall = testing_support::kExampleInstallRoot;

// A path written with "/", in the system's separator.
std::string Native(std::string path) {
  std::replace(path.begin(), path.end(), '/', kit::kSeparator.front());
  return path;
}

TEST(InstallRoot, OneTrailingSeparatorIsRemoved) {
  EXPECT_EQ(kit::InstallRootFrom(kInstall + Native("/")), kInstall);
  EXPECT_EQ(kit::InstallRootFrom(kInstall), kInstall);
  EXPECT_EQ(kit::InstallRootFrom(kInstall + Native("//")), kInstall + Native("/"));
}

TEST(InstallRoot, RootDirectoryLosesItsSeparator) { EXPECT_EQ(kit::InstallRootFrom(kRootDirectory), kRootInstallRoot); }

TEST(InstallTreePaths, UnderAnInstallDirectory) {
  EXPECT_EQ(kit::UpdaterExecutablePath(kInstall), kInstall + Native("/Redistributable/Program/Zantrel Velquist.exe"));
  EXPECT_EQ(kit::UpdaterManifestPath(kInstall),
            kInstall + Native("/Redistributable/Program/Zantrel Velquist.exe.manifest"));
  EXPECT_EQ(kit::LanguageDirectoryPath(kInstall), kInstall + Native("/Redistributable/Language Files/"));
  EXPECT_EQ(kit::LanguageFilePath(kInstall, "Français"),
            kInstall + Native("/Redistributable/Language Files/Français.lng"));
  EXPECT_EQ(kit::DefaultDestination(kInstall), kInstall + Native("/Output/"));
}

TEST(InstallTreePaths, AtTheRootNoSeparatorIsDoubled) {
  const std::string root = kit::InstallRootFrom(kRootDirectory);
  EXPECT_EQ(kit::UpdaterExecutablePath(root), root + Native("/Redistributable/Program/Zantrel Velquist.exe"));
  EXPECT_EQ(kit::UpdaterManifestPath(root), root + Native("/Redistributable/Program/Zantrel Velquist.exe.manifest"));
  EXPECT_EQ(kit::LanguageDirectoryPath(root), root + Native("/Redistributable/Language Files/"));
  EXPECT_EQ(kit::LanguageFilePath(root, "Anglais"), root + Native("/Redistributable/Language Files/Anglais.lng"));
  EXPECT_EQ(kit::DefaultDestination(root), root + Native("/Output/"));
  EXPECT_EQ(kit::KitDirectoryPath(kit::DefaultDestination(root), "Mon Programme"),
            root + Native("/Output/Mon Programme/"));
  EXPECT_EQ(kit::KitFilePath(kit::DefaultDestination(root), "Mon Programme", KitFile::Updater),
            root + Native("/Output/Mon Programme/Mon Programme - Update.exe"));
}

TEST(InstallTreePaths, LanguageEntryIsUsedUnchanged) {
  EXPECT_EQ(kit::LanguageFilePath(Native("/r"), " fr "), Native("/r/Redistributable/Language Files/ fr .lng"));
  EXPECT_EQ(kit::LanguageFilePath(Native("/r"), ""), Native("/r/Redistributable/Language Files/.lng"));
}

TEST(KitPaths, WorkedExampleMonProgramme) {
  const std::string destination = kit::DefaultDestination(kInstall);
  const std::string kitDirectory = kInstall + Native("/Output/Mon Programme/");
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
  EXPECT_EQ(kit::KitDirectoryPath(Native("/d/"), "N"), Native("/d/N/"));
  EXPECT_EQ(kit::KitDirectoryPath(Native("/d"), "N"), Native("/dN/"));
}

TEST(LanguageEntry, LastFourCharactersAreRemoved) {
  EXPECT_EQ(kit::LanguageEntryFromFileName("Français.lng"), "Français");
  EXPECT_EQ(kit::LanguageEntryFromFileName("Anglais.lng"), "Anglais");
  EXPECT_EQ(kit::LanguageEntryFromFileName(".lng"), "");
}

TEST(LanguageEntry, EntryTurnsBackIntoTheListedFile) {
  const std::string root = kInstall;
  for (const std::string name : {"Français.lng", "Anglais.lng", "a b.lng"})
    EXPECT_EQ(kit::LanguageFilePath(root, kit::LanguageEntryFromFileName(name)),
              kit::LanguageDirectoryPath(root) + name);
}

}  // namespace
