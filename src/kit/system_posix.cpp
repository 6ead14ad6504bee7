// The system layer on POSIX (Linux): UTF-8 paths straight to the system,
// file tests and the language listing through std::filesystem, the kit
// writers' files on descriptors, the program's folder from /proc/self/exe.
//
// Each open file carries the buffer of buffered_file.h; this file makes its
// raw reads and writes on the descriptor.
//
// A temporary file stays locked as in use (stale_temporaries_posix.h) from
// its creation until it is renamed or removed, beyond its Close: a
// duplicate of its descriptor keeps the lock in the meantime.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "kit/buffered_file.h"
#include "kit/error_cause.h"
#include "kit/stale_temporaries_posix.h"
#include "kit/system.h"
#include "kit/temporary_names.h"

namespace kit {

const std::string_view kSeparator = "/";
const FolderNameRules kNativeFolderNameRules = FolderNameRules::Posix;

namespace {
namespace fs = std::filesystem;

// The failure of a step, with the error the system has just given.
SystemError Failure(std::string_view operation, const std::string& path, int error = errno) {
  return SystemError{std::error_code(error, std::generic_category()), path, operation};
}

// On POSIX a name beginning with a point is hidden.
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
// path there and look at another one). Every other error is an error, so
// that an unusable folder or drive never passes for an absent file.
Result<fs::file_type> TypeOf(const std::string& path, std::string_view question) {
  if (path.find('\0') != std::string::npos) return fs::file_type::not_found;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found || CannotBeFormed(error)) return fs::file_type::not_found;
  if (error) return SystemError{error, path, question};
  return status.type();
}

// An open file on its descriptor. Reads and writes interrupted by a signal
// are made again.
class PosixFile final : public BufferedFile {
 public:
  using BufferedFile::BufferedFile;

  int descriptor = -1;

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

// The path of the running program, from the link /proc/self/exe.
// readlink does not say when it truncates: the buffer grows until the
// link's text fits with room to spare.
Result<std::string> ExecutablePath() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return Failure("readlink /proc/self/exe", {});
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// The lock of a kit folder: flock() on the folder's own descriptor, which
// closing drops.
class LockedFolder final : public FolderLock {
 public:
  explicit LockedFolder(int descriptor) : descriptor_(descriptor) {}
  ~LockedFolder() override {
    if (descriptor_ >= 0) ::close(descriptor_);
  }

 private:
  int descriptor_;
};

// Answers of a file system that keeps no locks (some network ones).
bool MeansNoLocks(int error) { return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == EBADF; }

class PosixSystem final : public System {
 public:
  Result<std::string> ExecutableDirectory() override {
    Result<std::string> path = ExecutablePath();
    if (!path) return path;
    const std::size_t slash = path->rfind('/');
    if (slash == std::string::npos) return Failure("/proc/self/exe", {}, ENOENT);
    return slash == 0 ? std::string("/") : path->substr(0, slash);
  }

  Result<bool> FileExists(const std::string& path) override {
    const Result<fs::file_type> type = TypeOf(path, "file test");
    if (!type) return type.error();
    return *type == fs::file_type::regular && !IsHiddenName(LastComponent(path));
  }

  // A trailing separator makes no difference: the system resolves "dir/" as
  // "dir", and "file/" as not found.
  Result<bool> DirectoryExists(const std::string& path) override {
    const Result<fs::file_type> type = TypeOf(path, "directory test");
    if (!type) return type.error();
    return *type == fs::file_type::directory;
  }

  Status CreateDirectoryLevel(const std::string& path) override {
    constexpr std::string_view kOperation = "cannot create directory";
    // create_directory also succeeds quietly when the directory is already
    // there; a file or anything else standing in its place is an error.
    std::error_code error;
    const bool created = fs::create_directory(path, error);
    if (error) return SystemError{error, path, kOperation};
    if (created) return {};
    const Result<fs::file_type> type = TypeOf(path, kOperation);
    if (!type) return type.error();
    if (*type != fs::file_type::directory) return Failure(kOperation, path, EEXIST);
    return {};
  }

  Result<std::vector<std::string>> ListFilesWithExtension(const std::string& directory,
                                                         const std::string& extension) override {
    constexpr std::string_view kOperation = "cannot list directory";
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entry(directory, error);
    if (error) {
      if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) return names;
      return SystemError{error, directory, kOperation};
    }
    for (; entry != fs::directory_iterator(); entry.increment(error)) {
      if (error) break;
      std::string name = entry->path().filename().string();
      if (IsHiddenName(name) || !name.ends_with(extension)) continue;
      // Same rule as FileExists: links are followed, and a link that leads
      // nowhere is no file; so every listed name passes the file test.
      const Result<fs::file_type> type = TypeOf(entry->path().string(), "language listing");
      if (!type) return type.error();
      if (*type == fs::file_type::regular) names.push_back(std::move(name));
    }
    if (error) return SystemError{error, directory, kOperation};
    return names;
  }

  Result<std::uint64_t> FileLength(const std::string& path) override {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return Failure("stat", path);
    if (!S_ISREG(status.st_mode) || status.st_size < 0) return Failure("stat", path, EINVAL);
    return static_cast<std::uint64_t>(status.st_size);
  }

