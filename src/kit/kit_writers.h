// The writers of the five kit files.
//
// Each writer builds its file under a temporary name in the target's
// directory and moves it over the target only when it is complete and on
// the disk, so neither a failure nor a power cut ever leaves a truncated
// file in place of a good older one. On any failure a writer closes its
// files, removes its temporary file and gives back the error of the step
// that failed; it shows nothing and logs nothing.
#pragma once

#include <cstddef>
#include <string>

#include "kit/ansi_encoding.h"
#include "kit/system.h"

namespace kit {

// The copy moves the source through one buffer of this many bytes.
inline constexpr std::size_t kCopyBlockSize = 2048;

// Copies the source file byte for byte to the target. The source's length is
// read once, before anything is opened, and the source is opened before the
// target's directory is touched: a missing source leaves no target file and
// an older one untouched.
Status CopyKitFile(const std::string& source, const std::string& target, System& system = RealSystem());

// "ADR " A CR LF "LOC \" N " - Update.ver" CR LF "TIT " N, from the address
// and the program name already encoded in the ANSI code page of
// ansi_encoding.h (the procedure encodes each entry once, when it checks it).
Status WriteKitConfig(const std::string& target, const AnsiText& address, const AnsiText& programName,
                      System& system = RealSystem());

// "VER " V, from the version in the same code page, with no line end.
Status WriteKitVersion(const std::string& target, const AnsiText& version, System& system = RealSystem());

}  // namespace kit
