// What --help and --version print.
#pragma once

#include <string>

namespace cli {

// "Zantrel Velquist Creator 1.00", without a line end.
std::string VersionText();

// The one line a usage error prints: the cause, then where to find the
// usage, ending with a line end.
std::string UsageErrorLine(const std::string& cause);

// The usage: every form of the command line, its options and exit codes,
// one line each, ending with a line end.
std::string HelpText();

}  // namespace cli
