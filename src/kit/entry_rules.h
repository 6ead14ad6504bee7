// What makes a program name, a version, an address or a language entry
// usable in a kit. The name becomes a folder name and part of five file
// names; the version and the address become lines of the configuration
// files; the language entry becomes a file name in the language directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kit/system.h"

namespace kit {

// The nine characters that Windows forbids in file names.
inline constexpr std::string_view kRefusedNameCharacters = "\\/:*?\"<>|";

bool IsRefusedNameCharacter(char32_t c);

// A version is made of digits and points only, in any order: "1000",
// "1.0.0.0", "." and "1..2" alike.
bool IsVersionCharacter(char32_t c);
bool IsVersionText(std::string_view version);

// Why a program name cannot name the kit's folder and files.
enum class NameProblem {
  RefusedCharacter,    // one of the nine above
  DotName,             // "." or ".."
  LeadingPoint,        // a hidden name: its kit would be hidden and never found again (Linux)
  ControlCharacter,    // a line break or another control character
  TooLong,             // longer than the file system takes for the longest kit file
  ReservedDeviceName,  // CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9 (Windows)
  EndsWithPoint,       // the system would drop the point (Windows)
};


// The first problem of a trimmed, non-empty program name, if any. The
// destination is that of the kit, for the path length limits of Windows.
std::optional<NameProblem> CheckProgramName(std::string_view name, std::string_view destination,
                                             FolderNameRules rules = kNativeFolderNameRules);

// True when the UTF-8 text holds a C0 or C1 control character or DEL.
bool HasControlCharacter(std::string_view utf8);

// The first character of the UTF-8 text that the kit's code page cannot
// hold, as UTF-8; nothing when every character can be written.
std::optional<std::string> FirstUnwritableCharacter(std::string_view utf8);

// A language entry names a file of the language directory only when it
// holds no path separator and is neither "." nor "..".
bool IsPlainLanguageEntry(std::string_view entry);

}  // namespace kit
