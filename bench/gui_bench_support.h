// What the desktop program's benchmarks share: the size of their folder, a
// stopwatch, and a main that runs one benchmark offscreen.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>

namespace nalo::bench {

// Files in the benchmark's folder: a million, or NALO_BENCH_GUI_FILES (for a quick
// run or a profile).
inline int GuiFileCount() {
  static const int count = [] {
    const char* text = std::getenv("NALO_BENCH_GUI_FILES");
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 1000000;
  }();
  return count;
}

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs `function` as the benchmark `name`, three timed iterations, offscreen.
inline void RunGuiBenchmark(int argc, char** argv, const char* name,
                            void (*function)(benchmark::State&)) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::RegisterBenchmark(name, function)
      ->UseManualTime()
      ->Iterations(3)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}

}  // namespace nalo::bench
