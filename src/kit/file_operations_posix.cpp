// The real file operations, on POSIX descriptors.
//
// Each open file carries the buffer of buffered_file.h; this file makes its
// raw reads and writes on the descriptor.
//
// A temporary file stays locked as in use (stale_temporaries_posix.h) from
// its creation until it is renamed or removed, beyond its Close: a
// duplicate of its descriptor keeps the lock in the meantime.
#include "kit/file_operations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <memory>
#include <mutex>

#include "kit/buffered_file.h"
#include "kit/stale_temporaries_posix.h"
#include "kit/temporary_names.h"

namespace kit {
namespace {

// An open file on its descriptor. Reads and writes interrupted by a signal
// are made again.
class PosixFile final : public BufferedFile {
 public:
  using BufferedFile::BufferedFile;

  int descriptor = -1;
  std::string temporaryPath;  // the path of a temporary file

 private:
  std::optional<std::size_t> ReadSome(char* buffer, std::size_t size) override {
    ssize_t got;
    do {
      got = ::read(descriptor, buffer, size);
    } while (got < 0 && errno == EINTR);
    if (got < 0) return std::nullopt;
    return static_cast<std::size_t>(got);
  }

  std::optional<std::size_t> WriteSome(const char* data, std::size_t size) override {
    ssize_t written;
    do {
      written = ::write(descriptor, data, size);
    } while (written < 0 && errno == EINTR);
    if (written < 0) return std::nullopt;
    if (written == 0) {
      errno = EIO;
      return std::nullopt;
    }
    return static_cast<std::size_t>(written);
  }
};

PosixFile& FileOf(FileHandle file) { return static_cast<PosixFile&>(FromHandle(file)); }

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
  int descriptor;
  do {
    descriptor = ::open(path, flags, mode);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}

// The directory part of a path, ending with its separator; empty for a
// name alone.
std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Has the system write the directory's entries to the disk, so that a
// rename just made there survives a power cut. A directory that cannot be
// opened (no read permission) or a file system that cannot flush
// directories (EINVAL) is left as it is; any other error is a failure.
bool FlushDirectory(const std::string& directory) {
  const int descriptor = OpenRetrying(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return true;
  const bool flushed = ::fsync(descriptor) == 0 || errno == EINVAL;
  ::close(descriptor);
  return flushed;
}

class PosixFileOperations final : public FileOperations {
 public:
  std::optional<std::uint64_t> FileLength(const std::string& path) override {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0) return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
  }

  // The path is opened without waiting, then must be an ordinary file: a
  // FIFO put in the place of a source after its length was read would
  // otherwise hold the open until some writer came. Reads then wait again
  // as usual.
  FileHandle OpenForReading(const std::string& path) override {
    auto file = std::make_unique<PosixFile>(false);
    const int descriptor = OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return kNoFile;
    struct stat status {};
    const bool ordinary = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const int flags = ordinary ? ::fcntl(descriptor, F_GETFL) : -1;
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
      const int error = ordinary ? errno : EINVAL;
      ::close(descriptor);
      errno = error;
      return kNoFile;
    }
    file->descriptor = descriptor;
    return ToHandle(file.release());
  }

  // Like mkstemp, but the file is created with mode 0666 so that the umask
  // and any default ACL of the directory shape its permissions exactly as
  // for any other new file (mkstemp would leave it 0600).
  FileHandle CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    const std::string directory = DirectoryOf(target);
    if (directory.size() == target.size()) {
      errno = EISDIR;
      return kNoFile;
    }
    auto file = std::make_unique<PosixFile>(true);
    RemoveStaleTemporaries(directory);
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string candidate = directory + NewTemporaryName();
      const int descriptor = OpenRetrying(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (descriptor < 0) {
        if (errno == EEXIST) continue;
        return kNoFile;
      }
      if (!LockAsInUse(descriptor)) {
        ::close(descriptor);
        continue;
      }
      file->descriptor = descriptor;
      file->temporaryPath = candidate;
      temporaryPath = std::move(candidate);
      return ToHandle(file.release());
    }
    errno = EEXIST;
    return kNoFile;
  }

  std::optional<std::size_t> Read(FileHandle file, char* buffer, std::size_t size) override {
    return FileOf(file).Read(buffer, size);
  }

  bool Write(FileHandle file, const char* data, std::size_t size) override { return FileOf(file).Write(data, size); }

  // fdatasync writes the file's bytes and what is needed to read them back
  // (its length), which is all a file about to be renamed needs; the
  // rename itself is flushed with the directory.
  bool FlushToDisk(FileHandle handle) override {
    PosixFile& file = FileOf(handle);
    if (!file.writing()) return true;
    if (!file.WriteOutHeldBytes()) return false;
    int flushed;
    do {
      flushed = ::fdatasync(file.descriptor);
    } while (flushed != 0 && errno == EINTR);
    return flushed == 0;
  }

  bool Close(FileHandle handle) override {
    std::unique_ptr<PosixFile> file(&FileOf(handle));
    bool ok = file->WriteOutHeldBytes();
    if (file->writing()) KeepLocked(file->temporaryPath, ::fcntl(file->descriptor, F_DUPFD_CLOEXEC, 0));
    // Linux releases the descriptor even when close reports an error, so
    // close is never repeated; its error (a delayed write failure on some
    // file systems) still fails the file.
    if (::close(file->descriptor) != 0) ok = false;
    return ok;
  }

  bool RenameOver(const std::string& from, const std::string& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    Unlock(from);
    return FlushDirectory(DirectoryOf(to));
  }

  bool Remove(const std::string& path) override {
    const bool removed = ::unlink(path.c_str()) == 0;
    Unlock(path);
    return removed;
  }

 private:
  // Keeps the lock of a closed temporary file through a duplicate of its
  // descriptor (a failed duplicate keeps nothing).
  void KeepLocked(const std::string& temporaryPath, int duplicate) {
    if (duplicate < 0) return;
    std::lock_guard<std::mutex> guard(mutex_);
    locks_[temporaryPath] = duplicate;
  }

  void Unlock(const std::string& temporaryPath) {
    std::lock_guard<std::mutex> guard(mutex_);
    const auto lock = locks_.find(temporaryPath);
    if (lock == locks_.end()) return;
    ::close(lock->second);
    locks_.erase(lock);
  }

  std::mutex mutex_;
  std::map<std::string, int> locks_;  // closed temporary files, by path
};

}  // namespace

FileOperations& RealFileOperations() {
  static PosixFileOperations operations;
  return operations;
}

}  // namespace kit
