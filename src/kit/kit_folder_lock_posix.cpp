#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "kit/kit_folder_lock.h"

namespace kit {
namespace {

// Answers of a file system that keeps no locks (some network ones).
bool MeansNoLocks(int error) { return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == EBADF; }

}  // namespace

KitFolderLock KitFolderLock::Take(const std::string& folder, const std::function<void()>& waiting) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return KitFolderLock(kNone, errno);
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
    return KitFolderLock(kNone, MeansNoLocks(error) ? 0 : error);
  }
  return KitFolderLock(descriptor, 0);
}

// Closing the only descriptor of the open folder drops its lock.
void KitFolderLock::Release() noexcept {
  if (handle_ != kNone) ::close(static_cast<int>(std::exchange(handle_, kNone)));
}

}  // namespace kit
