// The 8-bit ANSI code page of the generated kit files. On Windows it is the
// system's ANSI code page, which the updater reading the files also uses; on
// Linux it is Windows-1252, the code page of French and other Western
// European Windows systems.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kit {

// The number of the code page (1252 for Windows-1252).
unsigned AnsiCodePage();

// Its name as users know it: "Windows-1252", or "UTF-8" for 65001.
std::string AnsiCodePageName(unsigned codePage = AnsiCodePage());

// Encodes UTF-8 text in the code page. Gives nothing when the text is not
// valid UTF-8 or holds a character that the code page cannot hold: such a
// character is never replaced by a substitute or a look-alike.
std::optional<std::string> ToAnsi(std::string_view utf8);

// True when every character of the UTF-8 text has a byte in the code page.
bool IsAnsiRepresentable(std::string_view utf8);

// Text already encoded in the code page, as the kit writers take it. Only
// EncodeToAnsi makes one, so a writer can never be handed text that the code
// page cannot hold.
class AnsiText {
 public:
  const std::string& Bytes() const { return bytes_; }

 private:
  friend std::optional<AnsiText> EncodeToAnsi(std::string_view utf8);
  explicit AnsiText(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string bytes_;
};

// ToAnsi's bytes as an AnsiText; nothing where ToAnsi gives nothing.
std::optional<AnsiText> EncodeToAnsi(std::string_view utf8);

}  // namespace kit
