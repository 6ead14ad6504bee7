#include <cerrno>

#include "kit/error_cause.h"

namespace kit {

// The system's codes are errno values, with one more that means a full disk
// to its user: a disk quota reached.
ErrorCause CauseOfSystemCode(int code) { return code == EDQUOT ? ErrorCause::NoSpaceLeft : CauseOfErrno(code); }

}  // namespace kit
