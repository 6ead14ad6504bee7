// The checks of the program name, the version and the address before they
// name files or fill kit lines.
#pragma once

#include <string>
#include <variant>

#include "kit/ansi_encoding.h"

namespace generation {

// The entry a refusal is about.
enum class Field { Name, Version, Address };

struct EntryRefusal {
  std::string message;
  Field field;
};

// Only spaces are trimmed: other blanks are the name's own.
std::string TrimSpaces(const std::string& text);

// The trimmed entries in the kit files' code page, encoded once, by the
// check that they can be, for the writers.
struct EncodedEntries {
  kit::AnsiText name;
  kit::AnsiText version;
  kit::AnsiText address;
};

// The first reason, in the order name, version, address, why the trimmed
// entries cannot make a kit in the destination; when there is none, the
// entries encoded for the kit files.
std::variant<EntryRefusal, EncodedEntries> CheckEntries(const std::string& name, const std::string& version,
                                                        const std::string& address, const std::string& destination);

}  // namespace generation
