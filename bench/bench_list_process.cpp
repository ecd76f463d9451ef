// Whole-process listing: `nalo-cli list TREE --recursive` (TSV to /dev/null) beside
// the plain walker program (readdir + fstatat, one line per file to /dev/null) on
// a tree of 200,000 empty files in 200 folders. Each iteration runs the two
// programs one after the other as child processes, so both meet the same machine
// load; the counters give the median wall and CPU time (user + system of the
// child) of each and the medians of the per-iteration ratios. Start-up, settings,
// scan, sort and output are all included.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

constexpr int kFolders = 200;
constexpr int kFilesPerFolder = 1000;

std::string g_root;  // holds the tree and an empty settings folder

std::string TreePath() { return g_root + "/tree"; }

void MakeTree() {
  if (!g_root.empty()) return;
  g_root = nalo::bench::MakeBenchRoot("list");
  mkdir(TreePath().c_str(), 0755);
  for (int f = 0; f < kFolders; ++f) {
    const std::string folder = TreePath() + "/album-" + std::to_string(f);
    mkdir(folder.c_str(), 0755);
    for (int i = 0; i < kFilesPerFolder; ++i) {
      const std::string path = folder + "/IMG_" + std::to_string(i) + ".dat";
      const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0644);
      if (fd >= 0) close(fd);
    }
  }
  nalo::bench::UseSettingsFolderIn(g_root);
}

void BM_ListProcessBesideWalker(benchmark::State& state) {
  MakeTree();
  const std::vector<std::string> walker = {NALO_WALKER_PATH, TreePath()};
  const std::vector<std::string> nalo = {CliPath(), "list", TreePath(), "--recursive"};
  RunToDevNull(walker);  // warm the caches once
  RunToDevNull(nalo);
  std::vector<double> walker_ms, nalo_ms, walker_cpu_ms, nalo_cpu_ms, wall_ratio, cpu_ratio;
  for (auto _ : state) {
    const TRunTime r = RunToDevNull(walker);
    const TRunTime n = RunToDevNull(nalo);
    if (!r.Ok || !n.Ok) state.SkipWithError("a program failed");
    walker_ms.push_back(r.Wall * 1e3);
    nalo_ms.push_back(n.Wall * 1e3);
    walker_cpu_ms.push_back(r.Cpu * 1e3);
    nalo_cpu_ms.push_back(n.Cpu * 1e3);
    wall_ratio.push_back(n.Wall / r.Wall);
    cpu_ratio.push_back(n.Cpu / r.Cpu);
    state.SetIterationTime(n.Wall);
  }
  state.counters["walker_ms"] = Median(walker_ms);
  state.counters["nalo_ms"] = Median(nalo_ms);
  state.counters["wall_ratio"] = Median(wall_ratio);
  state.counters["walker_cpu_ms"] = Median(walker_cpu_ms);
  state.counters["nalo_cpu_ms"] = Median(nalo_cpu_ms);
  state.counters["cpu_ratio"] = Median(cpu_ratio);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("ListProcessBesideWalker/tree_200k_in_200",
                               BM_ListProcessBesideWalker)
      ->UseManualTime()
      ->Iterations(10)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  nalo::bench::RemoveBenchRoot(g_root);
  return 0;
}
