// Whole-process apply and undo: `nalo-cli apply FOLDER --replace old new --yes`
// and `nalo-cli undo --yes` on 100,000 files in one folder, beside the plain
// readdir + renameat2(RENAME_NOREPLACE) loop (reference/rename_loop.cpp) doing the
// same renames. Each iteration runs, as child processes and each after a sync: the
// loop old -> new (then back, untimed), nalo-cli apply, nalo-cli undo. So all three
// meet the same folder and the same machine load; the counters are medians of the
// per-iteration ratios, in wall time (the journal's sync is waited for, as a user
// waits) and in CPU time (user + system of the child).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_root.h"
#include "child_run.h"

extern char** environ;

namespace {

using nalo::bench::CliPath;
using nalo::bench::Median;
using nalo::bench::RunToDevNull;
using nalo::bench::TRunTime;

constexpr int kFiles = 100000;

std::string g_root;  // holds the folder and an empty settings folder

std::string FolderPath() { return g_root + "/d"; }

void MakeFolder() {
  if (!g_root.empty()) return;
  g_root = nalo::bench::MakeBenchRoot("apply");
  mkdir(FolderPath().c_str(), 0755);
  for (int i = 0; i < kFiles; ++i) {
    const std::string path = FolderPath() + "/old" + std::to_string(i) + ".dat";
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd >= 0) close(fd);
  }
  nalo::bench::UseSettingsFolderIn(g_root);
}

// Runs the program after a sync, its output going to /dev/null, and waits for it.
TRunTime RunSettled(const std::vector<std::string>& args) {
  sync();
  return RunToDevNull(args, true);
}

void BM_ApplyProcessBesideLoop(benchmark::State& state) {
  MakeFolder();
  const std::vector<std::string> loop = {NALO_LOOP_PATH, FolderPath(), "old", "new"};
  const std::vector<std::string> loop_back = {NALO_LOOP_PATH, FolderPath(), "new", "old"};
  const std::vector<std::string> apply = {CliPath(), "apply", FolderPath(), "--replace",
                                          "old",     "new",   "--yes"};
  const std::vector<std::string> undo = {CliPath(), "undo", "--yes"};
  for (int round = 0; round < 2; ++round) {  // the folder's index settles after a few rounds
    RunSettled(loop);
    RunSettled(loop_back);
  }
  std::vector<double> loop_ms, apply_wall, undo_wall, apply_cpu, undo_cpu;
  for (auto _ : state) {
    const TRunTime r = RunSettled(loop);
    RunSettled(loop_back);
    const TRunTime a = RunSettled(apply);
    const TRunTime u = RunSettled(undo);
    if (!r.Ok || !a.Ok || !u.Ok) state.SkipWithError("a program failed");
    state.SetIterationTime(a.Wall);
    loop_ms.push_back(r.Wall * 1e3);
    apply_wall.push_back(a.Wall / r.Wall);
    undo_wall.push_back(u.Wall / r.Wall);
    apply_cpu.push_back(a.Cpu / r.Cpu);
    undo_cpu.push_back(u.Cpu / r.Cpu);
  }
  state.counters["loop_ms"] = Median(loop_ms);
  state.counters["apply_ratio"] = Median(apply_wall);
  state.counters["undo_ratio"] = Median(undo_wall);
  state.counters["apply_cpu_ratio"] = Median(apply_cpu);
  state.counters["undo_cpu_ratio"] = Median(undo_cpu);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("ApplyProcessBesideLoop/100k_in_one_folder",
                               BM_ApplyProcessBesideLoop)
      ->UseManualTime()
      ->Iterations(7)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  nalo::bench::RemoveBenchRoot(g_root);
  return 0;
}
