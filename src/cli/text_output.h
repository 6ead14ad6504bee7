// Where the command line's text goes: the standard output or error of the
// process, or a test's buffer. Plain bytes, with no stream library between:
// each write is checked, so a lost output never passes for success.
#pragma once

#include <string_view>
#include <system_error>

namespace cli {

class TextOutput {
 public:
  virtual ~TextOutput() = default;

  // Writes the whole UTF-8 text. Gives no error when it is written, or the
  // system's (errno in the generic category on Linux, GetLastError() in the
  // system category on Windows) when it is not.
  virtual std::error_code Write(std::string_view text) = 0;
};

}  // namespace cli
