// The writers of the five kit files.
//
// Each writer builds its file under a temporary name in the target's
// directory and moves it over the target only when it is complete and on
// the disk, so neither a failure nor a power cut ever leaves a truncated
// file in place of a good older one. A
// writer returns false on any failure, after closing its files and removing
// its temporary file; it shows nothing and logs nothing.
#pragma once

#include <cstddef>
#include <string>

#include "kit/file_operations.h"

namespace kit {

// The copy moves the source through one buffer of this many bytes.
inline constexpr std::size_t kCopyBlockSize = 2048;

// Copies the source file byte for byte to the target. The source's length is
// read once, before anything is opened, and the source is opened before the
// target's directory is touched: a missing source leaves no target file and
// an older one untouched.
bool CopyKitFile(const std::string& source, const std::string& target,
                 FileOperations& files = RealFileOperations());

// "ADR " A CR LF "LOC \" N " - Update.ver" CR LF "TIT " N, in Windows-1252.
// Fails, writing nothing, when a value holds a character the code page
// cannot hold.
bool WriteKitConfig(const std::string& target, const std::string& address, const std::string& programName,
                    FileOperations& files = RealFileOperations());

// "VER " V, in Windows-1252, with no line end.
bool WriteKitVersion(const std::string& target, const std::string& version,
                     FileOperations& files = RealFileOperations());

}  // namespace kit
