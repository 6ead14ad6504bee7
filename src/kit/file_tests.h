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
// (links are followed). False, as for any absent file, when the path is
// missing, goes through a missing directory or a file, or cannot even be
// formed: a name or a path longer than the system takes, a name that the
// file system cannot hold, a NUL character. Such a path names nothing,
// whatever the user typed to make it. Errors that make a folder or a drive
// unusable still throw std::filesystem::filesystem_error, so that they
// never pass for an absent file: access denied on the way, a loop of
// links, an input/output error, and any other.
bool FileExists(const std::string& path);

// True when the path names an existing directory; a trailing separator does
// not matter. False and errors as for FileExists.
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
