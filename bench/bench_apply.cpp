// Renaming 100,000 files in one folder through ApplyRenames (with the batch
// journal) and undoing the batch, beside a plain loop of renameat2 calls over the
// same files, all three in turn inside each iteration. The files are made once,
// outside the timed region, and every timed part starts after a sync. The argument
// picks the new names: 0 plain ASCII, 1 names with kanji, which the core holds in
// CP932 and the disk in UTF-8, so the conversions are measured too.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "execution/apply_renames.h"
#include "execution/undo_batch.h"

namespace {

// Files in the folder: a large folder, as a big photo or music collection has.
constexpr int kFiles = 100000;

// "写真_new" in UTF-8 (the disk) and in CP932 (the core).
constexpr const char* kKanjiNewUtf8 = "\xE5\x86\x99\xE7\x9C\x9F_new";
constexpr const char* kKanjiNewCp932 = "\x8E\xCA\x90\x5E_new";

std::string Name(int i, const char* stem) {
  std::string name = stem;
  name.append(std::to_string(i)).append(".dat");
  return name;
}

const char* NewStemOnDisk(const benchmark::State& state) {
  return state.range(0) == 0 ? "new" : kKanjiNewUtf8;
}
const char* NewStemInCore(const benchmark::State& state) {
  return state.range(0) == 0 ? "new" : kKanjiNewCp932;
}

struct TBenchFolder {
  std::string path;
  std::string journal;
  TBenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "nalo-bench-XXXXXX").string();
    path = std::string(mkdtemp(pattern.data())) + "/";
    journal = path + "settings";
    mkdir(journal.c_str(), 0755);
    mkdir((path + "d").c_str(), 0755);
    for (int i = 0; i < kFiles; ++i) close(open((path + "d/" + Name(i, "old")).c_str(), O_CREAT | O_WRONLY, 0644));
  }
  ~TBenchFolder() { std::filesystem::remove_all(path); }
};

// One folder for all the benchmarks: making 100,000 files is slower than any of them.
const TBenchFolder& SharedFolder() {
  static TBenchFolder folder;
  return folder;
}

nalo::TEntryList Entries(const std::string& folder) {
  nalo::TEntryList entries;
  entries.Reserve(kFiles);
  const nalo::TFolderText location(folder);
  for (int i = 0; i < kFiles; ++i) {
    nalo::TListData e;
    e.Name = Name(i, "old");
    e.Location = location;
    entries.Add(std::move(e));
  }
  return entries;
}

nalo::TConfirmationList Rows(const nalo::TEntryList& entries, const char* new_stem) {
  nalo::TConfirmationList rows;
  rows.reserve(kFiles);
  for (int i = 0; i < kFiles; ++i) {
    nalo::TConfirmationRow row;
    row.OldName = entries.EntryAt(i).Name;
    row.NewName = Name(i, new_stem);
    row.OldFullPath = entries.EntryAt(i).FullPath();
    rows.push_back(std::move(row));
  }
  return rows;
}

void PlainRenames(const std::string& folder, const char* from, const char* to) {
  for (int i = 0; i < kFiles; ++i) {
    std::string a = folder + Name(i, from), b = folder + Name(i, to);
    syscall(SYS_renameat2, AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), 1u);
  }
}

// Untimed rounds of renames to both kinds of new names before the first benchmark:
// the folder's index and the kernel's name cache only settle after a few rounds,
// and the first benchmark would otherwise pay for that alone.
constexpr int kWarmUpRounds = 2;

// Before each benchmark: the warm-up rounds (once), then everything written so far goes to the disk, so
// no benchmark pays for the write-back of the one before.
void Settle(const std::string& folder) {
  static bool warmed = false;
  for (int round = 0; !warmed && round < kWarmUpRounds; ++round) {
    for (const char* stem : {"new", kKanjiNewUtf8}) {
      PlainRenames(folder, "old", stem);
      PlainRenames(folder, stem, "old");
    }
  }
  warmed = true;
  sync();
}

double WallSeconds() {
  timespec t {};
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

// One iteration: the reference loop renames old -> new (and back, untimed), then
// ApplyRenames does the same batch and UndoLastBatch takes it back. The three take
// turns on the same folder, so drift of the folder or the machine touches all three
// alike; the counters are medians of the per-iteration ratios.
void BM_ApplyAndUndoBesideReference(benchmark::State& state) {
  const TBenchFolder& dir = SharedFolder();
  const std::string folder = dir.path + "d/";
  Settle(folder);
  nalo::TBatchOptions options;
  options.JournalFolder = dir.journal;
  std::vector<double> apply_ratios, undo_ratios, reference_times;
  for (auto _ : state) {
    const double reference =
        TimeSettled([&] { PlainRenames(folder, "old", NewStemOnDisk(state)); });
    PlainRenames(folder, NewStemOnDisk(state), "old");
    nalo::TEntryList entries = Entries(folder);
    nalo::TConfirmationList rows = Rows(entries, NewStemInCore(state));
    const double apply = TimeSettled([&] {
      if (nalo::ApplyRenames(entries, rows, {}, options).Renamed != kFiles) {
        state.SkipWithError("renames failed");
      }
    });
    const double undo = TimeSettled([&] {
      if (nalo::UndoLastBatch(entries, {}, options).Restored != kFiles) {
        state.SkipWithError("undo failed");
      }
    });
    state.SetIterationTime(apply);
    reference_times.push_back(reference);
    apply_ratios.push_back(apply / reference);
    undo_ratios.push_back(undo / reference);
  }
  state.counters["reference_ms"] = Median(reference_times) * 1e3;
  state.counters["apply_ratio"] = Median(apply_ratios);
  state.counters["undo_ratio"] = Median(undo_ratios);
  state.SetItemsProcessed(state.iterations() * kFiles);
}

// Nine iterations: the machine is shared, and a single slow batch should not
// decide a ratio.
constexpr int kIterations = 9;

BENCHMARK(BM_ApplyAndUndoBesideReference)->Arg(0)->Arg(1)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(kIterations);

}  // namespace

BENCHMARK_MAIN();
