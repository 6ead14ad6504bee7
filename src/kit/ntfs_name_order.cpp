#include "kit/ntfs_name_order.h"

#include <algorithm>
#include <optional>
#include <string>

#include "text/utf8.h"

namespace kit {
namespace {

// A block where the upper case of each odd unit is the even unit before it.
bool InEvenOddPairs(char16_t unit, char16_t first, char16_t last) { return unit >= first && unit <= last; }

// The UTF-16 code units of a UTF-8 name; a byte that starts no valid
// sequence stands for itself as 0xDC00 + byte.
std::u16string CodeUnits(std::string_view utf8) {
  std::u16string units;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const std::optional<char32_t> code = text::DecodeUtf8(utf8, at);
    if (!code) {
      units.push_back(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(utf8[at++])));
    } else if (*code >= 0x10000) {
      units.push_back(static_cast<char16_t>(0xD800 + ((*code - 0x10000) >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + ((*code - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<char16_t>(*code));
    }
  }
  return units;
}

}  // namespace

char16_t NtfsUpperCase(char16_t unit) {
  const auto minus = [unit](int offset) { return static_cast<char16_t>(unit - offset); };
  if (unit >= u'a' && unit <= u'z') return minus(0x20);
  if (unit < 0x80) return unit;
  if (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7) return minus(0x20);  // à … þ, not ÷
  if (unit == 0xFF) return 0x178;                                         // ÿ
  if (InEvenOddPairs(unit, 0x100, 0x12F) || InEvenOddPairs(unit, 0x132, 0x137) ||
      InEvenOddPairs(unit, 0x14A, 0x177)) {
    return unit % 2 ? minus(1) : unit;
  }
  if ((unit >= 0x139 && unit <= 0x148) || (unit >= 0x179 && unit <= 0x17E)) return unit % 2 ? unit : minus(1);
  if (unit >= 0x3B1 && unit <= 0x3CB && unit != 0x3C2) return minus(0x20);  // Greek α … ϋ
  if (unit == 0x3C2) return 0x3A3;                                         // final sigma
  if (unit == 0x3AC) return 0x386;
  if (unit >= 0x3AD && unit <= 0x3AF) return minus(0x25);
  if (unit == 0x3CC) return 0x38C;
  if (unit == 0x3CD || unit == 0x3CE) return minus(0x3F);
  if (unit >= 0x430 && unit <= 0x44F) return minus(0x20);  // Cyrillic а … я
  if (unit >= 0x450 && unit <= 0x45F) return minus(0x50);  // ѐ … џ
  if (InEvenOddPairs(unit, 0x460, 0x481) || InEvenOddPairs(unit, 0x48A, 0x4BF) ||
      InEvenOddPairs(unit, 0x4D0, 0x52F)) {
    return unit % 2 ? minus(1) : unit;
  }
  if (unit >= 0x4C1 && unit <= 0x4CE) return unit % 2 ? unit : minus(1);
  if (unit >= 0x561 && unit <= 0x586) return minus(0x30);  // Armenian
  if (InEvenOddPairs(unit, 0x1E00, 0x1E95) || InEvenOddPairs(unit, 0x1EA0, 0x1EFF)) {
    return unit % 2 ? minus(1) : unit;
  }
  if (unit >= 0x2170 && unit <= 0x217F) return minus(0x10);  // small Roman numerals
  if (unit >= 0x24D0 && unit <= 0x24E9) return minus(0x1A);  // circled small letters
  if (unit >= 0xFF41 && unit <= 0xFF5A) return minus(0x20);  // full-width ａ … ｚ
  return unit;
}

bool NtfsNameLess(std::string_view a, std::string_view b) {
  const std::u16string unitsA = CodeUnits(a), unitsB = CodeUnits(b);
  const std::size_t common = std::min(unitsA.size(), unitsB.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char16_t upperA = NtfsUpperCase(unitsA[i]), upperB = NtfsUpperCase(unitsB[i]);
    if (upperA != upperB) return upperA < upperB;
  }
  if (unitsA.size() != unitsB.size()) return unitsA.size() < unitsB.size();
  return a < b;
}

}  // namespace kit
