#include "generation/kit_generation.h"

#include <exception>
#include <memory>
#include <optional>
#include <utility>
#include <variant>

#include "generation/messages.h"
#include "generation/redistributable_files.h"
#include "kit/entry_rules.h"
#include "kit/kit_layout.h"
#include "kit/kit_writers.h"

namespace generation {
namespace {

using kit::KitFile;
using Kind = Outcome::Kind;

// One run of the procedure. Each step gives nothing when the run goes on,
// or the outcome that ends it.
class KitRun {
 public:
  KitRun(const KitRequest& request, Entries entries, ReplaceQuestion& question, kit::System& system)
      : request_(request),
        entries_(std::move(entries)),
        question_(question),
        system_(system),
        languageFile_(kit::LanguageFilePath(request.installRoot, request.language)),
        kitDirectory_(kit::KitDirectoryPath(request.destination, entries_.name)) {}

  Outcome Run() {
    for (auto step : {&KitRun::CheckTheEntries, &KitRun::CheckTheInstallTree, &KitRun::MakeTheFolders,
                      &KitRun::LockTheKit, &KitRun::AskBeforeReplacing, &KitRun::CopyTheFiles,
                      &KitRun::WriteTheConfiguration, &KitRun::WriteTheVersion}) {
      if (std::optional<Outcome> end = (this->*step)()) return *std::move(end);
    }
    return Ending(Kind::Written, {});
  }

  // Any error of a step that no step foresaw is the fatal failure too.
  Outcome Failed(std::optional<kit::SystemError> error = std::nullopt) {
    Outcome outcome = Ending(Kind::Failed, messages::GenerationFailed(entries_.name));
    outcome.systemError = std::move(error);
    return outcome;
  }

 private:
  // Refuses the first entry that cannot be used; keeps the encoded entries
  // for the writers.
  std::optional<Outcome> CheckTheEntries() {
    auto checked = CheckEntries(entries_.name, entries_.version, entries_.address, request_.destination);
    if (auto* refusal = std::get_if<EntryRefusal>(&checked)) {
      Outcome outcome = Ending(Kind::Refused, std::move(refusal->message));
      outcome.field = refusal->field;
      return outcome;
    }
    encoded_.emplace(std::get<EncodedEntries>(std::move(checked)));
    return std::nullopt;
  }

  // The language file, then the updater and its manifest.
  std::optional<Outcome> CheckTheInstallTree() {
    if (!kit::IsPlainLanguageEntry(request_.language)) return Ending(Kind::LanguageMissing, messages::kLanguageMissing);
    const kit::Result<bool> language = system_.FileExists(languageFile_);
    if (!language) return Failed(language.error());
    if (!*language) return Ending(Kind::LanguageMissing, messages::kLanguageMissing);
    const kit::Result<std::optional<std::string>> missing = MissingProgramFile(request_.installRoot, system_);
    if (!missing) return Failed(missing.error());
    if (*missing) return Ending(Kind::RedistributableMissing, messages::MissingRedistributable(**missing));
    return std::nullopt;
  }

  // The destination, then the kit's own folder, each made when missing.
  std::optional<Outcome> MakeTheFolders() {
    for (const std::string& folder : {request_.destination, kitDirectory_}) {
      const kit::Result<bool> there = system_.DirectoryExists(folder);
      if (!there) return Failed(there.error());
      if (*there) continue;
      if (kit::Status made = system_.CreateDirectoryLevel(folder); !made) return Failed(made.error());
    }
    return std::nullopt;
  }

  // From the question to the last writer the kit is this run's alone: a
  // second run for the same kit waits here until this one has ended.
  std::optional<Outcome> LockTheKit() {
    kit::Result<std::unique_ptr<kit::FolderLock>> lock =
        system_.LockKitFolder(kitDirectory_, [this] { question_.WaitingForOtherRun(entries_); });
    if (!lock) return Failed(lock.error());
    lock_ = std::move(*lock);
    return std::nullopt;
  }

  // Only the kit's copy of the updater tells that a kit is there.
  std::optional<Outcome> AskBeforeReplacing() {
    const kit::Result<bool> there = system_.FileExists(KitFilePath(KitFile::Updater));
    if (!there) return Failed(there.error());
    if (*there && !question_.ReplaceKit(entries_)) return Ending(Kind::Declined, {});
    return std::nullopt;
  }

  std::optional<Outcome> CopyTheFiles() {
    const std::string& root = request_.installRoot;
    for (const auto& [source, target] : {std::pair{kit::UpdaterExecutablePath(root), KitFile::Updater},
                                         std::pair{kit::UpdaterManifestPath(root), KitFile::Manifest},
                                         std::pair{languageFile_, KitFile::Language}}) {
      if (kit::Status copied = kit::CopyKitFile(source, KitFilePath(target), system_); !copied) {
        return Failed(copied.error());
      }
    }
    return std::nullopt;
  }

  std::optional<Outcome> WriteTheConfiguration() {
    kit::Status written =
        kit::WriteKitConfig(KitFilePath(KitFile::Config), encoded_->address, encoded_->name, system_);
    if (!written) return Failed(written.error());
    return std::nullopt;
  }

  std::optional<Outcome> WriteTheVersion() {
    kit::Status written = kit::WriteKitVersion(KitFilePath(KitFile::Version), encoded_->version, system_);
    if (!written) return Failed(written.error());
    return std::nullopt;
  }

  std::string KitFilePath(KitFile file) const { return kit::KitFilePath(request_.destination, entries_.name, file); }

  Outcome Ending(Kind kind, std::string message) const {
    return Outcome{.kind = kind,
                   .message = std::move(message),
                   .field = Field::Name,
                   .kitDirectory = kind == Kind::Written ? kitDirectory_ : std::string(),
                   .entries = entries_,
                   .systemError = std::nullopt};
  }

  const KitRequest& request_;
  const Entries entries_;
  // The entries in the kit files' code page, once they are checked.
  std::optional<EncodedEntries> encoded_;
  ReplaceQuestion& question_;
  kit::System& system_;
  const std::string languageFile_;
  const std::string kitDirectory_;
  std::unique_ptr<kit::FolderLock> lock_;  // held until the run ends
};

}  // namespace

Outcome GenerateKit(const KitRequest& request, ReplaceQuestion& question, kit::System& system) {
  // Each entry is trimmed once, here; every step works on the trimmed text,
  // and the writers on the bytes the check of the entries encoded.
  Entries entries{TrimSpaces(request.name), TrimSpaces(request.version), TrimSpaces(request.address)};
  KitRun run(request, std::move(entries), question, system);
  try {
    return run.Run();
  } catch (const std::exception&) {
    return run.Failed();
  }
}

}  // namespace generation
