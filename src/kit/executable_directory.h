// The directory that holds the running program, as the system reports it.
#pragma once

#include <string>

namespace kit {

// In UTF-8. Throws std::system_error when the system cannot tell.
std::string ExecutableDirectory();

}  // namespace kit
