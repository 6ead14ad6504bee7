// Temporary files that an interrupted run left behind, on POSIX.
//
// A writer keeps a lock (flock) on its temporary file from the moment it
// creates it until the file is renamed over its target or removed. The
// system drops a process's locks when the process ends, however it ends, so
// a temporary file that no one holds locked was left by a run that was
// killed or crashed, and can go. A file that another run, live at the same
// moment in the same folder, is writing is locked and left alone.
#pragma once

#include <string>

namespace kit {

// Locks the temporary file just created at the descriptor as in use. False
// when another run's clean-up took the file in the instant between its
// creation and the lock: the caller then creates one under another name.
// A file system without locks gives true: there no clean-up can lock the
// file either, so none removes it.
bool LockAsInUse(int descriptor);

// Removes from the directory (a path ending with a separator, or empty for
// the current directory) each ordinary file whose name has the temporary
// shape (IsTemporaryName) and that no one holds locked. Links, folders and
// every other name are left alone; so is any file that cannot be examined
// or removed, since a stale temporary file is hidden and harms nothing.
void RemoveStaleTemporaries(const std::string& directory);

}  // namespace kit
