#include "cli/run_command_line.h"

#include <exception>
#include <optional>

#include "cli/command_line.h"
#include "cli/usage.h"
#include "generation/kit_generation.h"
#include "generation/messages.h"
#include "generation/redistributable_files.h"
#include "kit/kit_layout.h"
#include "kit/system_failure.h"

namespace cli {
namespace {

namespace messages = generation::messages;
using Action = CommandLine::Action;
using Kind = generation::Outcome::Kind;

// A message box's text for a terminal: its CR LF become line ends.
std::string Lines(std::string message) {
  for (std::size_t at = message.find(messages::kCrLf); at != std::string::npos;
       at = message.find(messages::kCrLf, at + 1)) {
    message.replace(at, messages::kCrLf.size(), "\n");
  }
  return message + '\n';
}

// Without --replace an existing kit is kept, and the user is told how to
// replace it: the wizard's question cannot be asked here.
class ReplaceOption : public generation::ReplaceQuestion {
 public:
  ReplaceOption(bool replace, std::ostream& err) : replace_(replace), err_(err) {}
  bool ReplaceKit(const generation::Entries& entries) override {
    if (!replace_) {
      err_ << "Un système de mise à jour automatique pour \"" << entries.name
           << "\" existe déjà : il est conservé. Ajoutez --replace pour le remplacer.\n";
    }
    return replace_;
  }

 private:
  bool replace_;
  std::ostream& err_;
};

int ReportMissingRedistributable(const std::string& reason, std::ostream& err) {
  err << Lines(messages::MissingRedistributable(reason));
  return kRefused;
}

int BuildKit(const CommandLine& line, const std::string& installRoot, const std::string& firstLanguage,
             std::ostream& out, std::ostream& err) {
  // The wizard tests the program files as its page opens, before any entry.
  if (auto reason = kit::ValueOrThrow(generation::MissingProgramFile(installRoot))) return ReportMissingRedistributable(*reason, err);

  const generation::KitRequest request{.installRoot = installRoot,
                                       .destination = kit::DefaultDestination(installRoot),
                                       .name = line.name,
                                       .version = line.version,
                                       .address = line.address,
                                       .language = line.language.value_or(firstLanguage)};
  ReplaceOption question(line.replace, err);
  const generation::Outcome outcome = generation::GenerateKit(request, question);
  switch (outcome.kind) {
    case Kind::Refused:
    case Kind::LanguageMissing:
    case Kind::RedistributableMissing: err << Lines(outcome.message); return kRefused;
    case Kind::Declined: return kRefused;
    case Kind::Failed: err << Lines(outcome.message); return kFailure;
    case Kind::Written: break;
  }
  std::string folder = outcome.kitDirectory;
  folder.resize(folder.size() - kit::kSeparator.size());
  out << folder << '\n';
  return kWritten;
}

int Run(const CommandLine& line, const std::string& executableDirectory, std::ostream& out, std::ostream& err) {
  const std::string installRoot = kit::InstallRootFrom(executableDirectory);
  const std::vector<std::string> languages = kit::ValueOrThrow(generation::LanguageEntries(installRoot));
  if (languages.empty()) return ReportMissingRedistributable(messages::kNoLanguageFile, err);
  if (line.action == Action::ListLanguages) {
    for (const auto& language : languages) out << language << '\n';
    return kWritten;
  }
  return BuildKit(line, installRoot, languages.front(), out, err);
}

// The directory is looked up only for a command that needs the install tree.
int RunParsed(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
              const std::optional<std::string>& executableDirectory) {
  const ParsedCommandLine parsed = ParseCommandLine(arguments);
  if (!parsed.usageError.empty()) {
    err << "Zantrel Velquist Creator : " << parsed.usageError << "\n\n" << HelpText();
    return kUsage;
  }
  const CommandLine& line = parsed.commandLine;
  if (line.action == Action::Help) {
    out << HelpText();
    return kWritten;
  }
  if (line.action == Action::Version) {
    out << VersionText() << '\n';
    return kWritten;
  }
  try {
    return Run(line, executableDirectory ? *executableDirectory : kit::ValueOrThrow(kit::RealSystem().ExecutableDirectory()), out, err);
  } catch (const std::exception& error) {
    // Reading the install tree failed in a way no message of the wizard
    // names (access denied, a name too long): the system's own words.
    err << "Erreur : le dossier d'installation de Zantrel Velquist ne peut pas être lu (" << error.what() << ").\n";
    return kFailure;
  }
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return RunParsed(arguments, out, err, std::nullopt);
}

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::string& executableDirectory) {
  return RunParsed(arguments, out, err, executableDirectory);
}

}  // namespace cli
