// The procedure that builds an update kit: it trims and checks the entries,
// checks the install-tree files again, makes the kit's folders, asks before
// an existing kit is replaced and writes the five files, stopping at the
// first failure. It shows nothing: the parameter page turns its outcome into
// message boxes and focus, the command line into messages and exit codes.
#pragma once

#include <string>

#include "generation/entry_checks.h"

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

// Asked when the kit's copy of the updater is already there.
class ReplaceQuestion {
 public:
  virtual ~ReplaceQuestion() = default;
  // True replaces the kit; false leaves it as it is.
  virtual bool ReplaceKit(const std::string& programName) = 0;
  // Told once, before waiting, when another run is writing the same kit.
  virtual void WaitingForOtherRun(const std::string& /*programName*/) {}
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
};

Outcome GenerateKit(const KitRequest& request, ReplaceQuestion& question);

}  // namespace generation
