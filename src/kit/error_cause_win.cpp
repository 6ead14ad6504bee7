#include <windows.h>

#include "kit/error_cause.h"

namespace kit {

ErrorCause CauseOfSystemCode(int code) {
  switch (static_cast<DWORD>(code)) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return ErrorCause::AccessDenied;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return ErrorCause::NotFound;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ErrorCause::NoSpaceLeft;
    case ERROR_WRITE_PROTECT: return ErrorCause::ReadOnly;
    case ERROR_TOO_MANY_LINKS:
    case ERROR_CANT_RESOLVE_FILENAME: return ErrorCause::TooManyLinks;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW: return ErrorCause::NameTooLong;
    case ERROR_FILE_TOO_LARGE: return ErrorCause::FileTooLarge;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA: return ErrorCause::BrokenPipe;
    default: return ErrorCause::Other;
  }
}

}  // namespace kit
