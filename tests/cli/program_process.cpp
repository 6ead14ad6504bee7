#include "program_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace cli_test {

namespace fs = std::filesystem;

ProgramTree::ProgramTree() {
  // A hard link is quick; across file systems the program is copied.
  std::error_code error;
  fs::create_hard_link(ZVC_PROGRAM_FILE, ProgramFile(), error);
  if (error) fs::copy_file(ZVC_PROGRAM_FILE, ProgramFile());
}

std::string ProgramTree::ProgramFile() const { return Path("zantrel-velquist-creator").string(); }

ProgramRun ProgramTree::Run(const std::vector<std::string>& arguments, Display display,
                            std::optional<rlim_t> fileSizeLimit) const {
  const std::string program = ProgramFile();
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  std::vector<char*> envp;
  for (char** variable = environ; *variable; ++variable) {
    const std::string_view entry(*variable);
    const bool displayOrLocale = entry.starts_with("DISPLAY=") || entry.starts_with("WAYLAND_DISPLAY=") ||
                                 entry.starts_with("QT_QPA_PLATFORM=") || entry.starts_with("LANG=") ||
                                 entry.starts_with("LC_");
    if (display == Display::Inherited || !displayOrLocale) envp.push_back(*variable);
  }
  static char cLocale[] = "LC_ALL=C";
  if (display == Display::None) envp.push_back(cLocale);
  envp.push_back(nullptr);

  // The outputs go to files beside the tree, so a large output never blocks.
  const std::string outPath = Root() + ".out", errPath = Root() + ".err";
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) _exit(125);
    if (fileSizeLimit) {
      const rlimit limit{*fileSizeLimit, *fileSizeLimit};
      signal(SIGXFSZ, SIG_IGN);
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(125);
    }
    execve(program.c_str(), argv.data(), envp.data());
    _exit(126);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) throw std::runtime_error("waitpid failed");

  ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                 testing_support::ReadFileBytes(outPath), testing_support::ReadFileBytes(errPath)};
  fs::remove(outPath);
  fs::remove(errPath);
  return run;
}

}  // namespace cli_test
