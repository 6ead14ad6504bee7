// File and directory tests, directory creation and the language listing, on
// the Windows file system through its wide API.
//
// Hidden and system files never count as present and are never listed.
// Names compare without regard to case, as the file system does; a name
// matched only through its short 8.3 alias is not listed, so that every
// listed name passes the file test.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "kit/file_tests.h"
#include "kit/utf16.h"

namespace kit {
namespace fs = std::filesystem;
namespace {

constexpr DWORD kHiddenOrSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

fs::path PathForMessage(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

[[noreturn]] void Throw(const char* what, const std::string& path, DWORD error) {
  throw fs::filesystem_error(what, PathForMessage(path), std::error_code(static_cast<int>(error), std::system_category()));
}

// The answers that mean "nothing there": a missing file, a missing directory
// or a file on the way, a drive that is not there, and a path the system
// cannot even form (too long, a name the file system cannot hold): nothing
// can exist under it, whatever the user typed to make it.
bool MeansAbsent(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return true;
    default:
      return false;
  }
}

// The attributes of what the path names, or nothing when there is nothing.
// Text that is not UTF-8 names nothing, nor does a path holding a NUL (the
// system would stop the path there and look at another one). Other errors
// throw, so that an unusable folder or drive never passes for an absent file.
std::optional<DWORD> AttributesOf(const std::wstring& wide, const std::string& path, const char* question) {
  if (wide.empty() || wide.find(L'\0') != std::wstring::npos) return std::nullopt;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return attributes;
  const DWORD error = GetLastError();
  if (MeansAbsent(error)) return std::nullopt;
  Throw(question, path, error);
}

// A device name ("NUL", "CON", ...) answers with file attributes in any
// directory; only a file on a disk counts.
bool IsDiskFile(const std::wstring& wide) {
  const HANDLE handle = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool disk = GetFileType(handle) == FILE_TYPE_DISK;
  CloseHandle(handle);
  return disk;
}

bool IsListableFile(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && (attributes & kHiddenOrSystem) == 0;
}

// True when the long name itself ends with the extension, compared as the
// file system compares names (ordinal, without regard to case).
bool EndsWithExtension(std::wstring_view name, std::wstring_view extension) {
  if (name.size() < extension.size()) return false;
  const std::wstring_view tail = name.substr(name.size() - extension.size());
  return CompareStringOrdinal(tail.data(), static_cast<int>(tail.size()), extension.data(),
                              static_cast<int>(extension.size()), TRUE) == CSTR_EQUAL;
}

struct SearchHandle {
  HANDLE handle;
  ~SearchHandle() { FindClose(handle); }
};

}  // namespace

bool FileExists(const std::string& path) {
  const std::optional<std::wstring> wide = Utf8ToWide(path);
  if (!wide) return false;
  const std::optional<DWORD> attributes = AttributesOf(*wide, path, "file test");
  return attributes && IsListableFile(*attributes) && IsDiskFile(*wide);
}

// A trailing backslash makes no difference to the system.
bool DirectoryExists(const std::string& path) {
  const std::optional<std::wstring> wide = Utf8ToWide(path);
  if (!wide) return false;
  const std::optional<DWORD> attributes = AttributesOf(*wide, path, "directory test");
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void CreateDirectoryLevel(const std::string& path) {
  const std::optional<std::wstring> wide = Utf8ToWide(path);
  if (!wide) Throw("cannot create directory", path, ERROR_INVALID_NAME);
  if (CreateDirectoryW(wide->c_str(), nullptr)) return;
  const DWORD error = GetLastError();
  // A directory already there is fine; a file standing in its place is not.
  if (error == ERROR_ALREADY_EXISTS) {
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
  }
  Throw("cannot create directory", path, error);
}

std::vector<std::string> ListFilesWithExtension(const std::string& directory, const std::string& extension) {
  std::vector<std::string> names;
  const std::optional<std::wstring> pattern = Utf8ToWide(directory + "*" + extension);
  const std::optional<std::wstring> wideExtension = Utf8ToWide(extension);
  if (!pattern || !wideExtension) return names;

  WIN32_FIND_DATAW found;
  SearchHandle search{FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0)};
  if (search.handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (MeansAbsent(error) || error == ERROR_NO_MORE_FILES) return names;
    Throw("cannot list directory", directory, error);
  }
  do {
    if (!IsListableFile(found.dwFileAttributes) || !EndsWithExtension(found.cFileName, *wideExtension)) continue;
    // A name without a UTF-8 form could never be found again.
    if (std::optional<std::string> name = WideToUtf8(found.cFileName)) names.push_back(std::move(*name));
  } while (FindNextFileW(search.handle, &found));
  const DWORD error = GetLastError();
  if (error != ERROR_NO_MORE_FILES) Throw("cannot list directory", directory, error);
  return names;
}

}  // namespace kit
