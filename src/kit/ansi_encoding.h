// The 8-bit ANSI code page of the generated kit files: Windows-1252, the
// code page of the Windows systems the updater runs on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kit {

// Encodes UTF-8 text as Windows-1252, one byte a character. Gives nothing
// when the text is not valid UTF-8 or holds a character that the code page
// cannot hold: such a character is never replaced by a substitute.
std::optional<std::string> ToAnsi(std::string_view utf8);

// True when every character of the UTF-8 text has a byte in the code page.
bool IsAnsiRepresentable(std::string_view utf8);

// Decodes the UTF-8 character that starts at `position` and moves past it.
// Gives nothing, and leaves `position` alone, on bytes that are not UTF-8
// (stray or missing continuation bytes, overlong forms, surrogates,
// anything above U+10FFFF).
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& position);

}  // namespace kit
