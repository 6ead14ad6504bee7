// The system layer on Windows, through the wide API only: UTF-8 paths become
// UTF-16 at each call. File tests and the language listing, the kit
// writers' files on handles, the program's folder from its module path.
//
// Hidden and system files never count as present and are never listed.
// Names compare without regard to case, as the file system does; a name
// matched only through its short 8.3 alias is not listed, so that every
// listed name passes the file test.
//
// Each open file carries the buffer of buffered_file.h; this file makes its
// raw reads and writes on the handle. A temporary file is created hidden
// beside its target, opened so that other programs may read it but neither
// change nor delete it; it loses the hidden mark just before it replaces the
// target, so the mark never reaches the kit. Opening a source and replacing
// a target are tried again for a short while when another program (a virus
// scanner looking at a fresh .exe, say) holds the file.
//
// The temporary files that an interrupted run left behind are removed
// before a new one is made in their folder. A live writer's temporary file
// is safe from that: its handle, open without delete sharing, makes the
// system refuse the deletion. (Between its Close and the move that puts it
// in place it is held by nothing; writers in one process never overlap, and
// another run's clean-up would have to fall in that instant.)
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <optional>

#include "kit/buffered_file.h"
#include "kit/error_cause.h"
#include "kit/system.h"
#include "kit/temporary_names.h"
#include "text/wide.h"

namespace kit {

const std::string_view kSeparator = "\\";
const FolderNameRules kNativeFolderNameRules = FolderNameRules::Windows;

namespace {

// The failure of a step, with the error the system has just given.
SystemError Failure(std::string_view operation, const std::string& path, DWORD error = GetLastError()) {
  return SystemError{std::error_code(static_cast<int>(error), std::system_category()), path, operation};
}

constexpr DWORD kHiddenOrSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

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
// are errors, so that an unusable folder or drive never passes for an absent
// file.
Result<std::optional<DWORD>> AttributesOf(const std::wstring& wide, const std::string& path,
                                          std::string_view question) {
  if (wide.empty() || wide.find(L'\0') != std::wstring::npos) return std::optional<DWORD>();
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return std::optional<DWORD>(attributes);
  const DWORD error = GetLastError();
  if (MeansAbsent(error)) return std::optional<DWORD>();
  return Failure(question, path, error);
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


// An open file on its handle.
class WindowsFile final : public BufferedFile {
 public:
  using BufferedFile::BufferedFile;

  HANDLE handle = INVALID_HANDLE_VALUE;

 private:
  std::optional<std::size_t> ReadSome(char* buffer, std::size_t size) override {
    DWORD got = 0;
    if (!ReadFile(handle, buffer, static_cast<DWORD>(size), &got, nullptr)) return std::nullopt;
    return got;
  }

  // WriteFile takes a 32-bit length: one call writes at most 1 GiB.
  std::optional<std::size_t> WriteSome(const char* data, std::size_t size) override {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, data, chunk, &written, nullptr)) return std::nullopt;
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return std::nullopt;
    }
    return written;
  }
};

WindowsFile& FileOf(FileHandle file) { return static_cast<WindowsFile&>(FromHandle(file)); }

