#include <cerrno>

#include "kit/error_cause.h"

namespace kit {

ErrorCause CauseOfSystemError(int code) {
  switch (code) {
    case EACCES:
    case EPERM: return ErrorCause::AccessDenied;
    case ENOENT:
    case ENOTDIR: return ErrorCause::NotFound;
    case ENOSPC:
    case EDQUOT: return ErrorCause::NoSpaceLeft;
    case EROFS: return ErrorCause::ReadOnly;
    case EMLINK:
    case ELOOP: return ErrorCause::TooManyLinks;
    case ENAMETOOLONG: return ErrorCause::NameTooLong;
    case EFBIG: return ErrorCause::FileTooLarge;
    case EPIPE: return ErrorCause::BrokenPipe;
    default: return ErrorCause::Other;
  }
}

}  // namespace kit
