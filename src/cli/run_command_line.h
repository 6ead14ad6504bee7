// The program run from its command line: no window and no display. It
// builds a kit through the same procedure as the wizard's Next button,
// lists the languages, or prints the usage or the version.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// What the program returns to the system.
enum ExitCode : int {
  kWritten = 0,  // the kit is written (or the help, version or languages printed)
  kRefused = 1,  // an entry, a missing install-tree file or an existing kit kept
  kUsage = 2,    // the arguments make no command
  kFailure = 3,  // a folder or file could not be made
};

// Runs the command given by the arguments (UTF-8, without the program's own
// name) on the install tree beside the running program. The kit folder's
// path goes to out, every message to err.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The same, on the install tree of a program file in executableDirectory.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::string& executableDirectory);

}  // namespace cli
