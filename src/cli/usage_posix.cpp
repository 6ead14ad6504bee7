#include "cli/usage.h"

namespace cli {

const std::string_view kProgramCall = "zantrel-velquist-creator";

}  // namespace cli
