// The path of a program file the build made, for the Windows tests: the
// build names it with a Unix path, which Wine reaches through drive Z:.
#pragma once

#include <algorithm>
#include <string>

#include "text/wide.h"

namespace testing_support {

inline std::wstring BuiltProgramFile(std::string path) {
  if (!path.empty() && path.front() == '/') {
    std::replace(path.begin(), path.end(), '/', '\\');
    path = "Z:" + path;
  }
  return text::Utf8ToWide(path).value_or(std::wstring());
}

}  // namespace testing_support
