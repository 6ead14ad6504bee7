// Prints the directory of this program and the install root formed from it,
// one a line. A test copies it to the root of a drive and runs it there.
#include <cstdio>
#include <string>

#include "kit/executable_directory.h"
#include "kit/kit_layout.h"

int main() {
  const std::string directory = kit::ExecutableDirectory();
  std::printf("%s\n%s\n", directory.c_str(), kit::InstallRootFrom(directory).c_str());
  return 0;
}
