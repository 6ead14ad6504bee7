// Another program for the tests: holds a file open for reading, sharing only
// reading, until its standard input ends. Prints "held" once it holds it.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  std::fputs("held\n", stdout);
  std::fflush(stdout);
  while (std::fgetc(stdin) != EOF) {
  }
  CloseHandle(file);
  return 0;
}
