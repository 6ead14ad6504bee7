// What --help and --version print.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// How a user calls the program on this system, as the help writes it
// (usage_posix.cpp, usage_win.cpp).
extern const std::string_view kProgramCall;

// "Zantrel Velquist Creator 1.00", without a line end.
std::string VersionText();

// The one line a usage error prints: the cause, then where to find the
// usage, ending with a line end.
std::string UsageErrorLine(const std::string& cause);

// The usage: every form of the command line, its options and exit codes,
// one line each, ending with a line end.
std::string HelpText();

}  // namespace cli
