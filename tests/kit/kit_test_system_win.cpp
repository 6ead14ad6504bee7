#include <windows.h>

#include "kit_test_support.h"

namespace kit_test {

bool IsHidden(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(PathOf(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

const char* const kNullDevice = "NUL";

}  // namespace kit_test
