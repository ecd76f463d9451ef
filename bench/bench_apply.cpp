// The desktop program's apply and undo path: a folder listed through ListFolder as
// the window lists it (no sizes or dates, every name of the folder kept), then
// ApplyRenames with the batch journal (what the window's apply runs on its worker
// thread) and UndoLastBatch, beside a plain loop of readdir + renameat2
// (RENAME_NOREPLACE) over the same files, all three in turn inside each iteration.
// The files are made once, outside the timed region, and every timed part starts
// after a sync.
//
// BM_ApplyAndUndoBesideReference/N: 100,000 files; N = 0 plain ASCII new names, 1
// names with kanji, which the core holds in CP932 and the disk in UTF-8, so the
// conversions are measured too.
// BM_MillionApplyMemory: 1,000,000 files, ASCII names; besides the ratios, the
// peak resident memory of the whole process during the apply (entries and rows
// included) and what the apply added on top of what was resident before it.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "execution/apply_renames.h"
#include "execution/undo_batch.h"
#include "listing/list_folder.h"

namespace {

// "写真_new" in UTF-8 (the disk) and in CP932 (the core).
constexpr const char* kKanjiNewUtf8 = "\xE5\x86\x99\xE7\x9C\x9F_new";
constexpr const char* kKanjiNewCp932 = "\x8E\xCA\x90\x5E_new";

std::string Name(int i, const char* stem) {
  std::string name = stem;
  name.append(std::to_string(i)).append(".dat");
  return name;
}

struct TBenchFolder {
  int files;
  std::string path;
  std::string journal;
  explicit TBenchFolder(int count) : files(count) {
    std::string pattern = (std::filesystem::temp_directory_path() / "nalo-bench-XXXXXX").string();
    path = std::string(mkdtemp(pattern.data())) + "/";
    journal = path + "settings";
    mkdir(journal.c_str(), 0755);
    mkdir((path + "d").c_str(), 0755);
    for (int i = 0; i < files; ++i) {
      close(open((path + "d/" + Name(i, "old")).c_str(), O_CREAT | O_WRONLY, 0644));
    }
  }
  ~TBenchFolder() { std::filesystem::remove_all(path); }
};

// One folder per size for all the benchmarks: making the files is slower than any
// of them.
const TBenchFolder& SharedFolder(int files) {
  static std::map<int, std::unique_ptr<TBenchFolder>> folders;
  auto& folder = folders[files];
  if (!folder) folder = std::make_unique<TBenchFolder>(files);
  return *folder;
}

// The folder listed as the window lists it before a rule run.
nalo::TEntryList Entries(const std::string& folder) {
  nalo::TListFolderRequest request;
  request.Folder = folder;
  request.ReadSizeAndDate = false;
  nalo::TTabStatus_Search search;
  nalo::TListingState state;
  nalo::TEntryList entries;
  nalo::ListFolder(request, search, state, entries);
  return entries;
}

// "old<i>.dat" -> "<stem><i>.dat" for every entry, as a replace rule gives them.
nalo::TConfirmationList Rows(const nalo::TEntryList& entries, const char* new_stem) {
  nalo::TConfirmationList rows;
  rows.reserve(entries.Count());
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    rows.push_back(
        {static_cast<std::uint32_t>(i), false, new_stem + entries.EntryAt(i).Name.substr(3)});
  }
  return rows;
}

// The reference: read the folder, then one renameat2(RENAME_NOREPLACE) per name
// holding `from`, relative to the open folder.
void PlainRenames(const std::string& folder, const std::string& from, const std::string& to) {
  DIR* dir = opendir(folder.c_str());
  std::vector<std::string> names;
  while (const dirent* d = readdir(dir)) {
    if (std::strncmp(d->d_name, from.c_str(), from.size()) == 0) names.emplace_back(d->d_name);
  }
  std::string target;
  for (const std::string& name : names) {
    target = to + name.substr(from.size());
    syscall(SYS_renameat2, dirfd(dir), name.c_str(), dirfd(dir), target.c_str(), 1u);
  }
  closedir(dir);
}

// Untimed rounds of renames to both kinds of new names before the first benchmark
// of a folder: the folder's index and the kernel's name cache only settle after a
// few rounds, and the first benchmark would otherwise pay for that alone.
constexpr int kWarmUpRounds = 2;

void WarmUp(const std::string& folder) {
  static std::map<std::string, bool> warmed;
  if (warmed[folder]) return;
  for (int round = 0; round < kWarmUpRounds; ++round) {
    for (const char* stem : {"new", kKanjiNewUtf8}) {
      PlainRenames(folder, "old", stem);
      PlainRenames(folder, stem, "old");
    }
  }
  warmed[folder] = true;
}

double WallSeconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Times `work` in wall time (the journal's sync is waited for, as a user waits),
// after everything written before has reached the disk.
template <typename Work>
double TimeSettled(Work work) {
  sync();
  const double start = WallSeconds();
  work();
  return WallSeconds() - start;
}

// A line "<key>: <n> kB" of /proc/self/status, in MB.
double StatusMb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::atof(line.c_str() + std::strlen(key)) / 1024.0;
  }
  return 0;
}

// Starts a new peak of resident memory (VmHWM) from what is resident now, after
// the heap gave back what earlier rounds freed, so the peak counts live memory.
void ResetPeakMemory() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

struct TRound {
  double Reference = 0, Apply = 0, Undo = 0;
  double ResidentBeforeMb = 0, PeakMb = 0;
};

// One iteration: the reference loop renames old -> new (and back, untimed), then
// ApplyRenames does the same batch and UndoLastBatch takes it back. The three take
// turns on the same folder, so drift of the folder or the machine touches all three
// alike.
TRound RunRound(benchmark::State& state, const TBenchFolder& dir, const char* disk_stem,
                const char* core_stem) {
  const std::string folder = dir.path + "d/";
  nalo::TBatchOptions options;
  options.JournalFolder = dir.journal;
  TRound round;
  round.Reference = TimeSettled([&] { PlainRenames(folder, "old", disk_stem); });
  PlainRenames(folder, disk_stem, "old");
  nalo::TEntryList entries = Entries(dir.path + "d");
  nalo::TConfirmationList rows = Rows(entries, core_stem);
  ResetPeakMemory();
  round.ResidentBeforeMb = StatusMb("VmRSS:");
  round.Apply = TimeSettled([&] {
    if (nalo::ApplyRenames(entries, rows, {}, options).Renamed != std::size_t(dir.files)) {
      state.SkipWithError("renames failed");
    }
  });
  round.PeakMb = StatusMb("VmHWM:");
  round.Undo = TimeSettled([&] {
    if (nalo::UndoLastBatch(entries, {}, options).Restored != std::size_t(dir.files)) {
      state.SkipWithError("undo failed");
    }
  });
  return round;
}

void Report(benchmark::State& state, const std::vector<TRound>& rounds) {
  std::vector<double> apply, undo, reference, peak, added;
  for (const TRound& r : rounds) {
    apply.push_back(r.Apply / r.Reference);
    undo.push_back(r.Undo / r.Reference);
    reference.push_back(r.Reference);
    peak.push_back(r.PeakMb);
    added.push_back(r.PeakMb - r.ResidentBeforeMb);
  }
  state.counters["reference_ms"] = Median(reference) * 1e3;
  state.counters["apply_ratio"] = Median(apply);
  state.counters["undo_ratio"] = Median(undo);
  state.counters["peak_mb"] = *std::max_element(peak.begin(), peak.end());
  state.counters["apply_added_mb"] = Median(added);
}

constexpr int kFiles = 100000;

void BM_ApplyAndUndoBesideReference(benchmark::State& state) {
  const TBenchFolder& dir = SharedFolder(kFiles);
  WarmUp(dir.path + "d/");
  const bool kanji = state.range(0) == 1;
  std::vector<TRound> rounds;
  for (auto _ : state) {
    rounds.push_back(
        RunRound(state, dir, kanji ? kKanjiNewUtf8 : "new", kanji ? kKanjiNewCp932 : "new"));
    state.SetIterationTime(rounds.back().Apply);
  }
  Report(state, rounds);
  state.SetItemsProcessed(state.iterations() * kFiles);
}

// Nine iterations: the machine is shared, and a single slow batch should not
// decide a ratio.
BENCHMARK(BM_ApplyAndUndoBesideReference)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(9);

// A million files: the memory of the window's apply. Runs only when asked for
// (--benchmark_filter=Million): making the files takes a minute.
void BM_MillionApplyMemory(benchmark::State& state) {
  const TBenchFolder& dir = SharedFolder(1000000);
  std::vector<TRound> rounds;
  for (auto _ : state) {
    rounds.push_back(RunRound(state, dir, "new", "new"));
    state.SetIterationTime(rounds.back().Apply);
  }
  Report(state, rounds);
}

BENCHMARK(BM_MillionApplyMemory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::GetBenchmarkFilter() == "all" || benchmark::GetBenchmarkFilter().empty()) {
    benchmark::SetBenchmarkFilter("BesideReference");
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
