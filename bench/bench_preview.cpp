// The latency of the main list's new-name column after a change of the rule: a
// request goes to the preview worker, which first walks the entries up to the last
// visible row (40 rows on screen) and hands those over, then the whole list with
// the clash check on disk. Measured from posting the request to each delivery, on
// lists of 100,000 and 1,000,000 generated names, beside a reference loop that
// only copies every entry into a row, and beside the copy of the entry list the
// window takes once after each change of the list (not per keystroke).
#include <benchmark/benchmark.h>

// GCC 12 warns falsely about string assignments inlined at -O3 (GCC bug 105651).
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "execution/preview_worker.h"
#include "rules/replace_rule.h"

namespace nalo {
namespace {

constexpr std::int64_t kVisibleRows = 40;

// A deterministic linear congruential generator (Knuth's MMIX constants).
struct TNameGenerator {
  std::uint64_t state = 0x5EED;
  std::uint32_t Next(std::uint32_t bound) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state >> 33) % bound;
  }
};

// Names like "holiday_Track draft(2003).jpg" in a folder that does not exist, so
// the clash check's look at the disk finds nothing and every row stays valid.
std::shared_ptr<const TEntryList> EntriesOf(std::int64_t count) {
  static std::shared_ptr<const TEntryList> cached;
  if (cached && cached->Count() == static_cast<std::size_t>(count)) return cached;
  const std::vector<std::string> words = {"holiday", "IMG",   "Report", "final", "draft",
                                          "movie",   "Track", "abc",    "data",  "scan"};
  const std::vector<std::string> exts = {".jpg", ".JPG", ".avi", ".mp3", ".txt", ""};
  const TFolderText location("/nonexistent-nalo-bench/media/");
  auto list = std::make_shared<TEntryList>();
  list->Reserve(static_cast<std::size_t>(count));
  TNameGenerator gen;
  for (std::int64_t i = 0; i < count; ++i) {
    TListData entry;
    const std::uint32_t parts = 1 + gen.Next(3);
    for (std::uint32_t p = 0; p < parts; ++p) {
      if (p > 0) entry.Name += gen.Next(2) ? " " : "_";
      entry.Name += words[gen.Next(static_cast<std::uint32_t>(words.size()))];
    }
    entry.Name += "_" + std::to_string(i);  // every name differs: no duplicates
    entry.Name += exts[gen.Next(static_cast<std::uint32_t>(exts.size()))];
    entry.Location = location;
    list->Add(std::move(entry));
  }
  cached = std::move(list);
  return cached;
}

// Replace every "a" by "A": about half the names change.
TRuleJob ReplaceJob() {
  TTabStatus_Okikae record;
  record.Kind = 1;
  record.StringOld = "a";
  record.StringNew = "A";
  record.StringFirstOnly = false;
  return [record](const TRuleContext& ctx) { return RunReplaceRule(ctx, record); };
}

// Posts one request per iteration and waits for the first delivery (the visible
// rows) or for the whole result.
void PreviewLatency(benchmark::State& state, bool whole) {
  const std::shared_ptr<const TEntryList> entries = EntriesOf(state.range(0));
  std::mutex mutex;
  std::condition_variable delivered;
  std::uint64_t waited_for = 0;
  bool arrived = false;
  std::size_t rows = 0;
  TPreviewWorker worker([&](TPreviewResult result) {
    const std::lock_guard lock(mutex);
    if (result.Cancelled || result.Generation != waited_for || (whole && !result.Complete)) return;
    rows = result.Rows.size();
    arrived = true;
    delivered.notify_one();
  });
  std::uint64_t generation = 0;
  for (auto _ : state) {
    TPreviewRequest request;
    request.Generation = ++generation;
    request.Entries = entries;
    request.Job = ReplaceJob();
    request.FirstPart = kVisibleRows;
    {
      const std::lock_guard lock(mutex);
      waited_for = generation;
      arrived = false;
    }
    worker.Post(std::move(request));
    std::unique_lock lock(mutex);
    delivered.wait(lock, [&] { return arrived; });
  }
  state.counters["rows"] = static_cast<double>(rows);
}

void BM_Preview_VisibleRows(benchmark::State& state) { PreviewLatency(state, false); }
void BM_Preview_WholeList(benchmark::State& state) { PreviewLatency(state, true); }

// The reference: every entry copied into a confirmation row, no rule at all.
void BM_Reference_CopyRows(benchmark::State& state) {
  const std::shared_ptr<const TEntryList> entries = EntriesOf(state.range(0));
  for (auto _ : state) {
    TConfirmationList list;
    for (std::size_t i = 0; i < entries->Count(); ++i) {
      AddConfirmationRow(list, i, entries->EntryAt(i).Name);
    }
    benchmark::DoNotOptimize(list.data());
  }
}

// The copy of the list the window hands the worker, taken once per list change.
void BM_Snapshot_CopyList(benchmark::State& state) {
  const std::shared_ptr<const TEntryList> entries = EntriesOf(state.range(0));
  for (auto _ : state) {
    auto copy = std::make_shared<const TEntryList>(*entries);
    benchmark::DoNotOptimize(copy.get());
  }
}

constexpr std::int64_t kSizes[] = {100'000, 1'000'000};

void Sizes(benchmark::internal::Benchmark* b) {
  for (std::int64_t n : kSizes) b->Arg(n);
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_Preview_VisibleRows)->Apply(Sizes);
BENCHMARK(BM_Preview_WholeList)->Apply(Sizes);
BENCHMARK(BM_Reference_CopyRows)->Apply(Sizes);
BENCHMARK(BM_Snapshot_CopyList)->Apply(Sizes);

}  // namespace
}  // namespace nalo

BENCHMARK_MAIN();
