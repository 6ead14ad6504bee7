#include "app/standard_streams_win32.h"

#include <string>

#include "text/wide.h"

namespace app {
namespace {

bool IsUsable(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// The handle the program was started with, or else the parent's console.
HANDLE StandardHandle(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  if (IsUsable(handle)) return handle;
  // Fails quietly when the parent has no console (a shortcut, the
  // Explorer): the output then goes nowhere, and the exit code still tells.
  AttachConsole(ATTACH_PARENT_PROCESS);
  return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, 0, nullptr);
}

// Writes every unit of the data, in as many calls as the system needs.
template <typename Unit, typename WriteCall>
std::error_code WriteAll(const Unit* data, std::size_t size, WriteCall write) {
  while (size > 0) {
    const DWORD chunk = size > 0x10000 ? 0x10000 : static_cast<DWORD>(size);
    DWORD written = 0;
    const bool ok = write(data, chunk, &written);
    if (!ok || written == 0) {
      return {static_cast<int>(ok ? ERROR_WRITE_FAULT : GetLastError()), std::system_category()};
    }
    data += written;
    size -= written;
  }
  return {};
}

}  // namespace

HandleOutput::HandleOutput(HANDLE handle) : handle_(handle) {
  DWORD mode = 0;
  console_ = IsUsable(handle_) && GetConsoleMode(handle_, &mode);
}

std::error_code HandleOutput::Write(std::string_view utf8) {
  if (!IsUsable(handle_)) return {};
  // Text that is not UTF-8 cannot come from the program; it is written as
  // bytes rather than lost.
  if (console_) {
    if (const auto wide = text::Utf8ToWide(utf8)) {
      return WriteAll(wide->data(), wide->size(), [this](const wchar_t* data, DWORD size, DWORD* written) {
        return WriteConsoleW(handle_, data, size, written, nullptr);
      });
    }
  }
  return WriteAll(utf8.data(), utf8.size(), [this](const char* data, DWORD size, DWORD* written) {
    return WriteFile(handle_, data, size, written, nullptr);
  });
}

StandardStreams::StandardStreams()
    : out_(StandardHandle(STD_OUTPUT_HANDLE)), err_(StandardHandle(STD_ERROR_HANDLE)) {}

}  // namespace app
