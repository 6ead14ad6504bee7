// The files of the install tree that every kit is made from: the language
// files, the updater and its manifest.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kit/system.h"

namespace generation {

// The language entries, one per language file, in the order Windows lists
// their files on NTFS (ntfs_name_order.h), whatever the system and the file
// system: the list the wizard offers, whose first entry it selects.
kit::Result<std::vector<std::string>> LanguageEntries(const std::string& installRoot,
                                                      kit::System& system = kit::RealSystem());

// Why the updater or its manifest cannot be copied (the updater is tested
// first); nothing when both are there.
kit::Result<std::optional<std::string>> MissingProgramFile(const std::string& installRoot,
                                                           kit::System& system = kit::RealSystem());

}  // namespace generation