  // The path is opened without waiting, then must be an ordinary file: a
  // FIFO put in the place of a source after its length was read would
  // otherwise hold the open until some writer came. Reads then wait again
  // as usual.
  Result<FileHandle> OpenForReading(const std::string& path) override {
    constexpr std::string_view kOperation = "open";
    auto file = std::make_unique<PosixFile>(false);
    const int descriptor = OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return Failure(kOperation, path);
    struct stat status {};
    const bool ordinary = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const int flags = ordinary ? ::fcntl(descriptor, F_GETFL) : -1;
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
      const int error = ordinary ? errno : EINVAL;
      ::close(descriptor);
      return Failure(kOperation, path, error);
    }
    file->descriptor = descriptor;
    file->path = path;
    return ToHandle(file.release());
  }

  // Like mkstemp, but the file is created with mode 0666 so that the umask
  // and any default ACL of the directory shape its permissions exactly as
  // for any other new file (mkstemp would leave it 0600).
  Result<FileHandle> CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    constexpr std::string_view kOperation = "cannot create temporary file";
    const std::string directory = DirectoryOf(target);
    if (directory.size() == target.size()) return Failure(kOperation, target, EISDIR);
    auto file = std::make_unique<PosixFile>(true);
    RemoveStaleTemporaries(directory);
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string candidate = directory + NewTemporaryName();
      const int descriptor = OpenRetrying(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (descriptor < 0) {
        if (errno == EEXIST) continue;
        return Failure(kOperation, candidate);
      }
      if (!LockAsInUse(descriptor)) {
        ::close(descriptor);
        continue;
      }
      file->descriptor = descriptor;
      file->path = candidate;
      temporaryPath = std::move(candidate);
      return ToHandle(file.release());
    }
    return Failure(kOperation, directory, EEXIST);
  }

  Result<std::size_t> Read(FileHandle handle, char* buffer, std::size_t size) override {
    PosixFile& file = FileOf(handle);
    const std::optional<std::size_t> got = file.Read(buffer, size);
    if (!got) return Failure("read", file.path);
    return *got;
  }

  Status Write(FileHandle handle, const char* data, std::size_t size) override {
    PosixFile& file = FileOf(handle);
    if (!file.Write(data, size)) return Failure("write", file.path);
    return {};
  }

  // fdatasync writes the file's bytes and what is needed to read them back
  // (its length), which is all a file about to be renamed needs; the
  // rename itself is flushed with the directory.
  Status FlushToDisk(FileHandle handle) override {
    PosixFile& file = FileOf(handle);
    if (!file.writing()) return {};
    if (!file.WriteOutHeldBytes()) return Failure("write", file.path);
    int flushed;
    do {
      flushed = ::fdatasync(file.descriptor);
    } while (flushed != 0 && errno == EINTR);
    if (flushed != 0) return Failure("fdatasync", file.path);
    return {};
  }

  Status Close(FileHandle handle) override {
    std::unique_ptr<PosixFile> file(&FileOf(handle));
    Status status;
    if (!file->WriteOutHeldBytes()) status = Failure("write", file->path);
    if (file->writing()) KeepLocked(file->path, ::fcntl(file->descriptor, F_DUPFD_CLOEXEC, 0));
    // Linux releases the descriptor even when close reports an error, so
    // close is never repeated; its error (a delayed write failure on some
    // file systems) still fails the file.
    if (::close(file->descriptor) != 0 && status) status = Failure("close", file->path);
    return status;
  }

  Status RenameOver(const std::string& from, const std::string& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return Failure("rename", to);
    Unlock(from);
    if (!FlushDirectory(DirectoryOf(to))) return Failure("fsync", DirectoryOf(to));
    return {};
  }

  Status Remove(const std::string& path) override {
    const bool removed = ::unlink(path.c_str()) == 0;
    const int error = errno;
    Unlock(path);
    if (!removed) return Failure("unlink", path, error);
    return {};
  }

  Result<std::unique_ptr<FolderLock>> LockKitFolder(const std::string& folder,
                                                    const std::function<void()>& waiting) override {
    const int descriptor = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return Failure("open", folder);
    int locked = ::flock(descriptor, LOCK_EX | LOCK_NB);
    if (locked != 0 && errno == EWOULDBLOCK) {
      waiting();
      do {
        locked = ::flock(descriptor, LOCK_EX);
      } while (locked != 0 && errno == EINTR);
    }
    if (locked != 0) {
      const int error = errno;
      ::close(descriptor);
      if (!MeansNoLocks(error)) return Failure("flock", folder, error);
      return std::unique_ptr<FolderLock>(std::make_unique<LockedFolder>(-1));
    }
    return std::unique_ptr<FolderLock>(std::make_unique<LockedFolder>(descriptor));
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

System& RealSystem() {
  static PosixSystem system;
  return system;
}

// The system's codes are errno values, with one more that means a full disk
// to its user: a disk quota reached.
ErrorCause CauseOfSystemCode(int code) { return code == EDQUOT ? ErrorCause::NoSpaceLeft : CauseOfErrno(code); }

}  // namespace kit
