// The real system with any single step made to fail: the step numbered
// failAt (counting from 1) fails as a disk would, with an error code and
// the path it was about. A read or flush fails with EIO, a write as on a
// full disk, a close after really closing the file, a rename, a removal or
// a folder creation without doing anything, a test or a listing as an
// unreadable folder, a lock as a folder that cannot be opened. failAt 0 fails nothing, which counts the steps of a
// run. It also counts the files left open and names each step in the order
// taken.
#pragma once

#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include "kit/system.h"

namespace testing_support {

class FailingSystem : public kit::System {
 public:
  explicit FailingSystem(int failAt = 0, kit::System& real = kit::RealSystem()) : real_(real), failAt_(failAt) {}

  int steps() const { return steps_; }
  const std::vector<std::string>& stepNames() const { return stepNames_; }
  int openFiles() const { return openFiles_; }
  bool failed() const { return failed_; }

  kit::Result<std::string> ExecutableDirectory() override {
    if (FailsNow("ExecutableDirectory")) return Error(ENOENT, {});
    return real_.ExecutableDirectory();
  }
  kit::Result<bool> FileExists(const std::string& path) override {
    if (FailsNow("FileExists")) return Error(EACCES, path);
    return real_.FileExists(path);
  }
  kit::Result<bool> DirectoryExists(const std::string& path) override {
    if (FailsNow("DirectoryExists")) return Error(EACCES, path);
    return real_.DirectoryExists(path);
  }
  kit::Status CreateDirectoryLevel(const std::string& path) override {
    if (FailsNow("CreateDirectoryLevel")) return Error(EACCES, path);
    return real_.CreateDirectoryLevel(path);
  }
  kit::Result<std::vector<std::string>> ListFilesWithExtension(const std::string& directory,
                                                              const std::string& extension) override {
    if (FailsNow("ListFilesWithExtension")) return Error(EACCES, directory);
    return real_.ListFilesWithExtension(directory, extension);
  }
  kit::Result<std::uint64_t> FileLength(const std::string& path) override {
    if (FailsNow("FileLength")) return Error(ENOENT, path);
    return real_.FileLength(path);
  }
  kit::Result<kit::FileHandle> OpenForReading(const std::string& path) override {
    if (FailsNow("OpenForReading")) return Error(EACCES, path);
    return Opened(real_.OpenForReading(path));
  }
  kit::Result<kit::FileHandle> CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    if (FailsNow("CreateTemporaryFor")) return Error(EACCES, target);
    return Opened(real_.CreateTemporaryFor(target, temporaryPath));
  }
  kit::Result<std::size_t> Read(kit::FileHandle file, char* buffer, std::size_t size) override {
    if (FailsNow("Read")) return Error(EIO, {});
    return real_.Read(file, buffer, size);
  }
  kit::Status Write(kit::FileHandle file, const char* data, std::size_t size) override {
    if (FailsNow("Write")) return Error(ENOSPC, {});
    return real_.Write(file, data, size);
  }
  kit::Status FlushToDisk(kit::FileHandle file) override {
    if (FailsNow("FlushToDisk")) return Error(EIO, {});
    return real_.FlushToDisk(file);
  }
  kit::Status Close(kit::FileHandle file) override {
    const bool fails = FailsNow("Close");
    --openFiles_;
    const kit::Status closed = real_.Close(file);
    if (fails) return Error(EIO, {});
    return closed;
  }
  kit::Status RenameOver(const std::string& from, const std::string& to) override {
    if (FailsNow("RenameOver")) return Error(EXDEV, to);
    return real_.RenameOver(from, to);
  }
  kit::Status Remove(const std::string& path) override {
    if (FailsNow("Remove")) return Error(EIO, path);
    return real_.Remove(path);
  }
  kit::Result<std::unique_ptr<kit::FolderLock>> LockKitFolder(const std::string& folder,
                                                              const std::function<void()>& waiting) override {
    if (FailsNow("LockKitFolder")) return Error(EACCES, folder);
    return real_.LockKitFolder(folder, waiting);
  }

 private:
  bool FailsNow(const char* name) {
    stepNames_.push_back(name);
    if (++steps_ != failAt_) return false;
    failed_ = true;
    return true;
  }
  static kit::SystemError Error(int error, const std::string& path) {
    return kit::SystemError{std::error_code(error, std::generic_category()), path, "made to fail"};
  }
  kit::Result<kit::FileHandle> Opened(kit::Result<kit::FileHandle> file) {
    if (file) ++openFiles_;
    return file;
  }

  kit::System& real_;
  int failAt_;
  int steps_ = 0;
  std::vector<std::string> stepNames_;
  int openFiles_ = 0;
  bool failed_ = false;
};

}  // namespace testing_support
