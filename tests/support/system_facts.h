// What the cases expect of the system they run on, where the systems differ
// (system_facts_posix.cpp, system_facts_win.cpp).
#pragma once

namespace testing_support {

// The root directory as the system reports a program's directory there, and
// the install root made from it: "/" and "" on Linux, "C:\" and "C:" on
// Windows.
extern const char* const kRootDirectory;
extern const char* const kRootInstallRoot;

// How the file system treats names: without regard to case (Windows), and
// a name beginning with a point as hidden (Linux).
extern const bool kNamesCompareWithoutCase;
extern const bool kLeadingPointHides;

// An install root as a user would have it: "/opt/zvc" on Linux, the worked
// example "C:\Outils\Assistant" on Windows.
extern const char* const kExampleInstallRoot;

}  // namespace testing_support
