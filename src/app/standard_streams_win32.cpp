#include "app/standard_streams_win32.h"

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

}  // namespace

HandleStreamBuffer::HandleStreamBuffer(HANDLE handle) : handle_(handle) {
  DWORD mode = 0;
  console_ = IsUsable(handle_) && GetConsoleMode(handle_, &mode);
}

HandleStreamBuffer::~HandleStreamBuffer() { sync(); }

HandleStreamBuffer::int_type HandleStreamBuffer::overflow(int_type character) {
  if (!traits_type::eq_int_type(character, traits_type::eof())) pending_.push_back(traits_type::to_char_type(character));
  return traits_type::not_eof(character);
}

std::streamsize HandleStreamBuffer::xsputn(const char* data, std::streamsize size) {
  pending_.append(data, static_cast<std::size_t>(size));
  return size;
}

int HandleStreamBuffer::sync() {
  if (pending_.empty() || !IsUsable(handle_)) {
    pending_.clear();
    return 0;
  }
  DWORD written = 0;
  bool ok;
  if (console_) {
    // Text that is not UTF-8 cannot come from the program; it is written
    // as bytes rather than lost.
    if (auto wide = text::Utf8ToWide(pending_)) {
      ok = WriteConsoleW(handle_, wide->data(), static_cast<DWORD>(wide->size()), &written, nullptr);
    } else {
      ok = WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &written, nullptr);
    }
  } else {
    ok = WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &written, nullptr);
  }
  pending_.clear();
  return ok ? 0 : -1;
}

StandardStreams::StandardStreams()
    : outBuffer_(StandardHandle(STD_OUTPUT_HANDLE)), errBuffer_(StandardHandle(STD_ERROR_HANDLE)) {}

}  // namespace app
