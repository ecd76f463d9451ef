// A forked child that runs part of a test in a process of its own, talking to the
// parent through two pipes: the child reports (for instance after a rename step)
// and then waits until the parent lets it go on, so the parent can act at an
// exact point of the child's work (take a lock, send a signal, kill it) without
// any sleep.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

namespace nalo::testing {

class TChild {
 public:
  // Forks and runs `body` in the child, which exits with its return value.
  explicit TChild(const std::function<int(TChild&)>& body) {
    if (pipe(up_) != 0 || pipe(down_) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(up_[0]);
      close(down_[1]);
      _exit(body(*this));
    }
    close(up_[1]);
    close(down_[0]);
  }
  ~TChild() {
    if (pid_ > 0 && status_ < 0) {
      kill(pid_, SIGKILL);
      Wait();
    }
    close(up_[0]);
    close(down_[1]);
  }
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;

  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }

  // In the child: tells the parent, then waits for its go (or its end).
  void ReportAndWait() {
    char c = 'r';
    while (write(up_[1], &c, 1) < 0 && errno == EINTR) {}
    while (read(down_[0], &c, 1) < 0 && errno == EINTR) {}
  }
  // In the parent: waits for the child's report; false when the child ended first.
  bool AwaitReport() {
    char c;
    ssize_t n;
    do {
      n = read(up_[0], &c, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1;
  }
  // In the parent: lets the child go on (never after killing it: the write would
  // raise SIGPIPE).
  void Go() {
    char c = 'g';
    while (write(down_[1], &c, 1) < 0 && errno == EINTR) {}
  }
  // In the parent: waits for the end; the exit code, or 128 + the signal.
  int Wait() {
    if (status_ >= 0) return status_;
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {}
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int up_[2] = {-1, -1};    // child -> parent
  int down_[2] = {-1, -1};  // parent -> child
  int status_ = -1;
};

}  // namespace nalo::testing
