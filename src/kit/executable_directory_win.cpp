// The running module's directory, from its full path (wide API). The root of
// a drive keeps its backslash ("C:\"), as Windows writes it; any other
// directory has none.
#include <windows.h>

#include <string>
#include <system_error>

#include "kit/executable_directory.h"
#include "kit/utf16.h"

namespace kit {
namespace {

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "module path");
    // A path that fills the buffer may have been cut: try again with more room.
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::string ExecutableDirectory() {
  const std::wstring path = ModulePath();
  std::wstring::size_type separator = path.rfind(L'\\');
  if (separator == std::wstring::npos)
    throw std::system_error(ERROR_BAD_PATHNAME, std::system_category(), "module path");
  // "C:\program.exe" lies in "C:\", not in "C:" (the current directory of drive C).
  if (separator > 0 && path[separator - 1] == L':') ++separator;
  const std::optional<std::string> directory = WideToUtf8(std::wstring_view(path).substr(0, separator));
  if (!directory) throw std::system_error(ERROR_NO_UNICODE_TRANSLATION, std::system_category(), "module path");
  return *directory;
}

}  // namespace kit
