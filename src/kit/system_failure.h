// A system error that its caller cannot turn into one of its own messages
// and must let through: the parameter page's set-up, for one. The system
// layer itself never throws; its callers throw this where they give up.
#pragma once

#include <stdexcept>
#include <string>

#include "kit/system.h"

namespace kit {

// The error as the program's French messages put it: its cause in French
// (error_cause.h), then the path it was about, if any: "accès refusé :
// /chemin". Never the system library's English words.
std::string DescribeSystemError(const SystemError& error);

class SystemFailure : public std::runtime_error {
 public:
  explicit SystemFailure(SystemError error) : std::runtime_error(DescribeSystemError(error)), error_(std::move(error)) {}
  const SystemError& error() const { return error_; }

 private:
  SystemError error_;
};

// The value of the result, or a SystemFailure with its error.
template <typename T>
T ValueOrThrow(Result<T> result) {
  if (!result) throw SystemFailure(result.error());
  return std::move(*result);
}

}  // namespace kit