bool IsSharingConflict(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

// Runs the step until it succeeds, fails for another reason than a file held
// by another program, or about half a second has passed.
template <typename Step>
bool WithShortRetry(Step step) {
  constexpr int kAttempts = 10;
  constexpr DWORD kPauseMilliseconds = 50;
  for (int attempt = 1;; ++attempt) {
    if (step()) return true;
    const DWORD error = GetLastError();
    if (attempt == kAttempts || !IsSharingConflict(error)) return false;
    Sleep(kPauseMilliseconds);
    SetLastError(error);
  }
}

// The folder part of a path, ending with its separator; empty for a name
// alone.
std::string DirectoryOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// Removes the folder's files whose names have the temporary shape and that
// no one holds open. Folders, links and every other name are left alone, and
// so is a file that cannot be removed: a stale temporary file is hidden and
// harms nothing.
void RemoveStaleTemporaries(const std::wstring& directory) {
  WIN32_FIND_DATAW found;
  const std::wstring pattern = directory + L"*";
  const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::optional<std::string> name = text::WideToUtf8(found.cFileName);
    if (!name || !IsTemporaryName(*name)) continue;
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) continue;
    DeleteFileW((directory + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// The full path of the running module; a path that fills the buffer may
// have been cut, so it is read again with more room.
Result<std::wstring> ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return Failure("module path", {});
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// The lock of a kit folder: a mutex this thread owns, released and closed
// on destruction by the thread that took it (the procedure runs on one).
class LockedFolder final : public FolderLock {
 public:
  explicit LockedFolder(HANDLE mutex) : mutex_(mutex) {}
  ~LockedFolder() override {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }

 private:
  HANDLE mutex_;
};

class WindowsSystem final : public System {
 public:
  // The root of a drive keeps its backslash ("C:\"), as Windows writes it;
  // any other directory has none.
  Result<std::string> ExecutableDirectory() override {
    const Result<std::wstring> path = ModulePath();
    if (!path) return path.error();
    std::wstring::size_type separator = path->rfind(L'\\');
    if (separator == std::wstring::npos) return Failure("module path", {}, ERROR_BAD_PATHNAME);
    // "C:\program.exe" lies in "C:\", not in "C:" (the current directory of drive C).
    if (separator > 0 && (*path)[separator - 1] == L':') ++separator;
    const std::optional<std::string> directory = text::WideToUtf8(std::wstring_view(*path).substr(0, separator));
    if (!directory) return Failure("module path", {}, ERROR_NO_UNICODE_TRANSLATION);
    return *directory;
  }

  Result<bool> FileExists(const std::string& path) override {
    const std::optional<std::wstring> wide = text::Utf8ToWide(path);
    if (!wide) return false;
    const Result<std::optional<DWORD>> attributes = AttributesOf(*wide, path, "file test");
    if (!attributes) return attributes.error();
    return *attributes && IsListableFile(**attributes) && IsDiskFile(*wide);
  }

  // A trailing backslash makes no difference to the system.
  Result<bool> DirectoryExists(const std::string& path) override {
    const std::optional<std::wstring> wide = text::Utf8ToWide(path);
    if (!wide) return false;
    const Result<std::optional<DWORD>> attributes = AttributesOf(*wide, path, "directory test");
    if (!attributes) return attributes.error();
    return *attributes && (**attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  Status CreateDirectoryLevel(const std::string& path) override {
    constexpr std::string_view kOperation = "cannot create directory";
    const std::optional<std::wstring> wide = text::Utf8ToWide(path);
    if (!wide) return Failure(kOperation, path, ERROR_INVALID_NAME);
    if (CreateDirectoryW(wide->c_str(), nullptr)) return {};
    const DWORD error = GetLastError();
    // A directory already there is fine; a file standing in its place is not.
    if (error == ERROR_ALREADY_EXISTS) {
      const DWORD attributes = GetFileAttributesW(wide->c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {};
    }
    return Failure(kOperation, path, error);
  }

  Result<std::vector<std::string>> ListFilesWithExtension(const std::string& directory,
                                                         const std::string& extension) override {
    constexpr std::string_view kOperation = "cannot list directory";
    std::vector<std::string> names;
    const std::optional<std::wstring> pattern = text::Utf8ToWide(directory + "*" + extension);
    const std::optional<std::wstring> wideExtension = text::Utf8ToWide(extension);
    if (!pattern || !wideExtension) return names;

    WIN32_FIND_DATAW found;
    SearchHandle search{FindFirstFileExW(pattern->c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0)};
    if (search.handle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      if (MeansAbsent(error) || error == ERROR_NO_MORE_FILES) return names;
      return Failure(kOperation, directory, error);
    }
    do {
      if (!IsListableFile(found.dwFileAttributes) || !EndsWithExtension(found.cFileName, *wideExtension)) continue;
      // A name without a UTF-8 form could never be found again.
      if (std::optional<std::string> name = text::WideToUtf8(found.cFileName)) names.push_back(std::move(*name));
    } while (FindNextFileW(search.handle, &found));
    const DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES) return Failure(kOperation, directory, error);
    return names;
  }

  Result<std::uint64_t> FileLength(const std::string& path) override {
    constexpr std::string_view kOperation = "file length";
    const std::optional<std::wstring> wide = text::Utf8ToWide(path);
    if (!wide) return Failure(kOperation, path, ERROR_NO_UNICODE_TRANSLATION);
    // Opened without access rights, only to be examined; a directory cannot
    // be opened this way, and a device is no disk file.
    const HANDLE handle = CreateFileW(wide->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return Failure(kOperation, path);
    LARGE_INTEGER size;
    DWORD error = ERROR_SUCCESS;
    if (GetFileType(handle) != FILE_TYPE_DISK) error = ERROR_INVALID_FUNCTION;
    else if (!GetFileSizeEx(handle, &size)) error = GetLastError();
    CloseHandle(handle);
    if (error != ERROR_SUCCESS) return Failure(kOperation, path, error);
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  Result<FileHandle> OpenForReading(const std::string& path) override {
    constexpr std::string_view kOperation = "open";
    const std::optional<std::wstring> wide = text::Utf8ToWide(path);
    if (!wide) return Failure(kOperation, path, ERROR_NO_UNICODE_TRANSLATION);
    auto file = std::make_unique<WindowsFile>(false);
    const bool opened = WithShortRetry([&] {
      file->handle = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
      return file->handle != INVALID_HANDLE_VALUE;
    });
    if (!opened) return Failure(kOperation, path);
    // A device or a pipe in the place of a source is not read.
    if (GetFileType(file->handle) != FILE_TYPE_DISK) {
      CloseHandle(file->handle);
      return Failure(kOperation, path, ERROR_INVALID_FUNCTION);
    }
    file->path = path;
    return ToHandle(file.release());
  }

  Result<FileHandle> CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    constexpr std::string_view kOperation = "cannot create temporary file";
    const std::string directory = DirectoryOf(target);
    const std::optional<std::wstring> wideDirectory = text::Utf8ToWide(directory);
    if (!wideDirectory || directory.size() == target.size()) return Failure(kOperation, target, ERROR_INVALID_NAME);
    auto file = std::make_unique<WindowsFile>(true);
    RemoveStaleTemporaries(*wideDirectory);
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string name = NewTemporaryName();
      const std::wstring candidate = *wideDirectory + std::wstring(name.begin(), name.end());  // ASCII
      file->handle = CreateFileW(candidate.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
      if (file->handle != INVALID_HANDLE_VALUE) {
        file->path = directory + name;
        temporaryPath = file->path;
        return ToHandle(file.release());
      }
      const DWORD error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return Failure(kOperation, directory + name, error);
    }
    return Failure(kOperation, directory, ERROR_FILE_EXISTS);
  }

  Result<std::size_t> Read(FileHandle handle, char* buffer, std::size_t size) override {
    WindowsFile& file = FileOf(handle);
    const std::optional<std::size_t> got = file.Read(buffer, size);
    if (!got) return Failure("read", file.path);
    return *got;
  }

  Status Write(FileHandle handle, const char* data, std::size_t size) override {
    WindowsFile& file = FileOf(handle);
    if (!file.Write(data, size)) return Failure("write", file.path);
    return {};
  }

  Status FlushToDisk(FileHandle handle) override {
    WindowsFile& file = FileOf(handle);
    if (!file.writing()) return {};
    if (!file.WriteOutHeldBytes()) return Failure("write", file.path);
    if (!FlushFileBuffers(file.handle)) return Failure("flush", file.path);
    return {};
  }

  Status Close(FileHandle handle) override {
    std::unique_ptr<WindowsFile> file(&FileOf(handle));
    Status status;
    if (!file->WriteOutHeldBytes()) status = Failure("write", file->path);
    if (!CloseHandle(file->handle) && status) status = Failure("close", file->path);
    return status;
  }

  Status RenameOver(const std::string& from, const std::string& to) override {
    constexpr std::string_view kOperation = "rename";
    const std::optional<std::wstring> wideFrom = text::Utf8ToWide(from);
    const std::optional<std::wstring> wideTo = text::Utf8ToWide(to);
    if (!wideFrom || !wideTo) return Failure(kOperation, to, ERROR_NO_UNICODE_TRANSLATION);
    // The hidden mark belongs to the temporary file only. The move is
    // written through to the disk before it returns.
    const DWORD attributes = GetFileAttributesW(wideFrom->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Failure(kOperation, from);
    if ((attributes & FILE_ATTRIBUTE_HIDDEN) != 0 &&
        !SetFileAttributesW(wideFrom->c_str(), (attributes & ~FILE_ATTRIBUTE_HIDDEN) | FILE_ATTRIBUTE_ARCHIVE))
      return Failure(kOperation, from);
    const bool moved = WithShortRetry([&] {
      return MoveFileExW(wideFrom->c_str(), wideTo->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    });
    if (!moved) return Failure(kOperation, to);
    return {};
  }

  Status Remove(const std::string& path) override {
    const std::optional<std::wstring> wide = text::Utf8ToWide(path);
    if (!wide) return Failure("delete", path, ERROR_NO_UNICODE_TRANSLATION);
    if (!DeleteFileW(wide->c_str())) return Failure("delete", path);
    return {};
  }

  Result<std::unique_ptr<FolderLock>> LockKitFolder(const std::string& folder,
                                                    const std::function<void()>& waiting) override {
    constexpr std::string_view kOperation = "lock folder";
    const std::optional<std::wstring> wide = text::Utf8ToWide(folder);
    if (!wide) return Failure(kOperation, folder, ERROR_NO_UNICODE_TRANSLATION);
    // The folder's identity on its volume names the mutex.
    const HANDLE handle = CreateFileW(wide->c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return Failure(kOperation, folder);
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(handle, &information);
    const DWORD error = GetLastError();
    CloseHandle(handle);
    if (!known) return Failure(kOperation, folder, error);
    wchar_t name[96];
    swprintf(name, sizeof name / sizeof name[0], L"Local\\ZantrelVelquistCreator.Kit.%08lx.%08lx%08lx",
             information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow);

    const HANDLE mutex = CreateMutexW(nullptr, FALSE, name);
    if (!mutex) return Failure(kOperation, folder);
    DWORD waited = WaitForSingleObject(mutex, 0);
    if (waited == WAIT_TIMEOUT) {
      waiting();
      waited = WaitForSingleObject(mutex, INFINITE);
    }
    // An abandoned mutex was held by a run that ended without releasing
    // it: the kit is this run's now.
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
      const DWORD failure = waited == WAIT_FAILED ? GetLastError() : ERROR_INVALID_HANDLE;
      CloseHandle(mutex);
      return Failure(kOperation, folder, failure);
    }
    return std::unique_ptr<FolderLock>(std::make_unique<LockedFolder>(mutex));
  }
};

}  // namespace

System& RealSystem() {
  static WindowsSystem system;
  return system;
}

ErrorCause CauseOfSystemCode(int code) {
  switch (static_cast<DWORD>(code)) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return ErrorCause::AccessDenied;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return ErrorCause::NotFound;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ErrorCause::NoSpaceLeft;
    case ERROR_WRITE_PROTECT: return ErrorCause::ReadOnly;
    case ERROR_TOO_MANY_LINKS:
    case ERROR_CANT_RESOLVE_FILENAME: return ErrorCause::TooManyLinks;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW: return ErrorCause::NameTooLong;
    case ERROR_FILE_TOO_LARGE: return ErrorCause::FileTooLarge;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA: return ErrorCause::BrokenPipe;
    default: return ErrorCause::Other;
  }
}

}  // namespace kit
