#include "cli/run_command_line.h"

#include <optional>

#include "cli/command_line.h"
#include "cli/terminal_text.h"
#include "cli/usage.h"
#include "generation/kit_generation.h"
#include "generation/messages.h"
#include "generation/redistributable_files.h"
#include "kit/error_cause.h"
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

// The two outputs of one run. The first failed write of each is kept and
// nothing more is written there; the run's exit code then becomes a
// failure. Messages are made safe for a terminal, since they may repeat
// what the user gave.
class Outputs {
 public:
  Outputs(TextOutput& out, TextOutput& err) : out_(out), err_(err) {}

  void Out(std::string_view text) {
    if (!outError_) outError_ = out_.Write(text);
  }

  void Err(std::string_view text) {
    if (!errError_) errError_ = err_.Write(TerminalSafe(text));
  }

  // The exit code of a run that would end with exitCode if every write had
  // been made.
  int Finish(int exitCode) {
    if (outError_) {
      Err("Zantrel Velquist Creator : la sortie standard ne peut pas être écrite (" + kit::CauseInFrench(outError_) +
          ").\n");
      return kFailure;
    }
    return errError_ ? kFailure : exitCode;
  }

 private:
  TextOutput& out_;
  TextOutput& err_;
  std::error_code outError_;
  std::error_code errError_;
};

// Without --replace an existing kit is kept, and the user is told how to
// replace it: the wizard's question cannot be asked here.
class ReplaceOption : public generation::ReplaceQuestion {
 public:
  ReplaceOption(bool replace, Outputs& outputs) : replace_(replace), outputs_(outputs) {}
  bool ReplaceKit(const generation::Entries& entries) override {
    if (!replace_) {
      outputs_.Err("Un système de mise à jour automatique pour \"" + entries.name +
                   "\" existe déjà : il est conservé. Ajoutez --replace pour le remplacer.\n");
    }
    return replace_;
  }
  void WaitingForOtherRun(const generation::Entries& entries) override {
    outputs_.Err("Un autre programme crée en ce moment le système de mise à jour automatique pour \"" + entries.name +
                 "\" : attente de la fin de sa création.\n");
  }

 private:
  bool replace_;
  Outputs& outputs_;
};

int ReportMissingRedistributable(const std::string& reason, Outputs& outputs) {
  outputs.Err(Lines(messages::MissingRedistributable(reason)));
  return kRefused;
}

// Reading the install tree failed in a way no message of the wizard names
// (access denied, a loop of links): the cause and the path.
int ReportUnreadableInstallTree(const kit::SystemError& error, Outputs& outputs) {
  outputs.Err("Erreur : le dossier d'installation de Zantrel Velquist ne peut pas être lu (" +
              kit::DescribeSystemError(error) + ").\n");
  return kFailure;
}

int BuildKit(const CommandLine& line, const std::string& installRoot, const std::string& firstLanguage,
             Outputs& outputs) {
  // The wizard tests the program files as its page opens, before any entry.
  const auto missing = generation::MissingProgramFile(installRoot);
  if (!missing) return ReportUnreadableInstallTree(missing.error(), outputs);
  if (*missing) return ReportMissingRedistributable(**missing, outputs);

  const generation::KitRequest request{.installRoot = installRoot,
                                       .destination = kit::DefaultDestination(installRoot),
                                       .name = line.name,
                                       .version = line.version,
                                       .address = line.address,
                                       .language = line.language.value_or(firstLanguage)};
  ReplaceOption question(line.replace, outputs);
  const generation::Outcome outcome = generation::GenerateKit(request, question);
  switch (outcome.kind) {
    case Kind::Refused:
    case Kind::LanguageMissing:
    case Kind::RedistributableMissing: outputs.Err(Lines(outcome.message)); return kRefused;
    case Kind::Declined: return kRefused;
    case Kind::Failed:
      // The wizard's message, then what the system said and about which path.
      outputs.Err(Lines(outcome.message));
      if (outcome.systemError) outputs.Err("Cause : " + kit::DescribeSystemError(*outcome.systemError) + "\n");
      return kFailure;
    case Kind::Written: break;
  }
  std::string folder = outcome.kitDirectory;
  folder.resize(folder.size() - kit::kSeparator.size());
  outputs.Out(folder + '\n');
  return kWritten;
}

int Run(const CommandLine& line, const std::string& executableDirectory, Outputs& outputs) {
  const std::string installRoot = kit::InstallRootFrom(executableDirectory);
  const auto languages = generation::LanguageEntries(installRoot);
  if (!languages) return ReportUnreadableInstallTree(languages.error(), outputs);
  if (languages->empty()) return ReportMissingRedistributable(messages::kNoLanguageFile, outputs);
  if (line.action == Action::ListLanguages) {
    // One write for the whole list: it lands in a pipe at once, so a reader
    // that takes only the first line and goes does not fail the run.
    std::string list;
    for (const auto& language : *languages) list += language + '\n';
    outputs.Out(list);
    return kWritten;
  }
  return BuildKit(line, installRoot, languages->front(), outputs);
}

// The directory is looked up only for a command that needs the install tree.
int RunParsed(const std::vector<std::string>& arguments, Outputs& outputs,
              const std::optional<std::string>& executableDirectory) {
  const ParsedCommandLine parsed = ParseCommandLine(arguments);
  if (!parsed.usageError.empty()) {
    outputs.Err(UsageErrorLine(parsed.usageError));
    return kUsage;
  }
  const CommandLine& line = parsed.commandLine;
  if (line.action == Action::Help) {
    outputs.Out(HelpText());
    return kWritten;
  }
  if (line.action == Action::Version) {
    outputs.Out(VersionText() + '\n');
    return kWritten;
  }
  if (executableDirectory) return Run(line, *executableDirectory, outputs);
  const auto directory = kit::RealSystem().ExecutableDirectory();
  if (!directory) return ReportUnreadableInstallTree(directory.error(), outputs);
  return Run(line, *directory, outputs);
}

int RunChecked(const std::vector<std::string>& arguments, TextOutput& out, TextOutput& err,
               const std::optional<std::string>& executableDirectory) {
  Outputs outputs(out, err);
  const int exitCode = RunParsed(arguments, outputs, executableDirectory);
  return outputs.Finish(exitCode);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, TextOutput& out, TextOutput& err) {
  return RunChecked(arguments, out, err, std::nullopt);
}

int RunCommandLine(const std::vector<std::string>& arguments, TextOutput& out, TextOutput& err,
                   const std::string& executableDirectory) {
  return RunChecked(arguments, out, err, executableDirectory);
}

}  // namespace cli
