// The standard output and error of the Windows program, which is a GUI
// program: the system gives it no console of its own. Output redirected to
// a file or a pipe (a release script) gets the UTF-8 bytes as they are;
// output to the console of the command line that started the program is
// written as UTF-16, so that accents show whatever the console's code page.
// Every write is checked; no stream library is linked in.
#pragma once

#include <windows.h>

#include "cli/text_output.h"

namespace app {

class HandleOutput final : public cli::TextOutput {
 public:
  explicit HandleOutput(HANDLE handle);
  // A program started without the output (from the Explorer, say) has no one
  // to read it: the text is dropped, and the exit code still tells.
  std::error_code Write(std::string_view text) override;

 private:
  HANDLE handle_;
  bool console_;
};

class StandardStreams {
 public:
  // Binds to the handles the program was started with; where one is
  // missing, to the console of the parent process, if it has one.
  StandardStreams();

  HandleOutput& Out() { return out_; }
  HandleOutput& Err() { return err_; }

 private:
  HandleOutput out_;
  HandleOutput err_;
};

}  // namespace app
