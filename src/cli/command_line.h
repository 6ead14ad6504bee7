// The program's command line, read into a plain record. Arguments are UTF-8
// and come without the program's own name.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

struct CommandLine {
  enum class Action { BuildKit, ListLanguages, Help, Version };
  Action action = Action::BuildKit;
  std::string name;
  std::string version;
  std::string address;
  // Absent: the language the wizard would select first.
  std::optional<std::string> language;
  bool replace = false;
};

struct ParsedCommandLine {
  CommandLine commandLine;
  // Why the arguments make no command, in French, without a final point;
  // empty when they do. It may repeat an argument as it was given.
  std::string usageError;
};

// --help (or -h), --version and --list-languages stand alone. Anything else
// with them, an unknown option, a missing value or option, an option given
// twice or a stray argument is a usage error.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace cli
