#include "cli/usage.h"

namespace cli {

// The program file's name holds spaces: the help quotes it as a user must.
const std::string_view kProgramCall = "\"Zantrel Velquist Creator.exe\"";

}  // namespace cli
