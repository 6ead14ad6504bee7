#include "generation/redistributable_files.h"

#include <algorithm>

#include "generation/messages.h"
#include "kit/file_tests.h"
#include "kit/kit_layout.h"
#include "kit/ntfs_name_order.h"

namespace generation {

std::vector<std::string> LanguageEntries(const std::string& installRoot) {
  std::vector<std::string> fileNames =
      kit::ListFilesWithExtension(kit::LanguageDirectoryPath(installRoot), std::string(kit::kLanguageExtension));
  // Whole file names are ordered, as NTFS orders them: "A-B.lng" comes
  // before "A.lng", although the entry "A" is a prefix of "A-B".
  std::sort(fileNames.begin(), fileNames.end(), kit::NtfsNameLess);
  std::vector<std::string> entries;
  for (const auto& fileName : fileNames) entries.push_back(kit::LanguageEntryFromFileName(fileName));
  return entries;
}

std::optional<std::string> MissingProgramFile(const std::string& installRoot) {
  if (!kit::FileExists(kit::UpdaterExecutablePath(installRoot))) return messages::kUpdaterMissing;
  if (!kit::FileExists(kit::UpdaterManifestPath(installRoot))) return messages::kManifestMissing;
  return std::nullopt;
}

}  // namespace generation
