#include <windows.h>

#include "kit_test_support.h"

namespace kit_test {

bool IsHidden(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(PathOf(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

const char* const kNullDevice = "NUL";

const std::set<char32_t> kControlsWithAByte = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

}  // namespace kit_test
