// The running program's directory on Linux, from /proc/self/exe.
#include "kit/executable_directory.h"

#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace kit {

std::string ExecutableDirectory() {
  // readlink does not say when it truncates: grow the buffer until the
  // link's text fits with room to spare.
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) throw std::system_error(errno, std::generic_category(), "readlink /proc/self/exe");
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) throw std::system_error(ENOENT, std::generic_category(), "/proc/self/exe");
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace kit
