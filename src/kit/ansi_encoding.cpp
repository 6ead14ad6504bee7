// What both editions share: the representability test and the code page's name.
#include "kit/ansi_encoding.h"

namespace kit {

bool IsAnsiRepresentable(std::string_view utf8) { return ToAnsi(utf8).has_value(); }

std::optional<AnsiText> EncodeToAnsi(std::string_view utf8) {
  std::optional<std::string> bytes = ToAnsi(utf8);
  if (!bytes) return std::nullopt;
  return AnsiText(std::move(*bytes));
}

std::string AnsiCodePageName(unsigned codePage) {
  constexpr unsigned kUtf8CodePage = 65001;
  return codePage == kUtf8CodePage ? "UTF-8" : "Windows-" + std::to_string(codePage);
}

}  // namespace kit
