// Helpers shared by the kit tests: a private scratch directory and
// whole-file reads and writes. Paths are UTF-8 strings, as in the program;
// they become std::filesystem paths only through PathOf, which reads them
// as UTF-8 on every system.
#pragma once

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "kit/ansi_encoding.h"
#include "kit/kit_layout.h"
#include "kit/system.h"
#include "kit/system_failure.h"

namespace kit_test {

namespace fs = std::filesystem;

// Text for the kit writers, encoded as the procedure encodes the entries;
// a test's own text is one the code page holds.
inline kit::AnsiText Ansi(const std::string& utf8) {
  std::optional<kit::AnsiText> text = kit::EncodeToAnsi(utf8);
  if (!text) throw std::invalid_argument("the kit's code page cannot hold \"" + utf8 + "\"");
  return *std::move(text);
}

inline fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

inline std::string Utf8Of(const fs::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

// A fresh directory under the system's temporary directory, removed with
// everything in it when the test ends.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    static std::atomic<unsigned> counter{0};
    static const std::string run = std::to_string(std::random_device()());
    for (int attempt = 0; attempt < 1000; ++attempt) {
      fs::path candidate = fs::temp_directory_path() / ("zvc-kit-test-" + run + "-" + std::to_string(counter++));
      std::error_code error;
      if (fs::create_directory(candidate, error)) {
        path_ = candidate;
        return;
      }
    }
    throw std::runtime_error("cannot create a scratch directory");
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  ~ScratchDirectory() {
    std::error_code error;
    fs::remove_all(path_, error);
  }

  const fs::path& path() const { return path_; }
  // The path of a name inside the directory, as a UTF-8 string.
  std::string operator/(const std::string& name) const { return Utf8Of(path_ / PathOf(name)); }
  // The directory's path ending with a separator, as the kit paths are built.
  std::string WithSeparator() const { return Utf8Of(path_) + std::string(kit::kSeparator); }

 private:
  fs::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

// The names in a directory, hidden ones included.
inline std::set<std::string> NamesIn(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) names.insert(Utf8Of(entry.path().filename()));
  return names;
}
inline std::set<std::string> NamesIn(const std::string& directory) { return NamesIn(PathOf(directory)); }

// True when the file is hidden: marked so on Windows, named with a leading
// point on Linux (kit_test_system_win.cpp, kit_test_system_posix.cpp).
bool IsHidden(const std::string& path);

// The system's device that swallows everything: a file name that names no
// ordinary file.
extern const char* const kNullDevice;

// The C1 controls to which the system's own Windows-1252 table gives a
// byte: none in the Linux edition's table, 0x81, 0x8D, 0x8F, 0x90 and 0x9D
// in Windows' own.
extern const std::set<char32_t> kControlsWithAByte;

// Every byte value in turn, then lone CR and LF bytes, up to `size` bytes.
inline std::string PatternBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    switch (i % 300) {
      case 256:
        bytes[i] = '\r';
        break;
      case 260:
        bytes[i] = '\n';
        break;
      default:
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
  }
  return bytes;
}

// What the cases compare: the value of a result, or nothing when the step
// failed; an open file, or kNoFile.
template <typename T>
std::optional<T> Answer(const kit::Result<T>& result) {
  if (!result) return std::nullopt;
  return *result;
}
inline kit::FileHandle Opened(const kit::Result<kit::FileHandle>& result) { return result ? *result : kit::kNoFile; }

// The real system's answers, for cases where a system error is no part of
// what is tested: the error comes out as a SystemFailure and fails the case.
inline bool FileExists(const std::string& path) { return kit::ValueOrThrow(kit::RealSystem().FileExists(path)); }
inline bool DirectoryExists(const std::string& path) {
  return kit::ValueOrThrow(kit::RealSystem().DirectoryExists(path));
}
inline void CreateDirectoryLevel(const std::string& path) {
  if (kit::Status made = kit::RealSystem().CreateDirectoryLevel(path); !made) throw kit::SystemFailure(made.error());
}
inline std::vector<std::string> ListFilesWithExtension(const std::string& directory, const std::string& extension) {
  return kit::ValueOrThrow(kit::RealSystem().ListFilesWithExtension(directory, extension));
}
inline std::string ExecutableDirectory() { return kit::ValueOrThrow(kit::RealSystem().ExecutableDirectory()); }

}  // namespace kit_test
