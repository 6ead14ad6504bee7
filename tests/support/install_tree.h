// A throw-away install tree in a temporary directory: the program's
// directory with its Redistributable/ files, made and removed by a test.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

inline constexpr const char* kUpdater = "Redistributable/Program/Zantrel Velquist.exe";
inline constexpr const char* kManifest = "Redistributable/Program/Zantrel Velquist.exe.manifest";
inline constexpr const char* kLanguages = "Redistributable/Language Files";

class InstallTree {
 public:
  enum class Contents { Empty, Complete };
  // Complete: the updater, its manifest and Français.lng, with known bytes.
  explicit InstallTree(Contents contents = Contents::Complete);
  ~InstallTree();
  InstallTree(const InstallTree&) = delete;
  InstallTree& operator=(const InstallTree&) = delete;

  // The program's directory, as the system reports it (no trailing
  // separator), in UTF-8.
  std::string Root() const;
  std::filesystem::path Path(const std::string& relative) const;

  // Relative paths below are written with "/" on every system.
  // Writes a file under the root, creating its directories.
  void Write(const std::string& relative, const std::string& bytes) const;
  // Writes a file that the system counts as hidden: on Windows marked so,
  // on Linux under the name with a point before it.
  void WriteHidden(const std::string& directory, const std::string& name, const std::string& bytes) const;
  void Remove(const std::string& relative) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;

  // Every file under the root, as relative paths, sorted.
  std::string Listing() const;

 private:
  std::filesystem::path root_;
};

std::string ReadFileBytes(const std::filesystem::path& path);

// The path, written with "/", in the system's own separator.
std::string Native(std::string path);

}  // namespace testing_support
