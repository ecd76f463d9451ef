// Speed and memory of the listing: a scan with entries and sort of a tree of
// 200,000 files in 200 folders and of one folder of 100,000 files, each beside a
// plain reference walker (readdir + fstatat collecting name, size, mtime and path)
// run alternately on the same trees and timed in thread CPU time; sorts of 250k/500k/1M entries by name and by location;
// and the heap bytes per entry of a 1,000,000-entry list beside the reference's
// records. The trees are made once under /tmp and removed at the end.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench_root.h"
#include "listing/list_folder.h"
#include "listing/list_sort.h"
#include "listing/size_units.h"
#include "platform/file_times.h"

namespace {

using namespace nalo;

constexpr int kTreeFolders = 200;
constexpr int kFilesPerTreeFolder = 1000;
constexpr int kFlatFiles = 100000;

std::string g_root;  // the benchmark trees live below it

std::string TreePath() { return g_root + "/tree"; }
std::string FlatPath() { return g_root + "/flat"; }

void MakeFiles(const std::string& folder, int count, const char* prefix) {
  mkdir(folder.c_str(), 0755);
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + "/" + prefix + std::to_string(i) + ".dat";
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd >= 0) close(fd);
  }
}

const std::string& Tree() { static std::string p; p = TreePath(); return p; }
const std::string& Flat() { static std::string p; p = FlatPath(); return p; }

// Makes each tree on first use, so a run of some benchmarks makes only what they need.
void MakeTree(const std::string& (*folder)()) {
  if (g_root.empty()) {
    g_root = nalo::bench::MakeBenchRoot("scan");
  }
  struct stat st;
  if (stat(folder().c_str(), &st) == 0) return;
  if (folder() == FlatPath()) {
    MakeFiles(FlatPath(), kFlatFiles, "photo_");
    return;
  }
  mkdir(TreePath().c_str(), 0755);
  for (int f = 0; f < kTreeFolders; ++f) {
    MakeFiles(TreePath() + "/album-" + std::to_string(f), kFilesPerTreeFolder, "IMG_");
  }
}

// The reference: what any walker must at least do.
struct TRefRecord {
  std::string Name;
  std::int64_t Size;
  std::int64_t Mtime;
  std::string Path;
};

void RefWalk(int dirfd_in, const std::string& path, std::vector<TRefRecord>& out) {
  DIR* dir = fdopendir(dirfd_in);
  if (!dir) return;
  std::vector<std::string> subs;
  while (const dirent* d = readdir(dir)) {
    const char* n = d->d_name;
    if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
    struct stat st;
    if (fstatat(dirfd(dir), n, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      subs.emplace_back(n);
      continue;
    }
    out.push_back({n, st.st_size, st.st_mtim.tv_sec, path + n});
  }
  for (const std::string& s : subs) {
    const int fd = openat(dirfd(dir), s.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd >= 0) RefWalk(fd, path + s + "/", out);
  }
  closedir(dir);
}

std::size_t ReferenceScan(const std::string& folder) {
  std::vector<TRefRecord> out;
  RefWalk(open(folder.c_str(), O_RDONLY | O_DIRECTORY), folder + "/", out);
  benchmark::DoNotOptimize(out.data());
  return out.size();
}

std::size_t NaloScan(const std::string& folder, bool sub_folders) {
  TListingState listing;
  TEntryList entries;
  TListFolderRequest request;
  request.Folder = folder;
  request.SubFolders = sub_folders;
  ListFolder(request, {}, listing, entries);
  return entries.Count();
}

double ThreadCpuSeconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

// The reference and ListFolder run alternately in each iteration, so both see the
// same machine load; the iteration time is ListFolder's, and the counters give
// both CPU times and their ratio.
void BM_ScanBesideReference(benchmark::State& state, const std::string& (*folder)(), bool sub_folders) {
  MakeTree(folder);
  double reference = 0, nalo = 0;
  for (auto _ : state) {
    double t0 = ThreadCpuSeconds();
    const std::size_t ref_items = ReferenceScan(folder());
    double t1 = ThreadCpuSeconds();
    const std::size_t items = NaloScan(folder(), sub_folders);
    double t2 = ThreadCpuSeconds();
    if (items != ref_items) state.SkipWithError("ListFolder and the reference found different items");
    reference += t1 - t0;
    nalo += t2 - t1;
    state.SetIterationTime(t2 - t1);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["reference_ms"] = reference / n * 1e3;
  state.counters["listfolder_ms"] = nalo / n * 1e3;
  state.counters["ratio"] = nalo / reference;
}


// A synthetic list shaped like a photo archive: 1,000 entries per folder.
TEntryList SyntheticList(std::size_t n) {
  std::mt19937 rng(42);
  TEntryList list;
  list.Reserve(n);
  std::map<std::string, TFolderText> folders;  // the scanner makes one text per folder
  for (std::size_t i = 0; i < n; ++i) {
    TListData e;
    const std::string location = "/home/user/photos/" + std::to_string(2000 + i / 100000) +
                                 "/album-" + std::to_string(rng() % 1000) + "/";
    e.Location = folders.try_emplace(location, location).first->second;
    e.Name = "IMG_" + std::to_string(rng() % 10000000) + (rng() % 2 ? ".JPG" : ".jpg");
    e.Size = static_cast<std::int64_t>(rng() % 10000000);
    e.Modified = 43591.52;  // 2019/05/06 12:28
    e.FileTime = static_cast<std::int32_t>(rng());
    list.Add(std::move(e));
  }
  return list;
}

void BM_Sort(benchmark::State& state, std::int32_t column) {
  const TEntryList original = SyntheticList(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    TEntryList list = original;
    state.ResumeTiming();
    SortEntries(list, column, true);
    benchmark::DoNotOptimize(list.EntryAt(0).Name.data());
    state.PauseTiming();
    list.ClearEntries();  // freeing the copy is not part of the sort
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

// Bytes handed out by malloc, small blocks and mapped large blocks alike.
std::size_t HeapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

// Heap bytes per entry of a 1,000,000-entry list, beside the reference records
// holding name, size, mtime and path made from the same texts.
void BM_MemoryPerEntry(benchmark::State& state) {
  constexpr std::size_t kEntries = 1000000;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    const TEntryList list = SyntheticList(kEntries);
    const std::size_t after_list = HeapInUse();
    std::vector<TRefRecord> ref;
    ref.reserve(kEntries);
    for (const TListData& e : list.Items()) ref.push_back({e.Name, e.Size, 0, e.FullPath()});
    state.counters["entry_bytes"] = static_cast<double>(after_list - before) / kEntries;
    state.counters["reference_bytes"] = static_cast<double>(HeapInUse() - after_list) / kEntries;
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("ScanBesideReference/tree_200k_in_200", BM_ScanBesideReference, &Tree, true)
      ->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("ScanBesideReference/flat_100k", BM_ScanBesideReference, &Flat, false)
      ->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);
  for (std::int32_t column : {kSortByName, kSortByLocation}) {
    benchmark::RegisterBenchmark(column == kSortByName ? "Sort/by_name" : "Sort/by_location", BM_Sort, column)
        ->Arg(250000)->Arg(500000)->Arg(1000000)
        ->Complexity(benchmark::oNLogN)->Unit(benchmark::kMillisecond)->Iterations(3);
  }
  benchmark::RegisterBenchmark("Memory/1M_entries", BM_MemoryPerEntry)->Iterations(1)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  nalo::bench::RemoveBenchRoot(g_root);
  return 0;
}
