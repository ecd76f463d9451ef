// The Perl5 layer (TBRegExp over BSubst) against a plain PCRE2 loop
// (pcre2_substitute with the same pattern, JIT-compiled, into a fixed buffer) on
// 1,000,000 deterministic names, half ASCII and half with Japanese CP932 text.
// Both sides produce a std::string per changed name. The "k" case converts
// CP932 <-> UTF-8 on both sides with the same converter.
#include <benchmark/benchmark.h>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "rules/bregexp_wrapper.h"

namespace {

constexpr std::size_t kNameCount = 1'000'000;  // a very large folder tree, listed whole
constexpr std::size_t kPcreBufferSize = 4096;  // far above any name's result

std::string Cp932(const char* utf8) { return nalo::Utf8ToCp932(utf8).value(); }

const std::vector<std::string>& Names() {
  static const std::vector<std::string> names = [] {
    const std::string kana[] = {Cp932("写真"), Cp932("曲名"), Cp932("第"), Cp932("話"),
                                Cp932("サークル"), Cp932("タイトル"), Cp932("あいう"),
                                Cp932("ソフト表"), Cp932("１２３")};
    std::mt19937 rng(42);
    std::vector<std::string> out;
    out.reserve(kNameCount);
    char buffer[256];
    for (std::size_t i = 0; i < kNameCount; ++i) {
      unsigned n = rng() % 10000;
      const std::string& k1 = kana[rng() % 9];
      const std::string& k2 = kana[rng() % 9];
      switch (i % 6) {
        case 0: std::snprintf(buffer, sizeof buffer, "IMG_%04u.JPG", n); break;
        case 1: std::snprintf(buffer, sizeof buffer, "report v%u final;draft;copy.docx", n % 9); break;
        case 2: std::snprintf(buffer, sizeof buffer, "Track %02u - song title.mp3", n % 30); break;
        case 3: std::snprintf(buffer, sizeof buffer, "%s_2023-05-%02u %s.jpg", k1.c_str(), n % 31, k2.c_str()); break;
        case 4: std::snprintf(buffer, sizeof buffer, "[%s] %s %s%02u%s (1080p).mkv", k1.c_str(), k2.c_str(), kana[2].c_str(), n % 50, kana[3].c_str()); break;
        default: std::snprintf(buffer, sizeof buffer, "%s;%s;%u.txt", k1.c_str(), k2.c_str(), n); break;
      }
      out.emplace_back(buffer);
    }
    return out;
  }();
  return names;
}

struct TCase {
  const char* expression;   // for the layer
  const char* pattern;      // the same for PCRE2
  const char* replacement;  // in pcre2_substitute syntax
  uint32_t compile_options;
  uint32_t substitute_options;
  bool kanji;
};

const TCase kCases[] = {
    {"s/;/,/g", ";", ",", 0, PCRE2_SUBSTITUTE_GLOBAL, false},
    {"s/(.*);(.*);(.*)/\"$1\",\"$2\",\"$3\"/", "(.*);(.*);(.*)", "\"$1\",\"$2\",\"$3\"", 0, 0, false},
    {"s/^IMG_(\\d+)/photo-$1/", "^IMG_(\\d+)", "photo-$1", 0, 0, false},
    {"s/\\s+/_/g", "\\s+", "_", 0, PCRE2_SUBSTITUTE_GLOBAL, false},
    {"s/\\.jpg$/.jpeg/i", "\\.jpg$", ".jpeg", PCRE2_CASELESS, 0, false},
    {"s/[０-９]+/#/gk", "[０-９]+", "#", PCRE2_UTF, PCRE2_SUBSTITUTE_GLOBAL, true},
};

void BM_Perl5Layer(benchmark::State& state) {
  const TCase& c = kCases[state.range(0)];
  const auto& names = Names();
  std::string expression = Cp932(c.expression);
  nalo::TBRegExp regexp;
  std::size_t changed = 0;
  for (auto _ : state) {
    for (const std::string& name : names) {
      std::string subject = name;
      changed += regexp.Substitute(expression, subject);
      benchmark::DoNotOptimize(subject.data());
    }
  }
  state.counters["changed"] = static_cast<double>(changed) / static_cast<double>(state.iterations());
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * names.size()));
  state.SetLabel(c.expression);
}

void BM_PlainPcre2(benchmark::State& state) {
  const TCase& c = kCases[state.range(0)];
  const auto& names = Names();
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(c.pattern), PCRE2_ZERO_TERMINATED,
                                   c.compile_options, &error, &offset, nullptr);
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
  std::vector<PCRE2_UCHAR> buffer(kPcreBufferSize);
  std::size_t changed = 0;
  for (auto _ : state) {
    for (const std::string& name : names) {
      std::string subject = c.kanji ? nalo::Cp932ToUtf8(name).value() : name;
      PCRE2_SIZE length = buffer.size();
      int rc = pcre2_substitute(code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), 0,
                                c.substitute_options, data, nullptr,
                                reinterpret_cast<PCRE2_SPTR>(c.replacement), PCRE2_ZERO_TERMINATED,
                                buffer.data(), &length);
      if (rc > 0) {
        std::string result(reinterpret_cast<const char*>(buffer.data()), length);
        if (c.kanji) result = nalo::Utf8ToCp932(result).value();
        benchmark::DoNotOptimize(result.data());
        ++changed;
      }
    }
  }
  pcre2_match_data_free(data);
  pcre2_code_free(code);
  state.counters["changed"] = static_cast<double>(changed) / static_cast<double>(state.iterations());
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * names.size()));
  state.SetLabel(c.pattern);
}

BENCHMARK(BM_Perl5Layer)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PlainPcre2)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
