// Paths of the install tree and of the update kit.
//
// Every path is a plain string formed by concatenation at the moment of use,
// from the install root R, the program name N, the language entry L and the
// destination D. Nothing is normalised or resolved. Each fixed fragment
// begins with the separator and R never ends with one, so exactly one
// separator stands between them.
#pragma once

#include <string>
#include <string_view>

#include "kit/system.h"  // kSeparator

namespace kit {


// The five kit files, numbered in the order in which they are written.
enum class KitFile { Updater = 1, Manifest = 2, Language = 3, Config = 4, Version = 5 };

inline constexpr std::string_view kLanguageExtension = ".lng";

// The install root from the directory of the running executable: one
// trailing separator removed (the root directory gives the empty string).
std::string InstallRootFrom(std::string executableDirectory);

std::string UpdaterExecutablePath(const std::string& installRoot);
std::string UpdaterManifestPath(const std::string& installRoot);
// The directory that holds the language files, ending with a separator.
std::string LanguageDirectoryPath(const std::string& installRoot);
std::string LanguageFilePath(const std::string& installRoot, const std::string& languageEntry);
// R followed by the Output fragment; always ends with a separator.
std::string DefaultDestination(const std::string& installRoot);

// D + N + separator: D already ends with a separator, so none is inserted.
std::string KitDirectoryPath(const std::string& destination, const std::string& programName);
// Kit directory + N + the file's suffix.
std::string KitFilePath(const std::string& destination, const std::string& programName, KitFile file);
// " - Update.exe", " - Update.exe.manifest", " - Update.lng", " - Update.cfg", " - Update.ver".
std::string_view KitFileSuffix(KitFile file);

// A language file's name less its last four characters (".lng").
std::string LanguageEntryFromFileName(const std::string& fileName);

}  // namespace kit
