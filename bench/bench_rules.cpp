// Every sub-rule of the replace, add, move and convert tabs run over an in-memory
// entry list of mixed ASCII and Japanese CP932 names, beside a reference loop that
// only copies each entry into a confirmation row. The names come from a fixed-seed
// generator so every run measures the same list; two list sizes show the growth.
#include <benchmark/benchmark.h>

// GCC 12 warns falsely about string assignments inlined at -O3 (GCC bug 105651).
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <cstdint>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "rules/add_rule.h"
#include "rules/convert_rule.h"
#include "rules/move_rule.h"
#include "rules/replace_rule.h"
#include "rules/rule_run.h"

namespace nalo {
namespace {

// Two list sizes, a quarter and the whole, so that the timings show linear growth.
constexpr std::int64_t kSmallList = 250'000;
constexpr std::int64_t kLargeList = 1'000'000;

std::string Sj(const char* utf8) { return Utf8ToCp932(utf8).value_or(std::string()); }

// A deterministic linear congruential generator (Knuth's MMIX constants).
struct TNameGenerator {
  std::uint64_t state = 0x5EED;
  std::uint32_t Next(std::uint32_t bound) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state >> 33) % bound;
  }
};

TListData MakeEntry(TNameGenerator& gen, const std::vector<std::string>& words,
                    const std::vector<std::string>& tags, const std::vector<std::string>& exts) {
  TListData entry;
  if (gen.Next(3) == 0) entry.Name += tags[gen.Next(static_cast<std::uint32_t>(tags.size()))];
  const std::uint32_t parts = 1 + gen.Next(3);
  for (std::uint32_t i = 0; i < parts; ++i) {
    if (i > 0) entry.Name += gen.Next(2) ? " " : "_";
    entry.Name += words[gen.Next(static_cast<std::uint32_t>(words.size()))];
  }
  if (gen.Next(4) == 0) {
    entry.Name += '(';
    entry.Name += std::to_string(1990 + gen.Next(35));
    entry.Name += ')';
  }
  if (gen.Next(16) == 0) entry.Name += " ";  // a stray blank before the extension
  entry.Name += exts[gen.Next(static_cast<std::uint32_t>(exts.size()))];
  static const TFolderText location("/home/user/media/");
  entry.Location = location;
  return entry;
}

// The shared entry list of `count` names.
const TEntryList& EntriesOf(std::int64_t count) {
  static TEntryList small, large;
  TEntryList& list = count == kSmallList ? small : large;
  if (list.Count() == static_cast<std::size_t>(count)) return list;
  const std::vector<std::string> words = {
      "holiday", "IMG", "Report", "final", "draft", "movie", "Track", Sj("映画"), Sj("写真"),
      Sj("ひらがな"), Sj("カタカナ"), Sj("表ソ"), Sj("ＡＢＣ"), Sj("東京タワー"), "abc",
      Sj("ｶﾀｶﾅ")};
  const std::vector<std::string> tags = {Sj("【新作】"), "[HD]", Sj("「特集」"), "(old)"};
  const std::vector<std::string> exts = {".jpg", ".JPG", ".avi", ".mp3", ".txt", ".tar.gz", ""};
  TNameGenerator gen;
  list.Reserve(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) list.Add(MakeEntry(gen, words, tags, exts));
  return list;
}

void Report(benchmark::State& state, std::size_t rows) {
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["rows"] = static_cast<double>(rows);
}

// The reference: every entry copied into a confirmation row, no rule at all.
void BM_Reference_CopyRows(benchmark::State& state) {
  const TEntryList& entries = EntriesOf(state.range(0));
  std::size_t rows = 0;
  for (auto _ : state) {
    TConfirmationList list;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
      AddConfirmationRow(list, i, entries.EntryAt(i).Name);
    }
    rows = list.size();
    benchmark::DoNotOptimize(list.data());
  }
  Report(state, rows);
}

template <typename Record, typename Run>
void RunRuleBenchmark(benchmark::State& state, const Record& record, Run run,
                      bool exclusion = false) {
  const TEntryList& entries = EntriesOf(state.range(0));
  TRuleContext ctx(entries);
  ctx.Trim = true;
  if (exclusion) ctx.Exclusion = TExclusion{true, "draft", false};
  std::size_t rows = 0;
  for (auto _ : state) {
    TRuleResult result = run(ctx, record);
    rows = result.Rows.size();
    benchmark::DoNotOptimize(result.Rows.data());
  }
  Report(state, rows);
}

TTabStatus_Okikae ReplaceRecord(int kind) {
  TTabStatus_Okikae s;
  s.Kind = kind;
  s.KakkoOldIdx = 8;   // 【】
  s.KakkoNewIdx = 1;   // []
  s.KakkoFirstOnly = false;
  s.StringOld = "a";
  s.StringNew = "A";
  s.StringFirstOnly = false;
  s.SpaceOld = "_";
  s.SpaceHankakuCount = 1;
  s.SpaceFirstOnly = false;
  return s;
}

TTabStatus_Add AddRecord(int position) {
  TTabStatus_Add s;
  s.Position = position;
  s.AddText[0] = Sj("【済】");
  s.NiniStr = "o";
  return s;
}

