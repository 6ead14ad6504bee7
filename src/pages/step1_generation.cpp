// The Next button of the parameter page: it checks the entries, creates the
// kit's folders, asks before replacing a kit and writes the five kit files.
#include <exception>
#include <optional>

#include "kit/entry_rules.h"
#include "kit/file_tests.h"
#include "kit/kit_layout.h"
#include "pages/step1_messages.h"
#include "pages/step1_wizard.h"

namespace pages {

using kit::KitFile;
using ui::ControlId;

namespace {

constexpr unsigned kEntryBox = ui::mb::kIconInformation | ui::mb::kOk | ui::mb::kSetForeground;
constexpr unsigned kErrorBox = ui::mb::kIconError | ui::mb::kOk | ui::mb::kSetForeground;
constexpr unsigned kReplaceBox =
    ui::mb::kIconWarning | ui::mb::kYesNo | ui::mb::kDefaultButton2 | ui::mb::kSetForeground;

// Only spaces are trimmed: other blanks are the name's own.
std::string TrimSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

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

struct EntryRefusal {
  std::string message;
  ControlId field;
};

// Text can reach the fields by routes no key filter sees, so the entries
// are checked here before they name files or fill kit lines: a name
// like "../.." would otherwise write outside the Output folder, and a line
// break would break the configuration file.
std::optional<EntryRefusal> CheckEntries(const std::string& name, const std::string& version,
                                         const std::string& address, const std::string& destination) {
  if (auto problem = kit::CheckProgramName(name, destination)) {
    return EntryRefusal{NameProblemMessage(*problem), ControlId::Text1};
  }
  if (auto character = kit::FirstUnwritableCharacter(name)) {
    return EntryRefusal{messages::UnwritableCharacterInField(messages::kNameSubject, *character), ControlId::Text1};
  }
  const struct {
    const std::string& text;
    const char* subject;
    ControlId field;
  } lines[] = {{version, messages::kVersionSubject, ControlId::Text2},
               {address, messages::kAddressSubject, ControlId::Text3}};
  for (const auto& line : lines) {
    if (kit::HasControlCharacter(line.text)) {
      return EntryRefusal{messages::ControlCharacterInField(line.subject), line.field};
    }
    if (auto character = kit::FirstUnwritableCharacter(line.text)) {
      return EntryRefusal{messages::UnwritableCharacterInField(line.subject, *character), line.field};
    }
    // The version's key filter takes digits and points only; text that
    // reached the field some other way is held to the same rule.
    if (line.field == ControlId::Text2 && !kit::IsVersionText(line.text)) {
      return EntryRefusal{messages::kVersionDigitsAndPointsOnly, ControlId::Text2};
    }
  }
  return std::nullopt;
}

}  // namespace

void Step1Wizard::Command2_Click() {
  try {
    GenerateKit();
  } catch (const std::exception&) {
    FailGeneration();
  }
}

void Step1Wizard::GenerateKit() {
  ui::Window& controls = Controls();
  for (ControlId field : {ControlId::Text1, ControlId::Text2, ControlId::Text3}) {
    controls.SetText(field, TrimSpaces(controls.Text(field)));
  }
  const std::string name = controls.Text(ControlId::Text1);
  const std::string version = controls.Text(ControlId::Text2);
  const std::string address = controls.Text(ControlId::Text3);
  const std::string destination = controls.Text(ControlId::Text4);

  if (name.empty()) return RefuseEntry(messages::kNameMissing, ControlId::Text1);
  if (version.empty()) return RefuseEntry(messages::kVersionMissing, ControlId::Text2);
  if (address.empty()) return RefuseEntry(messages::kAddressMissing, ControlId::Text3);
  if (auto refusal = CheckEntries(name, version, address, destination)) {
    return RefuseEntry(refusal->message, refusal->field);
  }

  const std::string language = controls.Text(ControlId::Combo1);
  const std::string languageFile = kit::LanguageFilePath(InstallRoot, language);
  if (!kit::IsPlainLanguageEntry(language) || !kit::FileExists(languageFile)) {
    platform_.MsgBox(messages::kLanguageMissing, kEntryBox);
    controls.SetListIndex(ControlId::Combo1, 0);
    controls.SetFocus(ControlId::Combo1);
    return;
  }
  const std::string updater = kit::UpdaterExecutablePath(InstallRoot);
  if (!kit::FileExists(updater)) return ReportMissingRedistributable(messages::kUpdaterMissing);
  const std::string manifest = kit::UpdaterManifestPath(InstallRoot);
  if (!kit::FileExists(manifest)) return ReportMissingRedistributable(messages::kManifestMissing);

  if (!kit::DirectoryExists(destination)) kit::CreateDirectoryLevel(destination);
  const std::string kitDirectory = kit::KitDirectoryPath(destination, name);
  if (!kit::DirectoryExists(kitDirectory)) kit::CreateDirectoryLevel(kitDirectory);

  auto kitFile = [&](KitFile file) { return kit::KitFilePath(destination, name, file); };
  if (kit::FileExists(kitFile(KitFile::Updater)) &&
      platform_.MsgBox(messages::ReplaceKitQuestion(name), kReplaceBox) != ui::Answer::Yes) {
    return;
  }

  const bool written = CopyKitFile(updater, kitFile(KitFile::Updater)) &&
                       CopyKitFile(manifest, kitFile(KitFile::Manifest)) &&
                       CopyKitFile(languageFile, kitFile(KitFile::Language)) &&
                       WriteKitConfig(kitFile(KitFile::Config)) && WriteKitVersion(kitFile(KitFile::Version));
  if (!written) return FailGeneration();

  GoTo(PageId::WizardFinished);
}

void Step1Wizard::RefuseEntry(const std::string& message, ControlId field) {
  platform_.MsgBox(message, kEntryBox);
  Controls().SetFocus(field);
}

void Step1Wizard::FailGeneration() {
  platform_.MsgBox(messages::GenerationFailed(Controls().Text(ControlId::Text1)), kErrorBox);
  Close();
}

}  // namespace pages
