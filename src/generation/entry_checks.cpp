#include "generation/entry_checks.h"

#include <optional>
#include <utility>

#include "generation/messages.h"
#include "kit/entry_rules.h"

namespace generation {
namespace {

std::string NameProblemMessage(kit::NameProblem problem) {
  switch (problem) {
    case kit::NameProblem::RefusedCharacter: return messages::RefusedNameCharacters();
    case kit::NameProblem::DotName: return messages::kNameIsDots;
    case kit::NameProblem::LeadingPoint: return messages::kNameStartsWithPoint;
    case kit::NameProblem::ControlCharacter: return messages::ControlCharacterInField(messages::kNameSubject);
    case kit::NameProblem::TooLong: return messages::kNameTooLong;
    case kit::NameProblem::ReservedDeviceName: return messages::kNameReserved;
    case kit::NameProblem::EndsWithPoint: return messages::kNameEndsWithPoint;
  }
  return messages::kNameTooLong;
}

// The refusal of an entry the code page cannot hold, naming the first
// character it cannot.
EntryRefusal Unwritable(const char* subject, const std::string& text, Field field) {
  const std::string character = kit::FirstUnwritableCharacter(text).value_or(text);
  return EntryRefusal{messages::UnwritableCharacterInField(subject, character), field};
}

}  // namespace

std::string TrimSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Text can reach the fields by routes no key filter sees, and the command
// line has no key filter at all, so the entries are checked here before they
// name files or fill kit lines: a name like "../.." would otherwise write
// outside the Output folder, and a line break would break the configuration
// file. Whether the code page can hold an entry is asked by encoding it: the
// bytes are the ones the writers write.
std::variant<EntryRefusal, EncodedEntries> CheckEntries(const std::string& name, const std::string& version,
                                                        const std::string& address, const std::string& destination) {
  if (name.empty()) return EntryRefusal{messages::kNameMissing, Field::Name};
  if (version.empty()) return EntryRefusal{messages::kVersionMissing, Field::Version};
  if (address.empty()) return EntryRefusal{messages::kAddressMissing, Field::Address};
  if (auto problem = kit::CheckProgramName(name, destination)) {
    return EntryRefusal{NameProblemMessage(*problem), Field::Name};
  }
  std::optional<kit::AnsiText> ansiName = kit::EncodeToAnsi(name);
  if (!ansiName) return Unwritable(messages::kNameSubject, name, Field::Name);

  const struct {
    const std::string& text;
    const char* subject;
    Field field;
  } lines[] = {{version, messages::kVersionSubject, Field::Version},
               {address, messages::kAddressSubject, Field::Address}};
  std::optional<kit::AnsiText> ansiLines[2];
  for (std::size_t i = 0; i < 2; ++i) {
    const auto& line = lines[i];
    if (kit::HasControlCharacter(line.text)) {
      return EntryRefusal{messages::ControlCharacterInField(line.subject), line.field};
    }
    ansiLines[i] = kit::EncodeToAnsi(line.text);
    if (!ansiLines[i]) return Unwritable(line.subject, line.text, line.field);
    // The version's key filter takes digits and points only; text that
    // reached the field some other way is held to the same rule.
    if (line.field == Field::Version && !kit::IsVersionText(line.text)) {
      return EntryRefusal{messages::kVersionDigitsAndPointsOnly, Field::Version};
    }
  }
  return EncodedEntries{*std::move(ansiName), *std::move(ansiLines[0]), *std::move(ansiLines[1])};
}

}  // namespace generation
