// The order in which Windows lists the names of a folder on NTFS: names
// compared by their UTF-16 code units, each put in upper case first. The
// program lists its languages in this order on every system and file
// system, so that the language selected first, and the command line's
// default, never depend on the disk a tree was copied to.
#pragma once

#include <string_view>

namespace kit {

// True when the UTF-8 name a comes before b. Names equal in upper case keep
// a fixed order by their bytes; a byte that is not UTF-8 counts as one code
// unit of its own (0xDC00 + the byte, as an unpaired surrogate).
bool NtfsNameLess(std::string_view a, std::string_view b);

// The upper-case form of one UTF-16 code unit, as the upper-case table that
// Windows writes on an NTFS volume gives it for the alphabets with simple
// case pairs (Latin, Greek, Cyrillic, Armenian, full-width Latin). Other
// units are their own upper case; no letter outside ASCII becomes an ASCII
// one (the dotless i stays as it is).
char16_t NtfsUpperCase(char16_t unit);

}  // namespace kit
