// What a failed call to the system means to the person who has to act on
// it: the few causes the program's messages name, and one for the rest,
// with their French words.
#pragma once

#include <string>
#include <system_error>

namespace kit {

enum class ErrorCause {
  AccessDenied,
  NotFound,
  NoSpaceLeft,
  ReadOnly,
  TooManyLinks,  // too many links to a file, or a loop of symbolic links
  NameTooLong,
  FileTooLarge,  // larger than the file system or a file-size limit allows
  BrokenPipe,    // the program reading an output has closed it
  Other,
};

// The cause of an error: an errno value in the generic category, or the
// system's own code in the system category (errno on Linux, GetLastError()
// on Windows).
ErrorCause CauseOf(const std::error_code& error);

// The cause in French, in lower case and without a final point ("accès
// refusé"); for any other cause, the system's number ("erreur du système
// n° 5"). Never the system library's English words.
std::string CauseInFrench(const std::error_code& error);

// The cause of a code of the system category, defined with each system's
// implementation of system.h.
ErrorCause CauseOfSystemCode(int code);

// The cause of an errno value, the same on every system.
ErrorCause CauseOfErrno(int value);

}  // namespace kit
