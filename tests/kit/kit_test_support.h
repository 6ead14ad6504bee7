// Helpers shared by the kit tests: a private scratch directory, whole-file
// reads and writes, and file operations that fail on request.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "kit/file_operations.h"

namespace kit_test {

namespace fs = std::filesystem;

// A fresh directory under the system's temporary directory, removed with
// everything in it when the test ends.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 1000; ++attempt) {
      fs::path candidate =
          fs::temp_directory_path() / ("zvc-kit-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
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
  // The path of a name inside the directory, as a string.
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  // The directory's path ending with a separator, as the kit paths are built.
  std::string WithSeparator() const { return path_.string() + "/"; }

 private:
  fs::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

// The names in a directory, hidden ones included.
inline std::set<std::string> NamesIn(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) names.insert(entry.path().filename().string());
  return names;
}

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

// The permission bits that a file newly created in the directory gets
// under the current umask, found by creating one.
inline unsigned FreshFilePermissions(const ScratchDirectory& directory) {
  const std::string probe = directory / "fresh-file-probe";
  WriteBytes(probe, "x");
  struct stat status {};
  ::stat(probe.c_str(), &status);
  fs::remove(probe);
  return status.st_mode & 07777;
}

inline unsigned PermissionsOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) throw std::runtime_error("cannot examine " + path);
  return status.st_mode & 07777;
}

}  // namespace kit_test
