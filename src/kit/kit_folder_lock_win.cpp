#include <windows.h>

#include <cwchar>
#include <optional>
#include <string>
#include <utility>

#include "kit/kit_folder_lock.h"
#include "kit/utf16.h"

namespace kit {
namespace {

// The mutex's name: the volume and the file index of the folder, which are
// the same however the path is spelt (case, short names, links).
std::optional<std::wstring> MutexName(const std::string& folder, DWORD& error) {
  const std::optional<std::wstring> wide = Utf8ToWide(folder);
  if (!wide) {
    error = ERROR_INVALID_NAME;
    return std::nullopt;
  }
  const HANDLE handle = CreateFileW(wide->c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = GetFileInformationByHandle(handle, &information);
  error = known ? ERROR_SUCCESS : GetLastError();
  CloseHandle(handle);
  if (!known) return std::nullopt;
  wchar_t name[96];
  std::swprintf(name, sizeof name / sizeof name[0], L"Local\\ZantrelVelquistCreator.Kit.%08lx.%08lx%08lx",
                information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow);
  return std::wstring(name);
}

}  // namespace

KitFolderLock KitFolderLock::Take(const std::string& folder, const std::function<void()>& waiting) {
  DWORD error = ERROR_SUCCESS;
  const std::optional<std::wstring> name = MutexName(folder, error);
  if (!name) return KitFolderLock(kNone, static_cast<int>(error));
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, name->c_str());
  if (!mutex) return KitFolderLock(kNone, static_cast<int>(GetLastError()));
  DWORD waited = WaitForSingleObject(mutex, 0);
  if (waited == WAIT_TIMEOUT) {
    waiting();
    waited = WaitForSingleObject(mutex, INFINITE);
  }
  // An abandoned mutex was held by a run that ended without releasing it:
  // the kit is this run's now.
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    error = waited == WAIT_FAILED ? GetLastError() : ERROR_INVALID_HANDLE;
    CloseHandle(mutex);
    return KitFolderLock(kNone, static_cast<int>(error));
  }
  return KitFolderLock(reinterpret_cast<std::intptr_t>(mutex), 0);
}

// Released by the thread that took it: the generation procedure runs on one.
void KitFolderLock::Release() noexcept {
  if (handle_ == kNone) return;
  const HANDLE mutex = reinterpret_cast<HANDLE>(std::exchange(handle_, kNone));
  ReleaseMutex(mutex);
  CloseHandle(mutex);
}

}  // namespace kit
