// Locks on temporary files, and the removal of those no one holds.
#include "kit/stale_temporaries_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "kit/temporary_names.h"

namespace kit {
namespace {

// Removes the file if it is an ordinary file that no one holds locked and
// the name still names the file that was examined.
void RemoveIfStale(const std::string& path) {
  // Opened without following a link and without waiting (a FIFO under such
  // a name must not block the clean-up).
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return;
  struct stat opened {};
  struct stat named {};
  if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
      ::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
    ::unlink(path.c_str());
  }
  ::close(descriptor);
}

}  // namespace

bool LockAsInUse(int descriptor) {
  // Only a clean-up can hold a lock on a file this new, and it holds it to
  // remove the file: no waiting for it, the caller moves on to a new name.
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return false;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) return false;
  return status.st_nlink > 0;
}

void RemoveStaleTemporaries(const std::string& directory) {
  DIR* stream = ::opendir(directory.empty() ? "." : directory.c_str());
  if (stream == nullptr) return;
  // The names are gathered first: the directory is not changed while it
  // is being read.
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(stream)) {
    if (IsTemporaryName(entry->d_name)) names.emplace_back(entry->d_name);
  }
  ::closedir(stream);
  for (const std::string& name : names) RemoveIfStale(directory + name);
}

}  // namespace kit
