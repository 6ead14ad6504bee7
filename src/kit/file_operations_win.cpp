// The real file operations, on Windows file handles through the wide API.
//
// As on POSIX, each open file carries one buffer of fixed size, so that the
// copy's 2048-byte blocks become few system calls. A temporary file is
// created hidden beside its target, opened so that other programs may read
// it but not change it; it loses the hidden mark just before it replaces the
// target, so the mark never reaches the kit. Opening a source and replacing
// a target are tried again for a short while when another program (a virus
// scanner looking at a fresh .exe, say) holds the file.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <random>

#include "kit/file_operations.h"
#include "kit/utf16.h"

namespace kit {
namespace {

struct OpenFile {
  HANDLE handle = INVALID_HANDLE_VALUE;
  bool writing = false;
  std::unique_ptr<char[]> buffer;
  std::size_t begin = 0;  // first unread byte of the buffer (reading)
  std::size_t end = 0;    // one past the last byte held in the buffer
};

OpenFile* FromHandle(FileHandle file) { return reinterpret_cast<OpenFile*>(static_cast<std::uintptr_t>(file)); }

FileHandle ToHandle(OpenFile* file) { return static_cast<FileHandle>(reinterpret_cast<std::uintptr_t>(file)); }

// The record and its buffer are allocated before the file is opened, so
// that running out of memory can never leave a handle or a file behind.
std::unique_ptr<OpenFile> NewRecord(bool writing) {
  auto file = std::make_unique<OpenFile>();
  file->writing = writing;
  file->buffer = std::make_unique<char[]>(kStreamBufferSize);
  return file;
}

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

bool WriteAll(HANDLE handle, const char* data, std::size_t size) {
  while (size > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, data, chunk, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

// The temporary file's name: a point, the target's name, a point and six
// random letters. The target's name is cut short where the temporary's name
// or whole path would pass the limits of Windows (255 characters a name, 259
// a path), so that a target at those limits can still be written.
constexpr std::size_t kUniqueSuffixLength = 6;
constexpr std::size_t kMaximumNameLength = 255;
constexpr std::size_t kMaximumPathLength = MAX_PATH - 1;

std::wstring TemporaryName(std::size_t directoryLength, std::wstring_view targetName, std::mt19937_64& random) {
  constexpr std::size_t kAdded = 2 + kUniqueSuffixLength;
  std::size_t keep = std::min(targetName.size(), kMaximumNameLength - kAdded);
  if (directoryLength + keep + kAdded > kMaximumPathLength)
    keep = kMaximumPathLength > directoryLength + kAdded ? kMaximumPathLength - directoryLength - kAdded : 0;
  // Never split a surrogate pair.
  if (keep > 0 && keep < targetName.size() && targetName[keep - 1] >= 0xD800 && targetName[keep - 1] <= 0xDBFF) --keep;
  static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::wstring name = L".";
  name.append(targetName.substr(0, keep));
  name.push_back(L'.');
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kLetters) - 2);
  for (std::size_t i = 0; i < kUniqueSuffixLength; ++i) name.push_back(kLetters[pick(random)]);
  return name;
}

std::mt19937_64& Random() {
  thread_local std::mt19937_64 random([] {
    std::random_device device;
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ now ^ GetCurrentProcessId();
  }());
  return random;
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
    auto file = NewRecord(false);
    const bool opened = WithShortRetry([&] {
      file->handle = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
      return file->handle != INVALID_HANDLE_VALUE;
    });
    if (!opened) return kNoFile;
    return ToHandle(file.release());
  }

  FileHandle CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    const std::optional<std::wstring> wideTarget = Utf8ToWide(target);
    if (!wideTarget) return kNoFile;
    const std::size_t separator = wideTarget->find_last_of(L"\\/");
    const std::wstring directory = wideTarget->substr(0, separator == std::wstring::npos ? 0 : separator + 1);
    const std::wstring_view name = std::wstring_view(*wideTarget).substr(directory.size());
    if (name.empty()) {
      SetLastError(ERROR_INVALID_NAME);
      return kNoFile;
    }
    auto file = NewRecord(true);
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::wstring candidate = directory + TemporaryName(directory.size(), name, Random());
      file->handle = CreateFileW(candidate.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
      if (file->handle != INVALID_HANDLE_VALUE) {
        std::optional<std::string> utf8 = WideToUtf8(candidate);
        if (!utf8) {  // cannot happen: the target's path converted both ways
          CloseHandle(file->handle);
          DeleteFileW(candidate.c_str());
          return kNoFile;
        }
        temporaryPath = std::move(*utf8);
        return ToHandle(file.release());
      }
      if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return kNoFile;
    }
    return kNoFile;
  }

  std::optional<std::size_t> Read(FileHandle handle, char* buffer, std::size_t size) override {
    OpenFile& file = *FromHandle(handle);
    std::size_t done = 0;
    while (done < size) {
      if (file.begin == file.end) {
        DWORD got = 0;
        if (!ReadFile(file.handle, file.buffer.get(), static_cast<DWORD>(kStreamBufferSize), &got, nullptr))
          return std::nullopt;
        if (got == 0) break;  // end of file
        file.begin = 0;
        file.end = got;
      }
      const std::size_t take = std::min(size - done, file.end - file.begin);
      std::memcpy(buffer + done, file.buffer.get() + file.begin, take);
      file.begin += take;
      done += take;
    }
    return done;
  }

  bool Write(FileHandle handle, const char* data, std::size_t size) override {
    OpenFile& file = *FromHandle(handle);
    while (size > 0) {
      if (file.end == kStreamBufferSize) {
        if (!WriteAll(file.handle, file.buffer.get(), file.end)) return false;
        file.end = 0;
      }
      const std::size_t take = std::min(size, kStreamBufferSize - file.end);
      std::memcpy(file.buffer.get() + file.end, data, take);
      file.end += take;
      data += take;
      size -= take;
    }
    return true;
  }

  // A written file reaches the disk before it is closed, so that the move
  // that puts it in place never exposes a file whose bytes are still on
  // their way.
  bool Close(FileHandle handle) override {
    std::unique_ptr<OpenFile> file(FromHandle(handle));
    bool ok = true;
    if (file->writing) ok = WriteAll(file->handle, file->buffer.get(), file->end) && FlushFileBuffers(file->handle);
    if (!CloseHandle(file->handle)) ok = false;
    return ok;
  }

  bool RenameOver(const std::string& from, const std::string& to) override {
    const std::optional<std::wstring> wideFrom = Utf8ToWide(from);
    const std::optional<std::wstring> wideTo = Utf8ToWide(to);
    if (!wideFrom || !wideTo) return false;
    // The hidden mark belongs to the temporary file only.
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
