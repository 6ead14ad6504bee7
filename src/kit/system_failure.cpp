#include "kit/system_failure.h"

namespace kit {

std::string DescribeSystemError(const SystemError& error) {
  const std::string words = std::string(error.operation) + ": " + error.code.message();
  if (error.path.empty()) return words;
  return "filesystem error: " + words + " [" + error.path + "]";
}

}  // namespace kit
