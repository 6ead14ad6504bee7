#include "install_tree.h"

#include <algorithm>

#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <stdexcept>

#include "kit/kit_layout.h"

namespace testing_support {

namespace fs = std::filesystem;

namespace {

// Paths are UTF-8 text in the program and its tests, on every system.
fs::path Utf8Path(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Text(const std::u8string& text) { return std::string(text.begin(), text.end()); }

}  // namespace

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

std::string InstallTree::Root() const { return Utf8Text(root_.u8string()); }

fs::path InstallTree::Path(const std::string& relative) const { return root_ / Utf8Path(relative); }

InstallTree::~InstallTree() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void InstallTree::Write(const std::string& relative, const std::string& bytes) const {
  const fs::path path = root_ / Utf8Path(relative);
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + Utf8Text(path.u8string()));
}

void InstallTree::Remove(const std::string& relative) const { fs::remove_all(root_ / Utf8Path(relative)); }

std::string InstallTree::Read(const std::string& relative) const { return ReadFileBytes(root_ / Utf8Path(relative)); }

bool InstallTree::Exists(const std::string& relative) const { return fs::exists(root_ / Utf8Path(relative)); }

std::string InstallTree::Listing() const {
  std::set<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root_)) {
    // Written with "/" between the names on every system.
    entries.insert(Utf8Text(fs::relative(entry.path(), root_).generic_u8string()) + (entry.is_directory() ? "/" : ""));
  }
  std::string listing;
  for (const auto& entry : entries) listing += entry + "\n";
  return listing;
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + Utf8Text(path.u8string()));
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Native(std::string path) {
  if (kit::kSeparator != "/") std::replace(path.begin(), path.end(), '/', kit::kSeparator.front());
  return path;
}

}  // namespace testing_support
