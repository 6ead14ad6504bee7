// Everything the kit asks of the operating system, behind one interface.
//
// The kit library, the generation procedure and the command line never ask
// which system they run on: they ask the System. Each system has its own
// implementation, system_posix.cpp or system_win.cpp, chosen by CMake, and
// a test stands in for the whole of it to make any single step fail.
//
// One error style for all of it: a step that fails gives back a SystemError
// with the system's own error code and the path it was about. Nothing in
// this layer throws for a system error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

namespace kit {

// What the system answered when a step failed: its error code (errno in the
// generic category on POSIX, GetLastError in the system category on
// Windows) and the path the step was about. `operation` names the step in
// a few English words ("cannot create directory"), as the system's own
// error reports do.
struct SystemError {
  std::error_code code;
  std::string path;
  std::string_view operation;
};

// Success, or the error of a step that gives nothing back.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(SystemError error) : error_(std::move(error)), failed_(true) {}  // NOLINT: a failure converts implicitly

  explicit operator bool() const { return !failed_; }
  const SystemError& error() const { return error_; }

 private:
  SystemError error_;
  bool failed_ = false;
};

// A value, or the error of the step that should have given it.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}              // NOLINT
  Result(SystemError error) : state_(std::in_place_index<1>, std::move(error)) {}  // NOLINT

  explicit operator bool() const { return state_.index() == 0; }
  const T& operator*() const { return std::get<0>(state_); }
  T& operator*() { return std::get<0>(state_); }
  const T* operator->() const { return &std::get<0>(state_); }
  const SystemError& error() const { return std::get<1>(state_); }
  // The error as a Status, for a caller that passes it on.
  Status status() const { return *this ? Status() : Status(error()); }

 private:
  std::variant<T, SystemError> state_;
};

// An open file as the System that opened it identifies it: a number of its
// own choosing, meaningful only to that object; kNoFile (zero) stands for
// "no file".
enum class FileHandle : std::uintptr_t {};
inline constexpr FileHandle kNoFile{};

// The rules the file system puts on a name, where they differ.
enum class FolderNameRules { Posix, Windows };

// The separator of the file system the program runs on ("/" or "\").
extern const std::string_view kSeparator;
// The name rules of the file system the kits are written to.
extern const FolderNameRules kNativeFolderNameRules;

// A lock that holds until it is destroyed (System::LockKitFolder).
class FolderLock {
 public:
  virtual ~FolderLock() = default;
};

class System {
 public:
  virtual ~System() = default;

  // The directory that holds the running program file, as an absolute
  // UTF-8 path with no trailing separator (except for a root directory).
  virtual Result<std::string> ExecutableDirectory() = 0;

  // True when the path names an existing ordinary file that is not hidden
  // (links are followed). On POSIX a name that begins with a point is
  // hidden; on Windows the hidden and system attributes hide a file. False,
  // as for any absent file, when the path is missing, goes through a
  // missing directory or a file, or cannot even be formed: a name or a path
  // longer than the system takes, a name the file system cannot hold, a NUL
  // character. Such a path names nothing, whatever the user typed to make
  // it. Errors that make a folder or a drive unusable are errors, so that
  // they never pass for an absent file: access denied on the way, a loop of
  // links, an input/output error, and any other.
  virtual Result<bool> FileExists(const std::string& path) = 0;

  // True when the path names an existing directory; a trailing separator
  // does not matter. False and errors as for FileExists.
  virtual Result<bool> DirectoryExists(const std::string& path) = 0;

  // Creates one directory level; a directory already there is fine. Fails
  // when its parent is missing, access is denied, a file stands in its
  // place or the name is invalid.
  virtual Status CreateDirectoryLevel(const std::string& path) = 0;

  // The names of the ordinary, non-hidden files in the directory whose
  // names end with the extension (compared as the file system compares
  // names; on Windows the long name itself must end with it, a match
  // through the short 8.3 alias does not count), in the order in which the
  // directory gives them: never sorted, never de-duplicated. Every name
  // listed passes FileExists. A missing directory gives an empty list.
  virtual Result<std::vector<std::string>> ListFilesWithExtension(const std::string& directory,
                                                                 const std::string& extension) = 0;

  // The length in bytes of the ordinary file at the path (links followed).
  // An error when the path cannot be examined or names anything else than
  // an ordinary file.
  virtual Result<std::uint64_t> FileLength(const std::string& path) = 0;

  // Opens the file for sequential binary reading from its start. Fails,
  // without waiting, when the path names anything else than an ordinary
  // file at the moment it is opened (a FIFO or a device put in the place of
  // a source must neither block nor be read).
  virtual Result<FileHandle> OpenForReading(const std::string& path) = 0;

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
  virtual Result<FileHandle> CreateTemporaryFor(const std::string& target, std::string& temporaryPath) = 0;

  // Reads up to size bytes into the buffer and gives how many were read:
  // fewer than size only at the end of the file.
  virtual Result<std::size_t> Read(FileHandle file, char* buffer, std::size_t size) = 0;

  // Writes all size bytes, or fails. The bytes may be held back in a buffer
  // until Close, which then reports any error in writing them out.
  virtual Status Write(FileHandle file, const char* data, std::size_t size) = 0;

  // Writes out anything held back and has the system put the file's bytes
  // on the disk, so that they survive a power cut once this succeeds. The
  // writers call it on each finished file before they close it and rename
  // it over its target. Does nothing to a file opened for reading.
  virtual Status FlushToDisk(FileHandle file) = 0;

  // Writes out anything held back and closes the file. Fails when either
  // failed; the handle is no longer valid afterwards in both cases.
  virtual Status Close(FileHandle file) = 0;

  // Gives the file at `from` the name `to` in one step, replacing the file
  // that had that name: the old file stays whole until it is replaced.
  // On success the new name is on the disk too (the directory is flushed
  // after the rename), so a power cut after a writer has finished leaves
  // the new file, and one before leaves the old file.
  virtual Status RenameOver(const std::string& from, const std::string& to) = 0;

  // Removes the file at the path.
  virtual Status Remove(const std::string& path) = 0;

  // Takes the exclusive lock of the existing kit folder at the path, so that
  // one run at a time writes that kit: two wizards, a wizard and a script,
  // a build matrix. When another run holds it, in this process or another,
  // calls waiting() once, then waits as long as it takes. The lock adds no
  // file to the folder and goes when the object is destroyed or the
  // process ends, however it ends. A file system that keeps no locks gives
  // a lock that holds nothing, since nothing can be held there. On POSIX it
  // is flock() on the folder itself; on Windows a mutex named after the
  // folder's volume and file index, which are the same however its path is
  // spelt, in the session's namespace.
  virtual Result<std::unique_ptr<FolderLock>> LockKitFolder(const std::string& folder,
                                                            const std::function<void()>& waiting) = 0;
};

// The system the program runs on. The object lives as long as the process;
// it holds no state between calls other than the files left open and the
// hold on temporary files closed but not yet renamed or removed.
System& RealSystem();

// Each open file of RealSystem() keeps one buffer of this many bytes, so
// that many small reads and writes turn into few system calls. The memory
// used never depends on the size of the file.
inline constexpr std::size_t kStreamBufferSize = 128 * 1024;

}  // namespace kit
