// The checks of the program name, the version and the address before they
// name files or fill kit lines.
#pragma once

#include <optional>
#include <string>

namespace generation {

// The entry a refusal is about.
enum class Field { Name, Version, Address };

struct EntryRefusal {
  std::string message;
  Field field;
};

// Only spaces are trimmed: other blanks are the name's own.
std::string TrimSpaces(const std::string& text);

// The first reason, in the order name, version, address, why the trimmed
// entries cannot make a kit in the destination; nothing when they can.
std::optional<EntryRefusal> CheckEntries(const std::string& name, const std::string& version,
                                         const std::string& address, const std::string& destination);

}  // namespace generation
