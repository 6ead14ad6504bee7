// The procedure that builds an update kit, in the steps its user sees: check
// the entries, check the install tree, make the folders, lock the kit (a
// second run for the same kit waits there), ask before replacing, copy the
// files, write the configuration, write the version. It stops at the first
// step that ends the run. It shows nothing: the parameter
// page turns its outcome into message boxes and focus, the command line
// into messages and exit codes.
#pragma once

#include <optional>
#include <string>

#include "generation/entry_checks.h"
#include "kit/system.h"

namespace generation {

// What a kit is made from, as the user gave it (not yet trimmed).
struct KitRequest {
  std::string installRoot;
  // The folder that receives the kit folder; ends with a separator.
  std::string destination;
  std::string name;
  std::string version;
  std::string address;
  // A language entry: a language file's name without ".lng".
  std::string language;
};

// The three typed entries, without their leading and trailing spaces.
struct Entries {
  std::string name;
  std::string version;
  std::string address;
};

// Asked when the kit's copy of the updater is already there.
class ReplaceQuestion {
 public:
  virtual ~ReplaceQuestion() = default;
  // True replaces the kit; false leaves it as it is. The entries are the
  // trimmed ones the kit would be made from.
  virtual bool ReplaceKit(const Entries& entries) = 0;
  // Told once, before waiting, when another run is writing the same kit.
  virtual void WaitingForOtherRun(const Entries& /*entries*/) {}
};

struct Outcome {
  enum class Kind {
    Refused,                 // an entry cannot be used: message, field
    LanguageMissing,         // the language names no language file: message
    RedistributableMissing,  // the updater or its manifest is gone: message
    Declined,                // an existing kit is kept, nothing written
    Failed,                  // a folder or file could not be made: message
    Written,                 // the five files are in kitDirectory
  };
  Kind kind;
  std::string message;
  Field field = Field::Name;
  // The kit's folder, ending with a separator.
  std::string kitDirectory;
  // The entries as the procedure trimmed them, for the fields to show.
  Entries entries;
  // What the system answered when a folder or file could not be made.
  std::optional<kit::SystemError> systemError;
};

Outcome GenerateKit(const KitRequest& request, ReplaceQuestion& question, kit::System& system = kit::RealSystem());

}  // namespace generation
