#include "generation/redistributable_files.h"

#include "generation/messages.h"
#include "kit/file_tests.h"
#include "kit/kit_layout.h"

namespace generation {

std::vector<std::string> LanguageEntries(const std::string& installRoot) {
  std::vector<std::string> entries;
  for (const auto& fileName :
       kit::ListFilesWithExtension(kit::LanguageDirectoryPath(installRoot), std::string(kit::kLanguageExtension))) {
    entries.push_back(kit::LanguageEntryFromFileName(fileName));
  }
  return entries;
}

std::optional<std::string> MissingProgramFile(const std::string& installRoot) {
  if (!kit::FileExists(kit::UpdaterExecutablePath(installRoot))) return messages::kUpdaterMissing;
  if (!kit::FileExists(kit::UpdaterManifestPath(installRoot))) return messages::kManifestMissing;
  return std::nullopt;
}

}  // namespace generation
