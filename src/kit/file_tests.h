// The file-system questions the wizard asks of its install tree and kit.
//
// On Linux a name that begins with a point is hidden: hidden files never
// count as present and are never listed. Names compare with regard to case,
// as the file system does, so every listed language passes the file test.
#pragma once

#include <string>
#include <vector>

namespace kit {

// True when the path names an existing ordinary file that is not hidden
// (links are followed). A missing path, or one through a missing directory,
// gives false; any other error (a name too long, access denied on the way)
// throws std::filesystem::filesystem_error.
bool FileExists(const std::string& path);

// True when the path names an existing directory; a trailing separator does
// not matter. Errors other than "not there" throw as FileExists does.
bool DirectoryExists(const std::string& path);

// Creates one directory level. Throws std::filesystem::filesystem_error when
// the directory cannot be created (its parent is missing, access is denied,
// a file stands in its place, the name is invalid).
void CreateDirectoryLevel(const std::string& path);

// The names of the ordinary, non-hidden files in the directory whose names
// end with the extension (compared with regard to case), in the order in
// which the directory returns them: never sorted, never de-duplicated.
// A missing directory gives an empty list; other errors throw.
std::vector<std::string> ListFilesWithExtension(const std::string& directory, const std::string& extension);

}  // namespace kit
