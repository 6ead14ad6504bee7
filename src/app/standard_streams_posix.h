// The standard output and error of the Linux program, written with plain
// write() calls whose every failure is seen, and the signals that would
// otherwise end the program at such a failure.
#pragma once

#include "cli/text_output.h"

namespace app {

class DescriptorOutput final : public cli::TextOutput {
 public:
  explicit DescriptorOutput(int descriptor) : descriptor_(descriptor) {}
  std::error_code Write(std::string_view text) override;

 private:
  int descriptor_;
};

// Makes a write to a closed pipe (SIGPIPE) and a write past the file-size
// limit (SIGXFSZ) fail with EPIPE and EFBIG instead of ending the program,
// so that the program reports them and a kit writer removes its temporary
// file.
void TurnWriteSignalsIntoErrors();

}  // namespace app
