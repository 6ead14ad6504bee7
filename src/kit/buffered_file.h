// The buffer that each open file of the real file operations carries, and
// the reading and writing through it, the same on every system.
//
// The kit copy moves its data in blocks of 2048 bytes, and handing each
// block to the system on its own costs several times what the copy itself
// costs. Buffered, a copy takes one read and one write system call per
// buffer.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "kit/system.h"

namespace kit {

// One open file of RealSystem(), with its buffer of
// kStreamBufferSize bytes. Each system's file layer derives its own record,
// which holds the system's file and makes the two raw calls below.
//
// The buffer is allocated with the record, and the record is made before
// its file is opened, so that running out of memory can never leave an
// open file behind.
class BufferedFile {
 public:
  explicit BufferedFile(bool writing);
  virtual ~BufferedFile() = default;
  BufferedFile(const BufferedFile&) = delete;
  BufferedFile& operator=(const BufferedFile&) = delete;

  // Only temporary files are written; every other file is read.
  bool writing() const { return writing_; }

  // The path the file was opened at, for the errors about it.
  std::string path;

  // As System::Read and System::Write, with the system's error code set on
  // a failure.
  std::optional<std::size_t> Read(char* buffer, std::size_t size);
  bool Write(const char* data, std::size_t size);

  // Hands the bytes held back to the system, as FlushToDisk and Close do
  // before their own system call. True at once for a file opened for
  // reading. On a failure the bytes stay held.
  bool WriteOutHeldBytes();

 private:
  // One read of the system into the buffer: how many bytes it gave, zero at
  // the end of the file, nothing on an error.
  virtual std::optional<std::size_t> ReadSome(char* buffer, std::size_t size) = 0;

  // One write of the system from the range: how many bytes it took, at
  // least one. Nothing on an error, with the system's error code set; a
  // write that makes no progress counts as an error.
  virtual std::optional<std::size_t> WriteSome(const char* data, std::size_t size) = 0;

  // Hands the whole range to the system, going on after short writes.
  bool WriteAll(const char* data, std::size_t size);

  const bool writing_;
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;  // first unread byte of the buffer (reading)
  std::size_t end_ = 0;    // one past the last byte held in the buffer
};

// The handle that stands for an open file, and the file a handle stands for.
FileHandle ToHandle(BufferedFile* file);
BufferedFile& FromHandle(FileHandle file);

}  // namespace kit
