// Where the command line's text goes: the standard output or error of the
// process, or a test's buffer. Plain bytes, with no stream library between:
// each write is checked, so a lost output never passes for success.
#pragma once

#include <string_view>

namespace cli {

class TextOutput {
 public:
  virtual ~TextOutput() = default;

  // Writes the whole UTF-8 text. Gives 0 when it is written, or the
  // system's error code (errno on Linux, GetLastError() on Windows) when it
  // is not.
  virtual int Write(std::string_view text) = 0;
};

}  // namespace cli
