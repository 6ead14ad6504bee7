// UTF-8 to the system's ANSI code page, through the system's own tables.
//
// The conversion asks for no best-fit mapping and checks that no default
// character was put in; the result is then converted back and must give the
// same text, so that no character is ever written as a look-alike
// ("Ā" as "A") or as "?": the kit would then name a file that does not exist.
#include <windows.h>

#include <climits>

#include "kit/ansi_encoding.h"
#include "text/wide.h"

namespace kit {

unsigned AnsiCodePage() { return GetACP(); }

std::optional<std::string> ToAnsi(std::string_view utf8) {
  const std::optional<std::wstring> wide = text::Utf8ToWide(utf8);
  if (!wide || wide->size() > INT_MAX / 4) return std::nullopt;
  if (wide->empty()) return std::string();
  const UINT codePage = GetACP();
  // A system whose ANSI code page is UTF-8 takes the text as it is; the
  // best-fit flags are not allowed for it.
  if (codePage == CP_UTF8) return std::string(utf8);

  const int wideLength = static_cast<int>(wide->size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide->data(), wideLength, nullptr, 0,
                                         nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string ansi(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide->data(), wideLength, ansi.data(), length, nullptr,
                          &usedDefault) != length ||
      usedDefault)
    return std::nullopt;

  std::wstring back(wide->size(), L'\0');
  if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, ansi.data(), length, back.data(), wideLength) !=
          wideLength ||
      back != *wide)
    return std::nullopt;
  return ansi;
}

}  // namespace kit
