// The AWK engine against RE2 (longest-match mode, Latin-1 so it works on the same
// CP932 bytes) on 1,000,000 generated names mixing ASCII and Japanese: first-match
// position and global replacement for a literal, a class run and an alternation
// anchored at "$". Both sides report how many names matched, so the work compares.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "rules/awk/awk_str.h"

#ifdef NALO_HAVE_RE2
#include <re2/re2.h>
#endif

namespace {

// Names in one run; large enough that caches do not hold them all.
constexpr int kNameCount = 1'000'000;

class NameGenerator {
 public:
  std::string Next() {
    std::string name;
    const int parts = 2 + Below(4);
    for (int i = 0; i < parts; ++i) AppendPart(name);
    static const char* const kExtensions[] = {".jpg", ".png", ".txt", ".mp3", ".avi", ".gif", ".doc"};
    name += kExtensions[Below(7)];
    return name;
  }

 private:
  int Below(int n) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
  }

  void AppendKana(std::string& s, int count) {
    for (int i = 0; i < count; ++i) {
      if (Below(2) == 0) {  // hiragana 0x829F-0x82F1
        s += '\x82';
        s += static_cast<char>(0x9F + Below(0x53));
      } else {  // katakana 0x8340-0x837E
        s += '\x83';
        s += static_cast<char>(0x40 + Below(0x3F));
      }
    }
  }

  void AppendPart(std::string& s) {
    static const char* const kWords[] = {"IMG_", "DSC", "report", "photo", "track", "scan_", "memo", "final"};
    switch (Below(6)) {
      case 0: s += kWords[Below(8)]; break;
      case 1: s += std::to_string(Below(100000)); break;
      case 2: AppendKana(s, 2 + Below(5)); break;
      case 3:  // full-width digits and "第…話"
        s += "\x91\xE6";
        for (int i = 0, n = 1 + Below(3); i < n; ++i) {
          s += '\x82';
          s += static_cast<char>(0x4F + Below(10));
        }
        s += "\x98\x62";
        break;
      case 4: s += Below(2) ? "_" : " "; break;
      default: s += kWords[Below(8)]; s += std::to_string(Below(100)); break;
    }
  }

  std::uint64_t state_ = 20261208;
};

const std::vector<std::string>& Names() {
  static const std::vector<std::string> names = [] {
    NameGenerator gen;
    std::vector<std::string> v;
    v.reserve(kNameCount);
    for (int i = 0; i < kNameCount; ++i) v.push_back(gen.Next());
    return v;
  }();
  return names;
}

struct PatternCase {
  const char* name;
  const char* awk;
  const char* re2;
};
const PatternCase kPatterns[] = {
    {"literal", "report", "report"},
    {"class_run", "[0-9]+", "[0-9]+"},
    {"alternation_at_end", "\\.(jpg|png|gif)$", "\\.(jpg|png|gif)$"},
};

void AwkFirstMatch(benchmark::State& state) {
  const PatternCase& p = kPatterns[state.range(0)];
  nalo::TAWKStr awk;
  awk.SetRegExp(p.awk);
  std::int64_t matched = 0;
  for (auto _ : state) {
    matched = 0;
    for (const std::string& name : Names()) {
      const auto m = awk.FindFirst(name);
      if (m) ++matched;
      benchmark::DoNotOptimize(m);
    }
  }
  state.SetLabel(p.name);
  state.counters["matched"] = static_cast<double>(matched);
}

void AwkGSub(benchmark::State& state) {
  const PatternCase& p = kPatterns[state.range(0)];
  nalo::TAWKStr awk;
  awk.SetRegExp(p.awk);
  std::int64_t replaced = 0;
  std::string text;
  for (auto _ : state) {
    replaced = 0;
    for (const std::string& name : Names()) {
      text = name;
      replaced += awk.GSub("<&>", text);
      benchmark::DoNotOptimize(text);
    }
  }
  state.SetLabel(p.name);
  state.counters["replaced"] = static_cast<double>(replaced);
}

BENCHMARK(AwkFirstMatch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(AwkGSub)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

#ifdef NALO_HAVE_RE2
RE2::Options LongestLatin1() {
  RE2::Options options;
  options.set_longest_match(true);
  options.set_encoding(RE2::Options::EncodingLatin1);
  return options;
}

void Re2FirstMatch(benchmark::State& state) {
  const PatternCase& p = kPatterns[state.range(0)];
  const RE2 re(p.re2, LongestLatin1());
  std::int64_t matched = 0;
  for (auto _ : state) {
    matched = 0;
    for (const std::string& name : Names()) {
      re2::StringPiece m;
      if (re.Match(name, 0, name.size(), RE2::UNANCHORED, &m, 1)) ++matched;
      benchmark::DoNotOptimize(m);
    }
  }
  state.SetLabel(p.name);
  state.counters["matched"] = static_cast<double>(matched);
}

void Re2GSub(benchmark::State& state) {
  const PatternCase& p = kPatterns[state.range(0)];
  const RE2 re(p.re2, LongestLatin1());
  std::int64_t replaced = 0;
  std::string text;
  for (auto _ : state) {
    replaced = 0;
    for (const std::string& name : Names()) {
      text = name;
      replaced += RE2::GlobalReplace(&text, re, "<\\0>");
      benchmark::DoNotOptimize(text);
    }
  }
  state.SetLabel(p.name);
  state.counters["replaced"] = static_cast<double>(replaced);
}

BENCHMARK(Re2FirstMatch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(Re2GSub)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
