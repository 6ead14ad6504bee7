#include "app/standard_streams_posix.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace app {

std::error_code DescriptorOutput::Write(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(descriptor_, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return {errno, std::generic_category()};
    }
    if (written == 0) return std::make_error_code(std::errc::io_error);
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

void TurnWriteSignalsIntoErrors() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace app
