// The built program run as a process of its own, from a copy placed in a
// throw-away install tree, with no display in its environment.
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "install_tree.h"

namespace cli_test {

struct ProgramRun {
  int exitCode;  // 128 + the signal's number when a signal ended it
  std::string out;
  std::string err;
};

// Which environment the program gets: the test's own, or that of a build
// machine: the test's less DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM, and
// the C locale, whose terminal shows no accented letter.
enum class Display { Inherited, None };

// Where a standard output goes: a file the test reads, a full device, or a
// pipe whose reader has gone.
enum class Sink { File, FullDevice, ClosedPipe };

struct RunOptions {
  Display display = Display::None;
  // A file size limit, with the system's default action for the signal it
  // raises (which ends a program that does not ignore it).
  std::optional<rlim_t> fileSizeLimit = std::nullopt;
  Sink out = Sink::File;
  Sink err = Sink::File;
};

// An install tree with a copy of the built program at its top.
class ProgramTree : public testing_support::InstallTree {
 public:
  ProgramTree();

  // Runs the copy with the arguments and waits for its end.
  ProgramRun Run(const std::vector<std::string>& arguments, const RunOptions& options = {}) const;

  // Starts the copy without waiting; Wait gives its run. Runs started at
  // once keep their outputs apart.
  pid_t Start(const std::vector<std::string>& arguments, const RunOptions& options = {}) const;
  ProgramRun Wait(pid_t run) const;

  std::string ProgramFile() const;
};

}  // namespace cli_test
