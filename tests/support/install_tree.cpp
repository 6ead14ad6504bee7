#include "install_tree.h"

#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <stdexcept>

namespace testing_support {

namespace fs = std::filesystem;

InstallTree::InstallTree(Contents contents) {
  std::random_device random;
  root_ = fs::temp_directory_path() / ("zvc-tree-" + std::to_string(random()) + std::to_string(random()));
  fs::create_directories(root_);
  if (contents == Contents::Complete) {
    Write(kUpdater, std::string("MZ\x90\0updater\r\n\x1a", 14));
    Write(kManifest, "<?xml version=\"1.0\"?><assembly/>");
    Write(std::string(kLanguages) + "/Français.lng", "[Langue]\r\nNom=Fran\xe7" "ais\r\n");
  }
}

InstallTree::~InstallTree() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void InstallTree::Write(const std::string& relative, const std::string& bytes) const {
  const fs::path path = root_ / relative;
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void InstallTree::Remove(const std::string& relative) const { fs::remove_all(root_ / relative); }

std::string InstallTree::Read(const std::string& relative) const { return ReadFileBytes(root_ / relative); }

bool InstallTree::Exists(const std::string& relative) const { return fs::exists(root_ / relative); }

std::string InstallTree::Listing() const {
  std::set<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root_)) {
    entries.insert(fs::relative(entry.path(), root_).string() + (entry.is_directory() ? "/" : ""));
  }
  std::string listing;
  for (const auto& entry : entries) listing += entry + "\n";
  return listing;
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
