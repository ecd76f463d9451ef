// Whole-process timings for the benchmarks that run nalo-cli beside a plain
// reference program: wall and CPU time of one child run, output to /dev/null,
// and the median of per-iteration ratios.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace nalo::bench {

struct TRunTime {
  double Wall = 0;  // seconds
  double Cpu = 0;   // user + system seconds of the child
  bool Ok = false;
};

inline double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; }

// Runs the program with its standard output (and, with `quiet_errors`, its error
// output) going to /dev/null and waits for it.
inline TRunTime RunToDevNull(const std::vector<std::string>& args, bool quiet_errors = false) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  if (quiet_errors)
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  TRunTime t;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid) {
      t.Ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
      t.Cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    }
  }
  t.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  return t;
}

// The middle value (the upper one of an even count); not for an empty list.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The nalo-cli to measure: NALO_BENCH_CLI when set (an older build, for a before
// and after), else the one built beside the benchmark.
inline std::string CliPath() {
  const char* other = std::getenv("NALO_BENCH_CLI");
  return other && *other ? other : NALO_CLI_PATH;
}

}  // namespace nalo::bench
