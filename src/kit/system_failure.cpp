#include "kit/system_failure.h"

#include "kit/error_cause.h"

namespace kit {

std::string DescribeSystemError(const SystemError& error) {
  const std::string cause = CauseInFrench(error.code);
  return error.path.empty() ? cause : cause + " : " + error.path;
}

}  // namespace kit
