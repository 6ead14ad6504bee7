// Helpers shared by the kit tests: a private scratch directory, whole-file
// reads and writes, and file operations that fail on request. Paths are
// UTF-8 strings, as in the program; they become std::filesystem paths only
// through PathOf, which reads them as UTF-8 on every system.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "kit/file_operations.h"
#include "kit/kit_layout.h"

namespace kit_test {

namespace fs = std::filesystem;

inline fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

inline std::string Utf8Of(const fs::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

// A fresh directory under the system's temporary directory, removed with
// everything in it when the test ends.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    static std::atomic<unsigned> counter{0};
    static const std::string run = std::to_string(std::random_device()());
    for (int attempt = 0; attempt < 1000; ++attempt) {
      fs::path candidate = fs::temp_directory_path() / ("zvc-kit-test-" + run + "-" + std::to_string(counter++));
      std::error_code error;
      if (fs::create_directory(candidate, error)) {
        path_ = candidate;
        return;
      }
    }
    throw std::runtime_error("cannot create a scratch directory");
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  ~ScratchDirectory() {
    std::error_code error;
    fs::remove_all(path_, error);
  }

  const fs::path& path() const { return path_; }
  // The path of a name inside the directory, as a UTF-8 string.
  std::string operator/(const std::string& name) const { return Utf8Of(path_ / PathOf(name)); }
  // The directory's path ending with a separator, as the kit paths are built.
  std::string WithSeparator() const { return Utf8Of(path_) + std::string(kit::kSeparator); }

 private:
  fs::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

// The names in a directory, hidden ones included.
inline std::set<std::string> NamesIn(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) names.insert(Utf8Of(entry.path().filename()));
  return names;
}
inline std::set<std::string> NamesIn(const std::string& directory) { return NamesIn(PathOf(directory)); }

// True when the file is hidden: marked so on Windows, named with a leading
// point on Linux.
inline bool IsHidden(const std::string& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(PathOf(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
#else
  return Utf8Of(PathOf(path).filename()).starts_with('.');
#endif
}

// The system's device that swallows everything: a file name that names no
// ordinary file.
#ifdef _WIN32
inline constexpr const char* kNullDevice = "NUL";
#else
inline constexpr const char* kNullDevice = "/dev/null";
#endif

// Every byte value in turn, then lone CR and LF bytes, up to `size` bytes.
inline std::string PatternBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    switch (i % 300) {
      case 256:
        bytes[i] = '\r';
        break;
      case 260:
        bytes[i] = '\n';
        break;
      default:
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
  }
  return bytes;
}

// The real file operations, with any single step made to fail: the step
// numbered failAt (counting from 1) fails as a disk would. A read or flush
// fails with EIO, a write as on a full disk, a close after really closing
// the file, a rename or removal without doing anything. failAt 0 fails
// nothing, which counts the steps of a run. It also counts the files left
// open and names each step in the order taken.
class FailingFileOperations : public kit::FileOperations {
 public:
  explicit FailingFileOperations(int failAt = 0, kit::FileOperations& real = kit::RealFileOperations())
      : real_(real), failAt_(failAt) {}

  int steps() const { return steps_; }
  const std::vector<std::string>& stepNames() const { return stepNames_; }
  int openFiles() const { return openFiles_; }
  bool failed() const { return failed_; }

  std::optional<std::uint64_t> FileLength(const std::string& path) override {
    if (FailsNow("FileLength", ENOENT)) return std::nullopt;
    return real_.FileLength(path);
  }
  kit::FileHandle OpenForReading(const std::string& path) override {
    if (FailsNow("OpenForReading", EACCES)) return kit::kNoFile;
    return Opened(real_.OpenForReading(path));
  }
  kit::FileHandle CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    if (FailsNow("CreateTemporaryFor", EACCES)) return kit::kNoFile;
    return Opened(real_.CreateTemporaryFor(target, temporaryPath));
  }
  std::optional<std::size_t> Read(kit::FileHandle file, char* buffer, std::size_t size) override {
    if (FailsNow("Read", EIO)) return std::nullopt;
    return real_.Read(file, buffer, size);
  }
  bool Write(kit::FileHandle file, const char* data, std::size_t size) override {
    if (FailsNow("Write", ENOSPC)) return false;
    return real_.Write(file, data, size);
  }
  bool FlushToDisk(kit::FileHandle file) override {
    if (FailsNow("FlushToDisk", EIO)) return false;
    return real_.FlushToDisk(file);
  }
  bool Close(kit::FileHandle file) override {
    const bool fails = FailsNow("Close", EIO);
    --openFiles_;
    const bool closed = real_.Close(file);
    return closed && !fails;
  }
  bool RenameOver(const std::string& from, const std::string& to) override {
    if (FailsNow("RenameOver", EXDEV)) return false;
    return real_.RenameOver(from, to);
  }
  bool Remove(const std::string& path) override {
    if (FailsNow("Remove", EIO)) return false;
    return real_.Remove(path);
  }

 private:
  bool FailsNow(const char* name, int error) {
    stepNames_.push_back(name);
    if (++steps_ != failAt_) return false;
    failed_ = true;
    errno = error;
    return true;
  }
  kit::FileHandle Opened(kit::FileHandle file) {
    if (file != kit::kNoFile) ++openFiles_;
    return file;
  }

  kit::FileOperations& real_;
  int failAt_;
  int steps_ = 0;
  std::vector<std::string> stepNames_;
  int openFiles_ = 0;
  bool failed_ = false;
};

}  // namespace kit_test
