// The real file operations, on POSIX descriptors.
//
// Each open file carries one buffer of fixed size: the kit copy moves its
// data in blocks of 2048 bytes, and handing each block to the kernel on its
// own costs several times what the copy itself costs. Buffered, a copy takes
// one read and one write system call per buffer.
#include "kit/file_operations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "kit/temporary_names.h"

namespace kit {
namespace {

struct OpenFile {
  int descriptor = -1;
  bool writing = false;
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

  FileHandle OpenForReading(const std::string& path) override {
    auto file = NewRecord(false);
    int descriptor;
    do {
      descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) return kNoFile;
    file->descriptor = descriptor;
    return ToHandle(file.release());
  }

  // Like mkstemp, but the file is created with mode 0666 so that the umask
  // and any default ACL of the directory shape its permissions exactly as
  // for any other new file (mkstemp would leave it 0600).
  FileHandle CreateTemporaryFor(const std::string& target, std::string& temporaryPath) override {
    const std::size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string_view name = std::string_view(target).substr(directory.size());
    if (name.empty()) {
      errno = EISDIR;
      return kNoFile;
    }
    auto file = NewRecord(true);
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string candidate = directory + NewTemporaryName();
      const int descriptor = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (descriptor >= 0) {
        temporaryPath = std::move(candidate);
        file->descriptor = descriptor;
        return ToHandle(file.release());
      }
      if (errno != EEXIST && errno != EINTR) return kNoFile;
    }
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

  bool Close(FileHandle handle) override {
    std::unique_ptr<OpenFile> file(FromHandle(handle));
    bool ok = !file->writing || WriteAll(file->descriptor, file->buffer.get(), file->end);
    // Linux releases the descriptor even when close reports an error, so
    // close is never repeated; its error (a delayed write failure on some
    // file systems) still fails the file.
    if (::close(file->descriptor) != 0) ok = false;
    return ok;
  }

  bool RenameOver(const std::string& from, const std::string& to) override {
    return ::rename(from.c_str(), to.c_str()) == 0;
  }

  bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

};

}  // namespace

FileOperations& RealFileOperations() {
  static PosixFileOperations operations;
  return operations;
}

}  // namespace kit
