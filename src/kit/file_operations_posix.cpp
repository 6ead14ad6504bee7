// The real file operations, on POSIX descriptors.
//
// Each open file carries one buffer of fixed size: the kit copy moves its
// data in blocks of 2048 bytes, and handing each block to the kernel on its
// own costs several times what the copy itself costs. Buffered, a copy takes
// one read and one write system call per buffer.
//
// A temporary file stays locked as in use (stale_temporaries_posix.h) from
// its creation until it is renamed or removed, beyond its Close: a
// duplicate of its descriptor keeps the lock in the meantime.
#include "kit/file_operations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "kit/stale_temporaries_posix.h"
#include "kit/temporary_names.h"

namespace kit {
namespace {

struct OpenFile {
  int descriptor = -1;
  bool writing = false;       // only temporary files are written
  std::string temporaryPath;  // the path of a temporary file
  std::unique_ptr<char[]> buffer;
  std::size_t begin = 0;  // first unread byte of the buffer (reading)
  std::size_t end = 0;    // one past the last byte held in the buffer
};

OpenFile* FromHandle(FileHandle file) { return reinterpret_cast<OpenFile*>(static_cast<std::uintptr_t>(file)); }

FileHandle ToHandle(OpenFile* file) { return static_cast<FileHandle>(reinterpret_cast<std::uintptr_t>(file)); }

// The record and its buffer are allocated before the file is opened, so
// that running out of memory can never leave a descriptor or a file behind.
std::unique_ptr<OpenFile> NewRecord(bool writing) {
  auto file = std::make_unique<OpenFile>();
  file->writing = writing;
  file->buffer = std::make_unique<char[]>(kStreamBufferSize);
  return file;
}

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

// Hands the whole range to the kernel, going on after short writes and
// interruptions. A write that makes no progress counts as an error.
bool WriteAll(int descriptor, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {
      errno = EIO;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
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
    auto file = NewRecord(false);
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
    auto file = NewRecord(true);
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

  std::optional<std::size_t> Read(FileHandle handle, char* buffer, std::size_t size) override {
    OpenFile& file = *FromHandle(handle);
    std::size_t done = 0;
    while (done < size) {
      if (file.begin == file.end) {
        const ssize_t got = ::read(file.descriptor, file.buffer.get(), kStreamBufferSize);
        if (got < 0) {
          if (errno == EINTR) continue;
          return std::nullopt;
        }
        if (got == 0) break;  // end of file
        file.begin = 0;
        file.end = static_cast<std::size_t>(got);
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
        if (!WriteAll(file.descriptor, file.buffer.get(), file.end)) return false;
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

  // fdatasync writes the file's bytes and what is needed to read them back
  // (its length), which is all a file about to be renamed needs; the
  // rename itself is flushed with the directory.
  bool FlushToDisk(FileHandle handle) override {
    OpenFile& file = *FromHandle(handle);
    if (!file.writing) return true;
    if (!WriteAll(file.descriptor, file.buffer.get(), file.end)) return false;
    file.end = 0;
    int flushed;
    do {
      flushed = ::fdatasync(file.descriptor);
    } while (flushed != 0 && errno == EINTR);
    return flushed == 0;
  }

  bool Close(FileHandle handle) override {
    std::unique_ptr<OpenFile> file(FromHandle(handle));
    bool ok = !file->writing || WriteAll(file->descriptor, file->buffer.get(), file->end);
    if (file->writing) KeepLocked(file->temporaryPath, ::fcntl(file->descriptor, F_DUPFD_CLOEXEC, 0));
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
