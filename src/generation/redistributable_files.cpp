#include "generation/redistributable_files.h"

#include <algorithm>

#include "generation/messages.h"
#include "kit/kit_layout.h"
#include "kit/ntfs_name_order.h"

namespace generation {

kit::Result<std::vector<std::string>> LanguageEntries(const std::string& installRoot, kit::System& system) {
  kit::Result<std::vector<std::string>> fileNames =
      system.ListFilesWithExtension(kit::LanguageDirectoryPath(installRoot), std::string(kit::kLanguageExtension));
  if (!fileNames) return fileNames;
  // Whole file names are ordered, as NTFS orders them: "A-B.lng" comes
  // before "A.lng", although the entry "A" is a prefix of "A-B".
  std::sort((*fileNames).begin(), (*fileNames).end(), kit::NtfsNameLess);
  std::vector<std::string> entries;
  for (const auto& fileName : *fileNames) entries.push_back(kit::LanguageEntryFromFileName(fileName));
  return entries;
}

kit::Result<std::optional<std::string>> MissingProgramFile(const std::string& installRoot, kit::System& system) {
  const struct {
    std::string path;
    const char* reason;
  } files[] = {{kit::UpdaterExecutablePath(installRoot), messages::kUpdaterMissing},
               {kit::UpdaterManifestPath(installRoot), messages::kManifestMissing}};
  for (const auto& file : files) {
    const kit::Result<bool> there = system.FileExists(file.path);
    if (!there) return there.error();
    if (!*there) return std::optional<std::string>(file.reason);
  }
  return std::optional<std::string>();
}

}  // namespace generation
