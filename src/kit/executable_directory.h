// The directory of the running program file, found without any toolkit, so
// the command line can locate its install tree with no window system.
#pragma once

#include <string>

namespace kit {

// The directory that holds the running executable, as an absolute UTF-8
// path with no trailing separator (except for a root directory). Throws
// std::system_error when the system cannot tell.
std::string ExecutableDirectory();

}  // namespace kit
