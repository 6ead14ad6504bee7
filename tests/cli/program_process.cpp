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

namespace {

// The descriptor a standard output of the child gets; -1 when it cannot be
// made. A pipe's read end is closed at once, so every write meets a broken
// pipe.
int OpenSink(Sink sink, const std::string& filePath) {
  switch (sink) {
    case Sink::File: return open(filePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    case Sink::FullDevice: return open("/dev/full", O_WRONLY);
    case Sink::ClosedPipe: {
      int ends[2];
      if (pipe(ends) != 0) return -1;
      close(ends[0]);
      return ends[1];
    }
  }
  return -1;
}

}  // namespace

ProgramTree::ProgramTree() {
  // A hard link is quick; across file systems the program is copied.
  std::error_code error;
  fs::create_hard_link(ZVC_PROGRAM_FILE, ProgramFile(), error);
  if (error) fs::copy_file(ZVC_PROGRAM_FILE, ProgramFile());
}

std::string ProgramTree::ProgramFile() const { return Path("zantrel-velquist-creator").string(); }

pid_t ProgramTree::Start(const std::vector<std::string>& arguments, const RunOptions& options) const {
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
    if (options.display == Display::Inherited || !displayOrLocale) envp.push_back(*variable);
  }
  static char cLocale[] = "LC_ALL=C";
  if (options.display == Display::None) envp.push_back(cLocale);
  envp.push_back(nullptr);

  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    // The outputs go to files beside the tree, named after the run, so a
    // large output never blocks.
    const std::string base = Root() + "." + std::to_string(getpid());
    const int out = OpenSink(options.out, base + ".out");
    const int err = OpenSink(options.err, base + ".err");
    if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) _exit(125);
    // The signals as a shell gives them, whatever the test runner set.
    signal(SIGPIPE, SIG_DFL);
    signal(SIGXFSZ, SIG_DFL);
    if (options.fileSizeLimit) {
      const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(125);
    }
    execve(program.c_str(), argv.data(), envp.data());
    _exit(126);
  }
  return child;
}

ProgramRun ProgramTree::Wait(pid_t run) const {
  int status = 0;
  if (waitpid(run, &status, 0) != run) throw std::runtime_error("waitpid failed");
  const std::string base = Root() + "." + std::to_string(run);
  ProgramRun result{WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), {}, {}};
  for (auto [path, text] : {std::pair{base + ".out", &result.out}, std::pair{base + ".err", &result.err}}) {
    if (fs::exists(path)) *text = testing_support::ReadFileBytes(path);
    fs::remove(path);
  }
  return result;
}

ProgramRun ProgramTree::Run(const std::vector<std::string>& arguments, const RunOptions& options) const {
  return Wait(Start(arguments, options));
}

}  // namespace cli_test
