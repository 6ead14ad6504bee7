// The file operations the kit writers are built from, one call per step.
//
// The writers go through this interface rather than calling the system
// directly, so that a test can stand in for the disk and make any single
// step fail (a full disk on the third write, a rename refused) and then
// check what the writer left behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace kit {

// An open file as the FileOperations object that opened it identifies it: a
// number of its own choosing, meaningful only to that object. kNoFile (zero)
// stands for "no file", which the opening calls give on failure.
enum class FileHandle : std::uintptr_t {};
inline constexpr FileHandle kNoFile{};

class FileOperations {
 public:
  virtual ~FileOperations() = default;

  // The length in bytes of the ordinary file at the path (links followed).
  // Nothing when the path cannot be examined or names anything else than an
  // ordinary file.
  virtual std::optional<std::uint64_t> FileLength(const std::string& path) = 0;

  // Opens the file for sequential binary reading from its start. Fails,
  // without waiting, when the path names anything else than an ordinary
  // file at the moment it is opened (a FIFO or a device put in the place of
  // a source must neither block nor be read).
  virtual FileHandle OpenForReading(const std::string& path) = 0;

  // Creates a new, empty file for sequential binary writing in the directory
  // of the target, under a unique hidden name from NewTemporaryName
  // (temporary_names.h), with the permissions any newly created file gets
  // there. Its path is stored in temporaryPath. Nothing is done to the
  // target itself.
  //
  // First it removes from that directory the temporary files that an
  // interrupted run left there: files whose names pass IsTemporaryName and
  // that no live writer holds. From its creation until RenameOver or Remove
  // (also after Close), a temporary file is held, so that a run writing in
  // the same folder at the same moment never loses its file. Nothing else
  // is ever removed, and a file that cannot be removed is left quietly.
  // This is done here, just before a writer adds a file of its own, so
  // that only a folder where a kit file is really being written is
  // touched, whichever front end writes the kit, and a failed clean-up
  // never fails a kit.
  virtual FileHandle CreateTemporaryFor(const std::string& target, std::string& temporaryPath) = 0;

  // Reads up to size bytes into the buffer and gives how many were read:
  // fewer than size only at the end of the file. Nothing on a read error.
  virtual std::optional<std::size_t> Read(FileHandle file, char* buffer, std::size_t size) = 0;

  // Writes all size bytes, or fails. The bytes may be held back in a buffer
  // until Close, which then reports any error in writing them out.
  virtual bool Write(FileHandle file, const char* data, std::size_t size) = 0;

  // Writes out anything held back and has the system put the file's bytes
  // on the disk, so that they survive a power cut once this returns true.
  // The writers call it on each finished file before they close it and
  // rename it over its target. Does nothing to a file opened for reading.
  virtual bool FlushToDisk(FileHandle file) = 0;

  // Writes out anything held back and closes the file. False when either
  // failed; the handle is no longer valid afterwards in both cases.
  virtual bool Close(FileHandle file) = 0;

  // Gives the file at `from` the name `to` in one step, replacing the file
  // that had that name: the old file stays whole until it is replaced.
  // When it returns true, the new name is on the disk too (the directory is
  // flushed after the rename), so a power cut after a writer has finished
  // leaves the new file, and one before leaves the old file.
  virtual bool RenameOver(const std::string& from, const std::string& to) = 0;

  // Removes the file at the path.
  virtual bool Remove(const std::string& path) = 0;
};

// The operations of the real file system. The object lives as long as the
// process; it holds no state between calls other than the files left open
// and the hold on temporary files closed but not yet renamed or removed.
FileOperations& RealFileOperations();

// Each open file of RealFileOperations() keeps one buffer of this many bytes,
// so that many small reads and writes turn into few system calls. The memory
// used never depends on the size of the file.
inline constexpr std::size_t kStreamBufferSize = 128 * 1024;

}  // namespace kit
