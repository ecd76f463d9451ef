// fork + execv with three pipes. The parent writes standard input and drains both
// outputs through poll, so a child that prints a lot before reading its input can
// never dead-lock against the test.
#include "cli/cli_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace nalo::cli::test {
namespace {

constexpr int kExecFailed = 127;  // the shell's code for "command not found"

struct TPipe {
  int Read = -1;
  int Write = -1;
};

TPipe MakePipe() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
  return {fds[0], fds[1]};
}

[[noreturn]] void RunChild(const TCliCall& call, const std::string& binary, const TPipe& in,
                           const TPipe& out, const TPipe& err) {
  dup2(in.Read, STDIN_FILENO);
  dup2(out.Write, STDOUT_FILENO);
  dup2(err.Write, STDERR_FILENO);
  if (!call.WorkDir.empty() && chdir(call.WorkDir.c_str()) != 0) _exit(kExecFailed);
  for (const auto& [name, value] : call.Env) {
    if (value.empty()) unsetenv(name.c_str());
    else setenv(name.c_str(), value.c_str(), 1);
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(binary.c_str()));
  for (const std::string& a : call.Args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(binary.c_str(), argv.data());
  _exit(kExecFailed);
}

// Writes `input` to `in_fd` and reads both outputs until they close.
void Exchange(int in_fd, int out_fd, int err_fd, const std::string& input, TCliRun& run) {
  std::size_t written = 0;
  if (input.empty()) {
    close(in_fd);
    in_fd = -1;
  }
  char buffer[65536];
  while (out_fd >= 0 || err_fd >= 0 || in_fd >= 0) {
    pollfd fds[3] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}, {in_fd, POLLOUT, 0}};
    if (poll(fds, 3, -1) < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("poll failed");
    }
    for (int i = 0; i < 2; ++i) {
      int& fd = i == 0 ? out_fd : err_fd;
      if (fd < 0 || fds[i].revents == 0) continue;
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? run.Out : run.Err).append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        close(fd);
        fd = -1;
      }
    }
    if (in_fd >= 0 && fds[2].revents != 0) {
      const ssize_t n = write(in_fd, input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if (n < 0 && errno != EINTR) written = input.size();  // the child closed its input
      if (written == input.size()) {
        close(in_fd);
        in_fd = -1;
      }
    }
  }
}

}  // namespace

std::string CliBinary() {
  const char* dir = std::getenv("NALO_BUILD_DIR");
  if (dir != nullptr && *dir != '\0') return std::string(dir) + "/src/cli/nalo-cli";
  return NALO_CLI_BINARY;  // the binary built beside this test
}

TCliRun RunCli(const TCliCall& call) {
  const std::string binary = CliBinary();
  signal(SIGPIPE, SIG_IGN);
  const TPipe in = MakePipe(), out = MakePipe(), err = MakePipe();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) RunChild(call, binary, in, out, err);
  close(in.Read);
  close(out.Write);
  close(err.Write);
  TCliRun run;
  Exchange(in.Write, out.Read, err.Read, call.Stdin, run);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

}  // namespace nalo::cli::test
