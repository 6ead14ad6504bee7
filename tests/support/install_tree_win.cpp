#include <windows.h>

#include <stdexcept>

#include "install_tree.h"

namespace testing_support {

// On Windows the hidden attribute hides a file, whatever its name.
void InstallTree::WriteHidden(const std::string& directory, const std::string& name, const std::string& bytes) const {
  Write(directory + "/" + name, bytes);
  const std::filesystem::path path = Path(directory + "/" + name);
  if (!SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_HIDDEN))
    throw std::runtime_error("cannot hide " + name);
}

}  // namespace testing_support
