#include "generation/kit_generation.h"

#include <exception>

#include "generation/messages.h"
#include "generation/redistributable_files.h"
#include "kit/entry_rules.h"
#include "kit/file_tests.h"
#include "kit/kit_folder_lock.h"
#include "kit/kit_layout.h"
#include "kit/kit_writers.h"

namespace generation {
namespace {

using kit::KitFile;
using Kind = Outcome::Kind;

Outcome Report(Kind kind, std::string message) { return Outcome{kind, std::move(message), Field::Name, {}}; }

// The steps after the checks of the entries; any error they raise is the
// fatal failure.
Outcome MakeKit(const std::string& installRoot, const std::string& destination, const std::string& name,
                const std::string& version, const std::string& address, const std::string& language,
                ReplaceQuestion& question) {
  const std::string languageFile = kit::LanguageFilePath(installRoot, language);
  if (!kit::IsPlainLanguageEntry(language) || !kit::FileExists(languageFile)) {
    return Report(Kind::LanguageMissing, messages::kLanguageMissing);
  }
  if (auto reason = MissingProgramFile(installRoot)) {
    return Report(Kind::RedistributableMissing, messages::MissingRedistributable(*reason));
  }

  if (!kit::DirectoryExists(destination)) kit::CreateDirectoryLevel(destination);
  const std::string kitDirectory = kit::KitDirectoryPath(destination, name);
  if (!kit::DirectoryExists(kitDirectory)) kit::CreateDirectoryLevel(kitDirectory);

  // From the question to the last writer, the kit is this run's alone.
  const kit::KitFolderLock lock =
      kit::KitFolderLock::Take(kitDirectory, [&] { question.WaitingForOtherRun(name); });
  if (lock.error() != 0) return Report(Kind::Failed, messages::GenerationFailed(name));

  auto kitFile = [&](KitFile file) { return kit::KitFilePath(destination, name, file); };
  if (kit::FileExists(kitFile(KitFile::Updater)) && !question.ReplaceKit(name)) return Report(Kind::Declined, {});

  // The writers in their fixed order; the first failure stops the rest.
  const bool written = kit::CopyKitFile(kit::UpdaterExecutablePath(installRoot), kitFile(KitFile::Updater)) &&
                       kit::CopyKitFile(kit::UpdaterManifestPath(installRoot), kitFile(KitFile::Manifest)) &&
                       kit::CopyKitFile(languageFile, kitFile(KitFile::Language)) &&
                       kit::WriteKitConfig(kitFile(KitFile::Config), address, name) &&
                       kit::WriteKitVersion(kitFile(KitFile::Version), version);
  if (!written) return Report(Kind::Failed, messages::GenerationFailed(name));
  return Outcome{Kind::Written, {}, Field::Name, kitDirectory};
}

}  // namespace

Outcome GenerateKit(const KitRequest& request, ReplaceQuestion& question) {
  const std::string name = TrimSpaces(request.name);
  const std::string version = TrimSpaces(request.version);
  const std::string address = TrimSpaces(request.address);
  try {
    if (auto refusal = CheckEntries(name, version, address, request.destination)) {
      return Outcome{Kind::Refused, std::move(refusal->message), refusal->field, {}};
    }
    return MakeKit(request.installRoot, request.destination, name, version, address, request.language, question);
  } catch (const std::exception&) {
    return Report(Kind::Failed, messages::GenerationFailed(name));
  }
}

}  // namespace generation
