// The pseudo-terminal side of the runner: forkpty gives the child a terminal for
// all three standard streams; the parent reads what it shows and types the answer
// once the prompt appears.
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "cli/cli_runner.h"

namespace nalo::cli::test {

TCliRun RunCliOnTerminal(const TCliCall& call, const std::string& prompt,
                         const std::string& answer) {
  const std::string binary = CliBinary();
  int master = -1;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid < 0) throw std::runtime_error("forkpty failed");
  if (pid == 0) {
    if (!call.WorkDir.empty() && chdir(call.WorkDir.c_str()) != 0) _exit(127);
    for (const auto& [name, value] : call.Env) setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(binary.c_str()));
    for (const std::string& a : call.Args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
  TCliRun run;
  bool answered = prompt.empty();
  char buffer[4096];
  for (;;) {
    if (!answered && run.Out.find(prompt) != std::string::npos) {
      if (write(master, answer.data(), answer.size()) < 0) break;
      answered = true;
    }
    const ssize_t n = read(master, buffer, sizeof buffer);
    if (n > 0) {
      run.Out.append(buffer, static_cast<std::size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      break;  // EIO once the child has closed the terminal
    }
  }
  close(master);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

}  // namespace nalo::cli::test
