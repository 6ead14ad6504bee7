#include "kit/kit_folder_lock.h"

#include <utility>

namespace kit {

KitFolderLock::KitFolderLock(KitFolderLock&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), error_(other.error_) {}

KitFolderLock& KitFolderLock::operator=(KitFolderLock&& other) noexcept {
  if (this != &other) {
    Release();
    handle_ = std::exchange(other.handle_, kNone);
    error_ = other.error_;
  }
  return *this;
}

KitFolderLock::~KitFolderLock() { Release(); }

}  // namespace kit
