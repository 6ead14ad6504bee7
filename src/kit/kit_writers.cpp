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
  explicit WriterFiles(System& system) : system_(system) {}
  WriterFiles(const WriterFiles&) = delete;
  WriterFiles& operator=(const WriterFiles&) = delete;

  ~WriterFiles() {
    // Failures while cleaning up change nothing: the writer has failed anyway.
    if (source_ != kNoFile) Quietly([&] { (void)system_.Close(source_); });
    if (temporary_ != kNoFile) Quietly([&] { (void)system_.Close(temporary_); });
    if (temporaryExists_) Quietly([&] { (void)system_.Remove(temporaryPath_); });
  }

  Status OpenSource(const std::string& path) {
    Result<FileHandle> source = system_.OpenForReading(path);
    if (!source) return source.error();
    source_ = *source;
    return {};
  }

  Status CreateTemporaryFor(const std::string& target) {
    target_ = target;
    Result<FileHandle> temporary = system_.CreateTemporaryFor(target, temporaryPath_);
    if (!temporary) return AboutTarget(temporary.error());
    temporary_ = *temporary;
    temporaryExists_ = true;
    return {};
  }

  // Reads exactly `size` bytes from the source; fewer is a failure, since
  // the source is then shorter than the length read at the start.
  Status ReadSource(const std::string& path, char* buffer, std::size_t size) {
    const Result<std::size_t> got = system_.Read(source_, buffer, size);
    if (!got) return got.error();
    if (*got != size) return SystemError{std::make_error_code(std::errc::io_error), path, "source shrank"};
    return {};
  }

  Status WriteTemporary(const char* data, std::size_t size) {
    return AboutTarget(system_.Write(temporary_, data, size));
  }

  Status CloseSource() { return system_.Close(std::exchange(source_, kNoFile)); }

  // Puts the complete temporary file on the disk before closing it: once it
  // has replaced the target, a power cut must not leave it empty.
  Status FinishTemporary() {
    if (Status flushed = system_.FlushToDisk(temporary_); !flushed) return AboutTarget(flushed);
    return AboutTarget(system_.Close(std::exchange(temporary_, kNoFile)));
  }

  // Puts the finished temporary file in the target's place.
  Status Commit(const std::string& target) {
    if (Status renamed = system_.RenameOver(temporaryPath_, target); !renamed) return AboutTarget(renamed);
    temporaryExists_ = false;
    return {};
  }

 private:
  // An error about the temporary file is told about the kit file it was to
  // become: the user knows that name, and the temporary one is gone.
  Status AboutTarget(Status status) const {
    if (status || status.error().path != temporaryPath_ || temporaryPath_.empty()) return status;
    SystemError error = status.error();
    error.path = target_;
    return error;
  }

  System& system_;
  std::string target_;
  FileHandle source_ = kNoFile;
  FileHandle temporary_ = kNoFile;
  std::string temporaryPath_;
  bool temporaryExists_ = false;
};

Status CopyKitFileOrFail(const std::string& source, const std::string& target, System& system) {
  // The length is read once, before anything is opened; it fixes how much
  // is copied. Counts are 64-bit, so a file of any size is copied whole.
  const Result<std::uint64_t> length = system.FileLength(source);
  if (!length) return length.error();
  const std::uint64_t wholeBlocks = *length / kCopyBlockSize;
  const std::size_t remainder = static_cast<std::size_t>(*length % kCopyBlockSize);

  WriterFiles files(system);
  // The source is opened first: a source that cannot be read never
  // touches the target's directory.
  if (Status step = files.OpenSource(source); !step) return step;
  if (Status step = files.CreateTemporaryFor(target); !step) return step;

  std::array<char, kCopyBlockSize> block;
  for (std::uint64_t i = 0; i < wholeBlocks; ++i) {
    if (Status step = files.ReadSource(source, block.data(), block.size()); !step) return step;
    if (Status step = files.WriteTemporary(block.data(), block.size()); !step) return step;
  }
  if (remainder > 0) {
    if (Status step = files.ReadSource(source, block.data(), remainder); !step) return step;
    if (Status step = files.WriteTemporary(block.data(), remainder); !step) return step;
  }

  if (Status step = files.CloseSource(); !step) return step;
  if (Status step = files.FinishTemporary(); !step) return step;
  return files.Commit(target);
}

// Writes the bytes as the whole content of the target.
Status WriteWholeFile(const std::string& target, const std::string& bytes, System& system) {
  WriterFiles files(system);
  if (Status step = files.CreateTemporaryFor(target); !step) return step;
  if (Status step = files.WriteTemporary(bytes.data(), bytes.size()); !step) return step;
  if (Status step = files.FinishTemporary(); !step) return step;
  return files.Commit(target);
}

// A writer that could not even start: out of memory.
SystemError NotWritten(const std::string& target, std::errc error) {
  return SystemError{std::make_error_code(error), target, "kit file"};
}

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

Status CopyKitFile(const std::string& source, const std::string& target, System& system) {
  try {
    return CopyKitFileOrFail(source, target, system);
  } catch (...) {
    return NotWritten(target, std::errc::not_enough_memory);
  }
}

Status WriteKitConfig(const std::string& target, const AnsiText& address, const AnsiText& programName,
                      System& system) {
  try {
    // The LOC line names the version file for the Windows updater that reads
    // it, so its separator is a backslash whatever system writes the kit. The
    // suffix is ASCII, the same bytes in every ANSI code page.
    std::string bytes;
    bytes.append("ADR ").append(address.Bytes()).append(kLineEnd);
    bytes.append("LOC \\").append(programName.Bytes()).append(KitFileSuffix(KitFile::Version)).append(kLineEnd);
    bytes.append("TIT ").append(programName.Bytes());
    return WriteWholeFile(target, bytes, system);
  } catch (...) {
    return NotWritten(target, std::errc::not_enough_memory);
  }
}

Status WriteKitVersion(const std::string& target, const AnsiText& version, System& system) {
  try {
    return WriteWholeFile(target, "VER " + version.Bytes(), system);
  } catch (...) {
    return NotWritten(target, std::errc::not_enough_memory);
  }
}

}  // namespace kit
