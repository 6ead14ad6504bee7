// What a failed call to the system means to the person who has to act on
// it: the few causes the program's messages name, and one for the rest.
#pragma once

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

// The cause of an error code of the system: errno on Linux, GetLastError()
// on Windows.
ErrorCause CauseOfSystemError(int code);

}  // namespace kit
