// Renaming 100,000 files in one folder through ApplyRenames (with the batch
// journal) and undoing the batch, each beside a plain loop of renameat2 calls over
// the same files measured in the same run. The files are made once, outside the
// timed region, and every benchmark leaves them under their "old" names.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "execution/apply_renames.h"
#include "execution/undo_batch.h"

namespace {

// Files in the folder: a large folder, as a big photo or music collection has.
constexpr int kFiles = 100000;

std::string Name(int i, const char* stem) {
  std::string name = stem;
  name.append(std::to_string(i)).append(".dat");
  return name;
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

// One folder for all three benchmarks: making 100,000 files is slower than any of them.
const TBenchFolder& SharedFolder() {
  static TBenchFolder folder;
  return folder;
}

nalo::TEntryList Entries(const std::string& folder) {
  nalo::TEntryList entries;
  entries.Reserve(kFiles);
  for (int i = 0; i < kFiles; ++i) {
    nalo::TListData e;
    e.Name = Name(i, "old");
    e.Location = folder;
    e.FullPath = folder + e.Name;
    entries.Add(std::move(e));
  }
  return entries;
}

nalo::TConfirmationList Rows(const nalo::TEntryList& entries) {
  nalo::TConfirmationList rows;
  rows.reserve(kFiles);
  for (int i = 0; i < kFiles; ++i) {
    nalo::TConfirmationRow row;
    row.OldName = entries.EntryAt(i).Name;
    row.NewName = Name(i, "new");
    row.OldFullPath = entries.EntryAt(i).FullPath;
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

void BM_PlainRenameat2(benchmark::State& state) {
  std::string folder = SharedFolder().path + "d/";
  for (auto _ : state) {
    PlainRenames(folder, "old", "new");
    state.PauseTiming();
    PlainRenames(folder, "new", "old");
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_ApplyRenames(benchmark::State& state) {
  const TBenchFolder& dir = SharedFolder();
  std::string folder = dir.path + "d/";
  nalo::TBatchOptions options;
  options.JournalFolder = dir.journal;
  for (auto _ : state) {
    state.PauseTiming();
    nalo::TEntryList entries = Entries(folder);
    nalo::TConfirmationList rows = Rows(entries);
    state.ResumeTiming();
    auto r = nalo::ApplyRenames(entries, rows, {}, options);
    if (r.Renamed != kFiles) state.SkipWithError("renames failed");
    state.PauseTiming();
    PlainRenames(folder, "new", "old");
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_UndoLastBatch(benchmark::State& state) {
  const TBenchFolder& dir = SharedFolder();
  std::string folder = dir.path + "d/";
  nalo::TBatchOptions options;
  options.JournalFolder = dir.journal;
  for (auto _ : state) {
    state.PauseTiming();
    nalo::TEntryList entries = Entries(folder);
    nalo::TConfirmationList rows = Rows(entries);
    nalo::ApplyRenames(entries, rows, {}, options);
    state.ResumeTiming();
    auto r = nalo::UndoLastBatch(entries, {}, options);
    if (r.Restored != kFiles) state.SkipWithError("undo failed");
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
}

BENCHMARK(BM_PlainRenameat2)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ApplyRenames)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_UndoLastBatch)->Unit(benchmark::kMillisecond)->Iterations(2);
// The reference once more, after the others, on the folder as they left it: the
// two reference times bracket the drift of a folder renamed over and over.
BENCHMARK(BM_PlainRenameat2)->Name("BM_PlainRenameat2/after")->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
