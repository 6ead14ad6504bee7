// File and directory tests, directory creation and the language listing.
#include "kit/file_tests.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kit {
namespace fs = std::filesystem;
namespace {

// On Linux a name beginning with a point is hidden.
bool IsHiddenName(std::string_view name) { return !name.empty() && name.front() == '.'; }

std::string_view LastComponent(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// True when the system refuses the path itself, before looking for
// anything: a name or a path too long, a name the file system cannot hold.
// Nothing can exist under such a path.
bool CannotBeFormed(const std::error_code& error) {
  return error == std::errc::filename_too_long || error == std::errc::invalid_argument ||
         error == std::errc::illegal_byte_sequence;
}

// The type of what the path names, links followed. "Not found" covers a
// missing directory or a file on the way (ENOENT, ENOTDIR) and a path that
// cannot be formed, a NUL character included (the system would stop the
// path there and look at another one). Every other error throws, so that
// an unusable folder or drive never passes for an absent file.
fs::file_type TypeOf(const std::string& path, const char* question) {
  if (path.find('\0') != std::string::npos) return fs::file_type::not_found;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found || CannotBeFormed(error)) return fs::file_type::not_found;
  if (error) throw fs::filesystem_error(question, path, error);
  return status.type();
}

}  // namespace

bool FileExists(const std::string& path) {
  if (TypeOf(path, "file test") != fs::file_type::regular) return false;
  return !IsHiddenName(LastComponent(path));
}

// A trailing separator makes no difference: the system resolves "dir/" as
// "dir", and "file/" as not found.
bool DirectoryExists(const std::string& path) { return TypeOf(path, "directory test") == fs::file_type::directory; }

void CreateDirectoryLevel(const std::string& path) {
  // create_directory also succeeds quietly when the directory is already
  // there; a file or anything else standing in its place is an error.
  std::error_code error;
  const bool created = fs::create_directory(path, error);
  if (!error && !created && TypeOf(path, "cannot create directory") != fs::file_type::directory)
    error = std::make_error_code(std::errc::file_exists);
  if (error) throw fs::filesystem_error("cannot create directory", path, error);
}

std::vector<std::string> ListFilesWithExtension(const std::string& directory, const std::string& extension) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator entry(directory, error);
  if (error) {
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) return names;
    throw fs::filesystem_error("cannot list directory", directory, error);
  }
  for (; entry != fs::directory_iterator(); entry.increment(error)) {
    if (error) break;
    std::string name = entry->path().filename().string();
    if (IsHiddenName(name) || !name.ends_with(extension)) continue;
    // Same rule as FileExists: links are followed, and a link that leads
    // nowhere is no file; so every listed name passes the file test.
    const fs::file_type type = TypeOf(entry->path().string(), "language listing");
    if (type == fs::file_type::regular) names.push_back(std::move(name));
  }
  if (error) throw fs::filesystem_error("cannot list directory", directory, error);
  return names;
}

}  // namespace kit
