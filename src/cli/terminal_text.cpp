#include "cli/terminal_text.h"

namespace cli {
namespace {

constexpr char kHex[] = "0123456789abcdef";

std::string ByteEscape(unsigned char byte) { return {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]}; }

// The length of the valid UTF-8 sequence at the start of the text, or 0.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(0);
  std::size_t length;
  char32_t smallest;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead < 0xE0) length = 2, smallest = 0x80;
  else if (lead >= 0xE0 && lead < 0xF0) length = 3, smallest = 0x800;
  else if (lead >= 0xF0 && lead < 0xF5) length = 4, smallest = 0x10000;
  else return 0;
  if (text.size() < length) return 0;
  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string TerminalSafe(std::string_view text) {
  std::string safe;
  safe.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = SequenceLength(text);
    const auto lead = static_cast<unsigned char>(text[0]);
    if (length == 0) {
      safe += ByteEscape(lead);
      text.remove_prefix(1);
      continue;
    }
    if (length == 1 && lead != '\n' && (lead < 0x20 || lead == 0x7F)) {
      safe += ByteEscape(lead);
    } else if (length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) {
      // U+0080 to U+009F, the C1 controls (CSI, U+009B, among them): the
      // second byte is the code point itself.
      const auto code = static_cast<unsigned char>(text[1]);
      safe += {'\\', 'u', '0', '0', kHex[code >> 4], kHex[code & 0xF]};
    } else {
      safe.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return safe;
}

}  // namespace cli
