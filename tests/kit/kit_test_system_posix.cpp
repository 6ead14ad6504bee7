#include "kit_test_support.h"

namespace kit_test {

bool IsHidden(const std::string& path) { return Utf8Of(PathOf(path).filename()).starts_with('.'); }

const char* const kNullDevice = "/dev/null";

const std::set<char32_t> kControlsWithAByte = {};

}  // namespace kit_test