TTabStatus_Move MoveRecord(bool bracket) {
  TTabStatus_Move s;
  s.MoveBracket = bracket;
  s.MoveString = !bracket;
  s.BracketIdx = 8;  // 【*】
  s.MoveStr = "IMG";
  s.Position = 1;
  return s;
}

TTabStatus_Modif ConvertRecord(int kind) {
  TTabStatus_Modif s;
  s.Kind = kind;
  s.NumBase = "Photo_";
  s.DigitsIdx = 4;
  s.Ext = ".bak";
  s.NameCaseIdx = 1;
  s.NameCapitalize = true;
  s.ExtCaseIdx = 1;
  s.ExtCapitalize = true;
  return s;
}

void BM_Replace_Brackets(benchmark::State& st) { RunRuleBenchmark(st, ReplaceRecord(0), RunReplaceRule); }
void BM_Replace_String(benchmark::State& st) { RunRuleBenchmark(st, ReplaceRecord(1), RunReplaceRule); }
void BM_Replace_Spaces(benchmark::State& st) { RunRuleBenchmark(st, ReplaceRecord(2), RunReplaceRule); }
void BM_Add_BeforeName(benchmark::State& st) { RunRuleBenchmark(st, AddRecord(0), RunAddRule); }
void BM_Add_AfterBaseName(benchmark::State& st) { RunRuleBenchmark(st, AddRecord(1), RunAddRule); }
void BM_Add_AfterAnchor_Excluding(benchmark::State& st) {
  RunRuleBenchmark(st, AddRecord(4), RunAddRule, /*exclusion=*/true);
}
void BM_Move_Bracket(benchmark::State& st) { RunRuleBenchmark(st, MoveRecord(true), RunMoveRule); }
void BM_Move_String(benchmark::State& st) { RunRuleBenchmark(st, MoveRecord(false), RunMoveRule); }
void BM_Convert_Numbering(benchmark::State& st) {
  RunRuleBenchmark(st, ConvertRecord(kConvertNumbering), RunConvertRule, /*exclusion=*/true);
}
void BM_Convert_Extension(benchmark::State& st) { RunRuleBenchmark(st, ConvertRecord(kConvertExtension), RunConvertRule); }
void BM_Convert_NameCase(benchmark::State& st) { RunRuleBenchmark(st, ConvertRecord(kConvertNameCase), RunConvertRule); }
void BM_Convert_ExtCase(benchmark::State& st) { RunRuleBenchmark(st, ConvertRecord(kConvertExtCase), RunConvertRule); }
void BM_Convert_HalfToFull(benchmark::State& st) { RunRuleBenchmark(st, ConvertRecord(kConvertHalfToFull), RunConvertRule); }
void BM_Convert_FullToHalf(benchmark::State& st) { RunRuleBenchmark(st, ConvertRecord(kConvertFullToHalf), RunConvertRule); }
void BM_Convert_HiraToKata(benchmark::State& st) { RunRuleBenchmark(st, ConvertRecord(kConvertHiraToKata), RunConvertRule); }
void BM_Convert_KataToHira(benchmark::State& st) { RunRuleBenchmark(st, ConvertRecord(kConvertKataToHira), RunConvertRule); }
void BM_Convert_Trim(benchmark::State& st) { RunRuleBenchmark(st, ConvertRecord(kConvertTrim), RunConvertRule); }

// A fixed, small iteration count keeps one run of all rules within a minute or two.
constexpr int kIterations = 3;

#define NALO_RULE_BENCHMARK(fn)                                                    \
  BENCHMARK(fn)->Arg(kSmallList)->Arg(kLargeList)->Unit(benchmark::kMillisecond) \
      ->Iterations(kIterations)

NALO_RULE_BENCHMARK(BM_Reference_CopyRows);
NALO_RULE_BENCHMARK(BM_Replace_Brackets);
NALO_RULE_BENCHMARK(BM_Replace_String);
NALO_RULE_BENCHMARK(BM_Replace_Spaces);
NALO_RULE_BENCHMARK(BM_Add_BeforeName);
NALO_RULE_BENCHMARK(BM_Add_AfterBaseName);
NALO_RULE_BENCHMARK(BM_Add_AfterAnchor_Excluding);
NALO_RULE_BENCHMARK(BM_Move_Bracket);
NALO_RULE_BENCHMARK(BM_Move_String);
NALO_RULE_BENCHMARK(BM_Convert_Numbering);
NALO_RULE_BENCHMARK(BM_Convert_Extension);
NALO_RULE_BENCHMARK(BM_Convert_NameCase);
NALO_RULE_BENCHMARK(BM_Convert_ExtCase);
NALO_RULE_BENCHMARK(BM_Convert_HalfToFull);
NALO_RULE_BENCHMARK(BM_Convert_FullToHalf);
NALO_RULE_BENCHMARK(BM_Convert_HiraToKata);
NALO_RULE_BENCHMARK(BM_Convert_KataToHira);
NALO_RULE_BENCHMARK(BM_Convert_Trim);

}  // namespace
}  // namespace nalo

BENCHMARK_MAIN();
