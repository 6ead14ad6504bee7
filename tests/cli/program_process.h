// The built program run as a process of its own, from a copy placed in a
// throw-away install tree, with no display in its environment.
#pragma once

#include <sys/resource.h>

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

// An install tree with a copy of the built program at its top.
class ProgramTree : public testing_support::InstallTree {
 public:
  ProgramTree();

  // Runs the copy with the arguments and waits for its end. A file size
  // limit makes larger writes fail (the signal it raises is ignored).
  ProgramRun Run(const std::vector<std::string>& arguments, Display display = Display::None,
                 std::optional<rlim_t> fileSizeLimit = std::nullopt) const;

  std::string ProgramFile() const;
};

}  // namespace cli_test
