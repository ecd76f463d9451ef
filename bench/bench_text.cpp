// The Shift-JIS name model over a list of mixed ASCII and Japanese names, each
// function beside a plain reference that does the least work of the same shape: a
// byte-wise ASCII loop, std::string_view::find, or a copy of the name. The names come
// from a fixed-seed generator so every run measures the same list.
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "text/name_text.h"
#include "text/width_kana.h"

namespace nalo {
namespace {

// Names per iteration: large enough that per-call overhead shows, small enough that
// a whole run of every benchmark stays within a minute.
constexpr std::size_t kNames = 100'000;

std::string Sj(const char* utf8) { return Utf8ToCp932(utf8).value_or(std::string()); }

const std::vector<std::string>& Names() {
  static const std::vector<std::string> names = [] {
    const std::vector<std::string> words = {
        "holiday", "IMG_0042", "Report", "final", "draft", " spaced ", Sj("映画"), Sj("写真"),
        Sj("ひらがな"), Sj("カタカナ"), Sj("表ソ能"), Sj("ＡＢＣｄｅｆ"), Sj("ｶﾞﾊﾟｳﾞ"),
        Sj("東京タワー"), "abc def"};
    const std::vector<std::string> exts = {".txt", ".JPG", ".mp3", "", ".tar.gz"};
    std::uint64_t state = 0x5EED;
    auto next = [&state](std::size_t bound) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      return static_cast<std::size_t>(state >> 33) % bound;
    };
    std::vector<std::string> out;
    out.reserve(kNames);
    for (std::size_t i = 0; i < kNames; ++i) {
      std::string name;
      for (std::size_t parts = 1 + next(3); parts > 0; --parts) name += words[next(words.size())];
      out.push_back(name + exts[next(exts.size())]);
    }
    return out;
  }();
  return names;
}

template <typename F>
void RunOverNames(benchmark::State& state, F f) {
  const std::vector<std::string>& names = Names();
  for (auto _ : state) {
    for (const std::string& name : names) benchmark::DoNotOptimize(f(name));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(names.size()));
}

// --- references -------------------------------------------------------------------

void BM_RefCopy(benchmark::State& state) {
  RunOverNames(state, [](const std::string& n) { return std::string(n); });
}
void BM_RefAsciiUpper(benchmark::State& state) {
  RunOverNames(state, [](const std::string& n) {
    std::string out(n);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
  });
}
void BM_RefFind(benchmark::State& state) {
  const std::string pattern = Sj("ソ");
  RunOverNames(state, [&](const std::string& n) { return std::string_view(n).find(pattern); });
}
void BM_RefReplaceAll(benchmark::State& state) {
  RunOverNames(state, [](const std::string& n) {
    std::string out;
    std::size_t pos = 0;
    for (std::size_t at; (at = n.find("a", pos)) != std::string::npos; pos = at + 1) {
      out.append(n, pos, at - pos).append("_");
    }
    return out.append(n, pos);
  });
}

// --- the name model ---------------------------------------------------------------

void BM_UpperCaseName(benchmark::State& state) { RunOverNames(state, UpperCaseName); }
void BM_LowerCaseName(benchmark::State& state) { RunOverNames(state, LowerCaseName); }
void BM_FindInName(benchmark::State& state) {
  const std::string pattern = Sj("ソ");
  RunOverNames(state, [&](const std::string& n) { return FindInName(pattern, n); });
}
void BM_ReplaceInName(benchmark::State& state) {
  RunOverNames(state, [](const std::string& n) { return ReplaceInName(n, "a", "_", true, false); });
}
void BM_ReplaceInNameIgnoreCase(benchmark::State& state) {
  RunOverNames(state, [](const std::string& n) { return ReplaceInName(n, "a", "_", true, true); });
}
void BM_TrimNameParts(benchmark::State& state) { RunOverNames(state, TrimNameParts); }
void BM_ReplaceForbiddenChars(benchmark::State& state) {
  RunOverNames(state, ReplaceForbiddenChars);
}
void BM_MapWidthKana(benchmark::State& state) {
  const auto mode = static_cast<TWidthKanaMode>(state.range(0));
  RunOverNames(state, [mode](const std::string& n) { return MapBaseNameWidthKana(n, mode); });
}

BENCHMARK(BM_RefCopy);
BENCHMARK(BM_RefAsciiUpper);
BENCHMARK(BM_UpperCaseName);
BENCHMARK(BM_LowerCaseName);
BENCHMARK(BM_RefFind);
BENCHMARK(BM_FindInName);
BENCHMARK(BM_RefReplaceAll);
BENCHMARK(BM_ReplaceInName);
BENCHMARK(BM_ReplaceInNameIgnoreCase);
BENCHMARK(BM_TrimNameParts);
BENCHMARK(BM_ReplaceForbiddenChars);
BENCHMARK(BM_MapWidthKana)->DenseRange(1, 4)->ArgName("mode");
void BM_MapWholeName(benchmark::State& state) {
  const auto mode = static_cast<TWidthKanaMode>(state.range(0));
  RunOverNames(state, [mode](const std::string& n) { return MapWidthKana(n, mode); });
}
BENCHMARK(BM_MapWholeName)->DenseRange(1, 4)->ArgName("mode");

}  // namespace
}  // namespace nalo

BENCHMARK_MAIN();
