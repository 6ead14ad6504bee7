// Text for a terminal that repeats what a user or a script gave: an
// argument, a character of a field. Such text may hold escape sequences
// that would colour, move or retitle the terminal, or bytes that are not
// UTF-8 and garble it.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// The text with its line ends kept and every other control character (C0,
// DEL, C1) and every byte that is not part of valid UTF-8 written as an
// escape: "\x1b", "\xff", "\u009b".
std::string TerminalSafe(std::string_view text);

}  // namespace cli
