// Prints the directory of this program and the install root formed from it,
// one a line. A test copies it to the root of a drive and runs it there.
#include <cstdio>
#include <string>

#include "kit/kit_layout.h"
#include "kit/system.h"

int main() {
  const kit::Result<std::string> found = kit::RealSystem().ExecutableDirectory();
  if (!found) return 1;
  const std::string& directory = *found;
  std::printf("%s\n%s\n", directory.c_str(), kit::InstallRootFrom(directory).c_str());
  return 0;
}
