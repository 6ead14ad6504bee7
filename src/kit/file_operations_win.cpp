// The real file operations, on Windows file handles through the wide API.
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
#include <memory>

#include "kit/buffered_file.h"
#include "kit/file_operations.h"
#include "kit/temporary_names.h"
#include "kit/utf16.h"

namespace kit {
namespace {

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
    const std::optional<std::string> name = WideToUtf8(found.cFileName);
    if (!name || !IsTemporaryName(*name)) continue;
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) continue;
    DeleteFileW((directory + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

class WindowsFileOperations final : public FileOperations {
 public:
  std::optional<std::uint64_t> FileLength(const std::string& path) override {
    const std::optional<std::wstring> wide = Utf8ToWide(path);
    if (!wide) return std::nullopt;
    // Opened without access rights, only to be examined; a directory cannot
    // be opened this way, and a device is no disk file.
    const HANDLE handle = CreateFileW(wide->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::uint64_t> length;
    LARGE_INTEGER size;
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileSizeEx(handle, &size))
      length = static_cast<std::uint64_t>(size.QuadPart);
    CloseHandle(handle);
    return length;
  }

  FileHandle OpenForReading(const std::string& path) override {
    const std::optional<std::wstring> wide = Utf8ToWide(path);
    if (!wide) return kNoFile;
    auto file = std::make_unique<WindowsFile>(false);
    const bool opened = WithShortRetry([&] {
      file->handle = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
      return file->handle != INVALID_HANDLE_VALUE;
    });
    if (!opened) return kNoFile;
    // A device or a pipe in the place of a source is not read.
    if (GetFileType(file->handle) != FILE_TYPE_DISK) {
      CloseHandle(file->handle);
      SetLastError(ERROR_INVALID_FUNCTION);
      return kNoFile;
    }
    return ToHandle(file.release());
  }

  FileHandle CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    const std::string directory = DirectoryOf(target);
    const std::optional<std::wstring> wideDirectory = Utf8ToWide(directory);
    if (!wideDirectory || directory.size() == target.size()) {
      SetLastError(ERROR_INVALID_NAME);
      return kNoFile;
    }
    auto file = std::make_unique<WindowsFile>(true);
    RemoveStaleTemporaries(*wideDirectory);
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string name = NewTemporaryName();
      const std::wstring candidate = *wideDirectory + std::wstring(name.begin(), name.end());  // ASCII
      file->handle = CreateFileW(candidate.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
      if (file->handle != INVALID_HANDLE_VALUE) {
        temporaryPath = directory + name;
        return ToHandle(file.release());
      }
      if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return kNoFile;
    }
    return kNoFile;
  }

  std::optional<std::size_t> Read(FileHandle file, char* buffer, std::size_t size) override {
    return FileOf(file).Read(buffer, size);
  }

  bool Write(FileHandle file, const char* data, std::size_t size) override { return FileOf(file).Write(data, size); }

  bool FlushToDisk(FileHandle handle) override {
    WindowsFile& file = FileOf(handle);
    if (!file.writing()) return true;
    if (!file.WriteOutHeldBytes()) return false;
    return FlushFileBuffers(file.handle) != 0;
  }

  bool Close(FileHandle handle) override {
    std::unique_ptr<WindowsFile> file(&FileOf(handle));
    bool ok = file->WriteOutHeldBytes();
    if (!CloseHandle(file->handle)) ok = false;
    return ok;
  }

  bool RenameOver(const std::string& from, const std::string& to) override {
    const std::optional<std::wstring> wideFrom = Utf8ToWide(from);
    const std::optional<std::wstring> wideTo = Utf8ToWide(to);
    if (!wideFrom || !wideTo) return false;
    // The hidden mark belongs to the temporary file only. The move is
    // written through to the disk before it returns.
    const DWORD attributes = GetFileAttributesW(wideFrom->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if ((attributes & FILE_ATTRIBUTE_HIDDEN) != 0 &&
        !SetFileAttributesW(wideFrom->c_str(), (attributes & ~FILE_ATTRIBUTE_HIDDEN) | FILE_ATTRIBUTE_ARCHIVE))
      return false;
    return WithShortRetry([&] {
      return MoveFileExW(wideFrom->c_str(), wideTo->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    });
  }

  bool Remove(const std::string& path) override {
    const std::optional<std::wstring> wide = Utf8ToWide(path);
    return wide && DeleteFileW(wide->c_str());
  }
};

}  // namespace

FileOperations& RealFileOperations() {
  static WindowsFileOperations operations;
  return operations;
}

}  // namespace kit
