// The names under which the kit writers build their files.
//
// A kit file is written under a temporary name in its target's folder and
// renamed over the target once complete. The temporary name has one fixed
// shape on every system: ".zvc", six random lower-case letters or digits,
// ".tmp" (for example ".zvc4k0q2x.tmp"), 14 bytes in all:
// - 14 bytes is the length of the shortest kit file name (a program name of
//   one character and " - Update.exe"), so a kit file's temporary name, and
//   its path, are never longer than the file's own: a target path that the
//   system accepts always leaves room for its temporary file (only a target
//   whose name is shorter than 14 bytes, never a kit file, gets a longer
//   temporary name, far from any limit);
// - the leading point hides it on Linux (on Windows the hidden attribute
//   does);
// - letters of one case only, so that names stay distinct on file systems
//   that compare names without regard to case;
// - the fixed shape lets a later run recognise the temporary files that an
//   interrupted run left behind, and nothing else.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kit {

inline constexpr std::size_t kTemporaryNameLength = 14;

// A fresh temporary name of the shape above, drawn from a random generator
// of the calling thread. Two calls may give the same name: the caller
// creates the file only if no file has that name, and draws again if one
// has (about two thousand million names are possible).
std::string NewTemporaryName();

// True when the name (a last path component) has the shape of a temporary
// name, as every name NewTemporaryName gives has and no other.
bool IsTemporaryName(std::string_view name);

}  // namespace kit
