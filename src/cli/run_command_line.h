// The program run from its command line: no window and no display. It
// builds a kit through the same procedure as the wizard's Next button,
// lists the languages, or prints the usage or the version.
#pragma once

#include <string>
#include <vector>

#include "cli/text_output.h"

namespace cli {

// What the program returns to the system.
enum ExitCode : int {
  kWritten = 0,  // the kit is written (or the help, version or languages printed)
  kRefused = 1,  // an entry, a missing install-tree file or an existing kit kept
  kUsage = 2,    // the arguments make no command
  kFailure = 3,  // a folder, a file or one of the outputs could not be written
};

// Runs the command given by the arguments (UTF-8, without the program's own
// name) on the install tree beside the running program. The kit folder's
// path and the lists go to out, every message to err. A write to either
// that fails makes the exit code kFailure, with a message on err when err
// still works; a kit already written stays.
int RunCommandLine(const std::vector<std::string>& arguments, TextOutput& out, TextOutput& err);

// The same, on the install tree of a program file in executableDirectory.
int RunCommandLine(const std::vector<std::string>& arguments, TextOutput& out, TextOutput& err,
                   const std::string& executableDirectory);

}  // namespace cli
