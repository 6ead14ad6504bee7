// One run at a time per kit. The generation procedure holds this lock on
// the kit's folder from the question whether to replace the kit to the last
// writer, so that two runs for the same kit (two wizards, a wizard and a
// script, a build matrix) never mix their files: the second one waits, and
// the kit is always the whole work of one run. The lock adds no file to the
// kit, and the system drops it when its process ends, however it ends.
//
// On Linux it is flock() on the folder itself; on Windows a mutex named
// after the folder's identity on its volume (not after its path, which can
// be spelt in many ways), in the session's namespace.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kit {

class KitFolderLock {
 public:
  // Takes the lock of the existing folder at the path. When another run
  // holds it, calls waiting() once, then waits as long as it takes. A file
  // system that has no locks gives a lock that holds nothing, since nothing
  // can be held there.
  static KitFolderLock Take(const std::string& folder, const std::function<void()>& waiting);

  KitFolderLock(KitFolderLock&& other) noexcept;
  KitFolderLock& operator=(KitFolderLock&& other) noexcept;
  KitFolderLock(const KitFolderLock&) = delete;
  KitFolderLock& operator=(const KitFolderLock&) = delete;
  // Lets the next run in.
  ~KitFolderLock();

  // 0 when the lock is held; otherwise the system's error code (errno on
  // Linux, GetLastError() on Windows) of the failure to take it.
  int error() const { return error_; }

 private:
  KitFolderLock(std::intptr_t handle, int error) : handle_(handle), error_(error) {}
  void Release() noexcept;

  // A descriptor on Linux, a mutex handle on Windows; kNone for none.
  static constexpr std::intptr_t kNone = -1;
  std::intptr_t handle_ = kNone;
  int error_ = 0;
};

}  // namespace kit
