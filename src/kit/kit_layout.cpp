// Paths of the install tree and of the update kit, by plain concatenation.
#include "kit/kit_layout.h"

#include <initializer_list>

namespace kit {
namespace {

// Joins the pieces of a fixed fragment, each preceded by the separator.
std::string Fragment(std::initializer_list<std::string_view> pieces) {
  std::string fragment;
  for (std::string_view piece : pieces) {
    fragment += kSeparator;
    fragment += piece;
  }
  return fragment;
}

}  // namespace

std::string InstallRootFrom(std::string executableDirectory) {
  if (executableDirectory.ends_with(kSeparator))
    executableDirectory.resize(executableDirectory.size() - kSeparator.size());
  return executableDirectory;
}

std::string UpdaterExecutablePath(const std::string& installRoot) {
  return installRoot + Fragment({"Redistributable", "Program", "Zantrel Velquist.exe"});
}

std::string UpdaterManifestPath(const std::string& installRoot) {
  return installRoot + Fragment({"Redistributable", "Program", "Zantrel Velquist.exe.manifest"});
}

std::string LanguageDirectoryPath(const std::string& installRoot) {
  return installRoot + Fragment({"Redistributable", "Language Files", ""});
}

std::string LanguageFilePath(const std::string& installRoot, const std::string& languageEntry) {
  return LanguageDirectoryPath(installRoot) + languageEntry + std::string(kLanguageExtension);
}

std::string DefaultDestination(const std::string& installRoot) { return installRoot + Fragment({"Output", ""}); }

std::string KitDirectoryPath(const std::string& destination, const std::string& programName) {
  return destination + programName + std::string(kSeparator);
}

std::string KitFilePath(const std::string& destination, const std::string& programName, KitFile file) {
  return KitDirectoryPath(destination, programName) + programName + std::string(KitFileSuffix(file));
}

std::string_view KitFileSuffix(KitFile file) {
  switch (file) {
    case KitFile::Updater:
      return " - Update.exe";
    case KitFile::Manifest:
      return " - Update.exe.manifest";
    case KitFile::Language:
      return " - Update.lng";
    case KitFile::Config:
      return " - Update.cfg";
    case KitFile::Version:
      return " - Update.ver";
  }
  return {};
}

std::string LanguageEntryFromFileName(const std::string& fileName) {
  return fileName.substr(
      0, fileName.size() >= kLanguageExtension.size() ? fileName.size() - kLanguageExtension.size() : 0);
}

}  // namespace kit
