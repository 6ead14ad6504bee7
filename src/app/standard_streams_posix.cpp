#include "app/standard_streams_posix.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace app {

int DescriptorOutput::Write(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor_, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return EIO;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

void TurnWriteSignalsIntoErrors() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace app
