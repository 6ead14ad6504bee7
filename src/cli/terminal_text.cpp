#include "cli/terminal_text.h"

#include <optional>

#include "text/utf8.h"

namespace cli {
namespace {

constexpr char kHex[] = "0123456789abcdef";

// "\x" or "\u00" and two hexadecimal digits.
std::string Escape(const char* prefix, unsigned value) { return prefix + std::string{kHex[value >> 4], kHex[value & 0xF]}; }

}  // namespace

std::string TerminalSafe(std::string_view text) {
  std::string safe;
  safe.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = at;
    const std::optional<char32_t> code = text::DecodeUtf8(text, at);
    if (!code) {
      safe += Escape("\\x", static_cast<unsigned char>(text[at++]));
    } else if (*code != '\n' && (*code < 0x20 || *code == 0x7F)) {
      safe += Escape("\\x", *code);
    } else if (*code >= 0x80 && *code < 0xA0) {
      // The C1 controls, CSI (U+009B) among them.
      safe += Escape("\\u00", *code);
    } else {
      safe.append(text.substr(start, at - start));
    }
  }
  return safe;
}

}  // namespace cli
