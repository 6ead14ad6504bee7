#include "install_tree.h"

namespace testing_support {

// On Linux a name beginning with a point is hidden.
void InstallTree::WriteHidden(const std::string& directory, const std::string& name, const std::string& bytes) const {
  Write(directory + "/." + name, bytes);
}

}  // namespace testing_support
