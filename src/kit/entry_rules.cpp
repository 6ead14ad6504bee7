#include "kit/entry_rules.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "kit/ansi_encoding.h"
#include "kit/kit_layout.h"
#include "text/utf8.h"

namespace kit {
namespace {

// Takes the next character off the front of the text; a byte that is not
// UTF-8 comes off alone, as itself, and the code page test refuses it.
char32_t PopCharacter(std::string_view& text) {
  std::size_t length = 0;
  const std::optional<char32_t> character = text::DecodeUtf8(text, length);
  if (!character) length = 1;
  const char32_t popped = character ? *character : static_cast<unsigned char>(text.front());
  text.remove_prefix(length);
  return popped;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

// Windows takes a device name for the device itself, also with an extension.
bool IsReservedDeviceName(std::string_view name) {
  const std::string stem = Upper(name.substr(0, name.find('.')));
  static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
         stem[3] <= '9';
}

// The longest file name of a kit is the name followed by the manifest suffix.
constexpr std::size_t kLongestSuffix = std::string_view(" - Update.exe.manifest").size();

bool IsTooLong(std::string_view name, std::string_view destination, FolderNameRules rules) {
  constexpr std::size_t kPosixNameMax = 255, kPosixPathMax = 4095;
  constexpr std::size_t kWindowsPathMax = 259;
  const std::size_t longestPath = destination.size() + 2 * name.size() + 1 + kLongestSuffix;
  if (rules == FolderNameRules::Posix) return name.size() + kLongestSuffix > kPosixNameMax || longestPath > kPosixPathMax;
  // Windows counts UTF-16 units, not bytes: one a character, two for a
  // character beyond U+FFFF (possible where the code page is UTF-8).
  const auto units = [](std::string_view text) {
    std::size_t count = 0;
    while (!text.empty()) count += PopCharacter(text) > 0xFFFF ? 2 : 1;
    return count;
  };
  const std::size_t nameChars = units(name), destinationChars = units(destination);
  return nameChars + kLongestSuffix > 255 || destinationChars + 2 * nameChars + 1 + kLongestSuffix > kWindowsPathMax;
}

}  // namespace

bool IsRefusedNameCharacter(char32_t c) {
  return c < 0x80 && kRefusedNameCharacters.find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsVersionCharacter(char32_t c) { return (c >= U'0' && c <= U'9') || c == U'.'; }

bool IsVersionText(std::string_view version) {
  return std::all_of(version.begin(), version.end(), [](char c) { return IsVersionCharacter(static_cast<unsigned char>(c)); });
}

bool HasControlCharacter(std::string_view utf8) {
  while (!utf8.empty()) {
    if (IsControl(PopCharacter(utf8))) return true;
  }
  return false;
}

std::optional<std::string> FirstUnwritableCharacter(std::string_view utf8) {
  while (!utf8.empty()) {
    const std::string_view before = utf8;
    PopCharacter(utf8);
    const std::string_view character = before.substr(0, before.size() - utf8.size());
    if (!IsAnsiRepresentable(character)) return std::string(character);
  }
  return std::nullopt;
}

std::optional<NameProblem> CheckProgramName(std::string_view name, std::string_view destination,
                                             FolderNameRules rules) {
  // The refused characters are ASCII, which never occurs inside a UTF-8
  // sequence, so a byte search finds them.
  if (name.find_first_of(kRefusedNameCharacters) != std::string_view::npos) return NameProblem::RefusedCharacter;
  if (name == "." || name == "..") return NameProblem::DotName;
  // A hidden kit file would count as absent: an existing kit would be
  // replaced without the question.
  if (rules == FolderNameRules::Posix && name.starts_with('.')) return NameProblem::LeadingPoint;
  if (HasControlCharacter(name)) return NameProblem::ControlCharacter;
  if (IsTooLong(name, destination, rules)) return NameProblem::TooLong;
  if (rules == FolderNameRules::Windows) {
    if (IsReservedDeviceName(name)) return NameProblem::ReservedDeviceName;
    if (name.ends_with('.')) return NameProblem::EndsWithPoint;
  }
  return std::nullopt;
}

bool IsPlainLanguageEntry(std::string_view entry) {
  if (entry == "." || entry == "..") return false;
  if (entry.find('/') != std::string_view::npos) return false;
  return entry.find(kSeparator) == std::string_view::npos;
}

}  // namespace kit
