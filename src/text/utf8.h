// The UTF-8 decoder that every text conversion of the program starts from.
// Text lives as UTF-8 everywhere in the program.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace text {

// Decodes the UTF-8 character that starts at `position` and moves past it.
// Gives nothing, and leaves `position` alone, on bytes that are not UTF-8
// (stray or missing continuation bytes, overlong forms, surrogates,
// anything above U+10FFFF).
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& position);

}  // namespace text
