// The kit writers: copy of a file in 2048-byte blocks, and the two
// generated text files.
//
// Every writer builds its file under a hidden temporary name beside the
// target and renames it over the target only once the file is complete,
// flushed to the disk and closed without error. Until then an older target
// file stays as it was, and on any failure the temporary file is removed
// again.
#include "kit/kit_writers.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "kit/ansi_encoding.h"
#include "kit/kit_layout.h"

namespace kit {
namespace {

// The files one writer has open. Whatever is still open when the writer
// leaves, by a failure or an exception, is closed, and the temporary file
// is removed unless it has already become the target.
// Runs one clean-up step; nothing may escape from a destructor.
template <typename Step>
void Quietly(Step step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

class WriterFiles {
 public:
  explicit WriterFiles(FileOperations& files) : files_(files) {}
  WriterFiles(const WriterFiles&) = delete;
  WriterFiles& operator=(const WriterFiles&) = delete;

  ~WriterFiles() {
    // Failures while cleaning up change nothing: the result is false anyway.
    if (source_ != kNoFile) Quietly([&] { files_.Close(source_); });
    if (temporary_ != kNoFile) Quietly([&] { files_.Close(temporary_); });
    if (temporaryExists_) Quietly([&] { files_.Remove(temporaryPath_); });
  }

  bool OpenSource(const std::string& path) {
    source_ = files_.OpenForReading(path);
    return source_ != kNoFile;
  }

  bool CreateTemporaryFor(const std::string& target) {
    temporary_ = files_.CreateTemporaryFor(target, temporaryPath_);
    temporaryExists_ = temporary_ != kNoFile;
    return temporaryExists_;
  }

  // Reads exactly `size` bytes from the source; fewer is a failure, since
  // the source is then shorter than the length read at the start.
  bool ReadSource(char* buffer, std::size_t size) {
    const std::optional<std::size_t> got = files_.Read(source_, buffer, size);
    return got && *got == size;
  }

  bool WriteTemporary(const char* data, std::size_t size) { return files_.Write(temporary_, data, size); }

  bool CloseSource() { return files_.Close(std::exchange(source_, kNoFile)); }

  // Puts the complete temporary file on the disk before closing it: once it
  // has replaced the target, a power cut must not leave it empty.
  bool FinishTemporary() {
    if (!files_.FlushToDisk(temporary_)) return false;
    return files_.Close(std::exchange(temporary_, kNoFile));
  }

  // Puts the finished temporary file in the target's place.
  bool Commit(const std::string& target) {
    if (!files_.RenameOver(temporaryPath_, target)) return false;
    temporaryExists_ = false;
    return true;
  }

 private:
  FileOperations& files_;
  FileHandle source_ = kNoFile;
  FileHandle temporary_ = kNoFile;
  std::string temporaryPath_;
  bool temporaryExists_ = false;
};

bool CopyKitFileOrFail(const std::string& source, const std::string& target, FileOperations& operations) {
  // The length is read once, before anything is opened; it fixes how much
  // is copied. Counts are 64-bit, so a file of any size is copied whole.
  const std::optional<std::uint64_t> length = operations.FileLength(source);
  if (!length) return false;
  const std::uint64_t wholeBlocks = *length / kCopyBlockSize;
  const std::size_t remainder = static_cast<std::size_t>(*length % kCopyBlockSize);

  WriterFiles files(operations);
  // The source is opened first: a source that cannot be read never
  // touches the target's directory.
  if (!files.OpenSource(source)) return false;
  if (!files.CreateTemporaryFor(target)) return false;

  std::array<char, kCopyBlockSize> block;
  for (std::uint64_t i = 0; i < wholeBlocks; ++i) {
    if (!files.ReadSource(block.data(), block.size())) return false;
    if (!files.WriteTemporary(block.data(), block.size())) return false;
  }
  if (remainder > 0) {
    if (!files.ReadSource(block.data(), remainder)) return false;
    if (!files.WriteTemporary(block.data(), remainder)) return false;
  }

  if (!files.CloseSource()) return false;
  if (!files.FinishTemporary()) return false;
  return files.Commit(target);
}

// Writes the bytes as the whole content of the target.
bool WriteWholeFile(const std::string& target, const std::string& bytes, FileOperations& operations) {
  WriterFiles files(operations);
  if (!files.CreateTemporaryFor(target)) return false;
  if (!files.WriteTemporary(bytes.data(), bytes.size())) return false;
  if (!files.FinishTemporary()) return false;
  return files.Commit(target);
}

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

bool CopyKitFile(const std::string& source, const std::string& target, FileOperations& files) {
  try {
    return CopyKitFileOrFail(source, target, files);
  } catch (...) {
    return false;
  }
}

bool WriteKitConfig(const std::string& target, const std::string& address, const std::string& programName,
                    FileOperations& files) {
  try {
    // Everything is encoded before anything is created: a value that the
    // code page cannot hold leaves no file at all.
    const std::optional<std::string> ansiAddress = ToAnsi(address);
    const std::optional<std::string> ansiName = ToAnsi(programName);
    const std::optional<std::string> versionSuffix = ToAnsi(KitFileSuffix(KitFile::Version));
    if (!ansiAddress || !ansiName || !versionSuffix) return false;

    // The LOC line names the version file for the Windows updater that reads
    // it, so its separator is a backslash whatever system writes the kit.
    std::string bytes;
    bytes.append("ADR ").append(*ansiAddress).append(kLineEnd);
    bytes.append("LOC \\").append(*ansiName).append(*versionSuffix).append(kLineEnd);
    bytes.append("TIT ").append(*ansiName);
    return WriteWholeFile(target, bytes, files);
  } catch (...) {
    return false;
  }
}

bool WriteKitVersion(const std::string& target, const std::string& version, FileOperations& files) {
  try {
    const std::optional<std::string> ansiVersion = ToAnsi(version);
    if (!ansiVersion) return false;
    return WriteWholeFile(target, "VER " + *ansiVersion, files);
  } catch (...) {
    return false;
  }
}

}  // namespace kit
