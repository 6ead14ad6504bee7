// Zantrel Velquist Creator on Windows: the same wizard on the window layer
// of the Windows API. Given arguments, it works from its command line
// instead, with no window.
#include <windows.h>

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "app/standard_streams_win32.h"
#include "app/wizard.h"
#include "cli/run_command_line.h"
#include "cli/usage.h"
#include "text/wide.h"
#include "ui/win32/system_functions.h"
#include "ui/win32/win32_platform.h"

namespace {

// Whether the command line holds anything after the program's name, which
// is quoted or ends at the first blank; the wizard's usual start then needs
// no splitting.
bool HasArguments(const wchar_t* line) {
  if (*line == L'"') {
    for (++line; *line && *line != L'"'; ++line) {
    }
    if (*line) ++line;
  } else {
    while (*line && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return *line != 0;
}

// The arguments after the program's own name, in UTF-8; nothing when one of
// them holds text that has no UTF-8 form.
std::optional<std::vector<std::string>> Arguments() {
  if (!HasArguments(GetCommandLineW())) return std::vector<std::string>();
  const auto split = ui::win32::Shell32().commandLineToArgvW;
  if (!split) return std::vector<std::string>();
  int count = 0;
  LPWSTR* wide = split(GetCommandLineW(), &count);
  if (!wide) return std::vector<std::string>();
  std::optional<std::vector<std::string>> arguments(std::in_place);
  for (int i = 1; i < count && arguments; ++i) {
    if (auto argument = text::WideToUtf8(wide[i])) {
      arguments->push_back(std::move(*argument));
    } else {
      arguments.reset();
    }
  }
  LocalFree(wide);
  return arguments;
}

int RunWizard() {
  ui::win32::Win32Platform platform;
  app::Wizard wizard(platform);
  try {
    wizard.Start();
  } catch (const std::exception& error) {
    return platform.ReportUncaughtError(error.what());
  }
  return platform.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::optional<std::vector<std::string>> arguments = Arguments();
  if (arguments && arguments->empty()) return RunWizard();

  app::StandardStreams streams;
  if (!arguments) {
    const std::error_code error = streams.Err().Write(cli::UsageErrorLine("un argument n'est pas un texte valide"));
    return error ? cli::kFailure : cli::kUsage;
  }
  return cli::RunCommandLine(*arguments, streams.Out(), streams.Err());
}
