// Differential test against RE2 in longest-match mode: thousands of random
// patterns over a tiny alphabet and random texts must give the same leftmost-
// longest match in both engines. Patterns use "^" only at the start and "$" only
// at the end of a top-level alternative, where both engines read them as anchors;
// texts hold no CR or LF, so line ends never differ.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "rules/awk/awk_str.h"

#ifdef NALO_HAVE_RE2
#include <re2/re2.h>
#endif

namespace nalo {
namespace {

class PatternGenerator {
 public:
  explicit PatternGenerator(std::uint32_t seed) : state_(seed) {}

  std::string Pattern() {
    std::string p;
    const int alternatives = 1 + Below(3);
    for (int i = 0; i < alternatives; ++i) {
      if (i > 0) p += '|';
      if (Below(5) == 0) p += '^';
      p += Sequence(3);
      if (Below(5) == 0) p += '$';
    }
    return p;
  }

  std::string Text() {
    std::string t;
    const int n = Below(12);
    for (int i = 0; i < n; ++i) t += "abcd"[Below(4)];
    return t;
  }

 private:
  int Below(int n) {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(n));
  }

  std::string Sequence(int depth) {
    std::string s;
    const int factors = Below(4);
    for (int i = 0; i < factors; ++i) s += Factor(depth);
    return s;
  }

  std::string Factor(int depth) {
    std::string f = Primary(depth);
    switch (Below(6)) {
      case 0: return f + '*';
      case 1: return f + '+';
      case 2: return f + '?';
      default: return f;
    }
  }

  std::string Primary(int depth) {
    switch (depth > 0 ? Below(8) : Below(5)) {
      case 0: return ".";
      case 1: return Class();
      case 5:
      case 6: return "(" + Sequence(depth - 1) + ")";
      case 7: return "(" + Sequence(depth - 1) + "|" + Sequence(depth - 1) + ")";
      default: return std::string(1, "abc"[Below(3)]);
    }
  }

  std::string Class() {
    std::string c = Below(3) == 0 ? "[^" : "[";
    const int elements = 1 + Below(3);
    for (int i = 0; i < elements; ++i) {
      const char lo = "abc"[Below(3)];
      c += lo;
      if (Below(3) == 0) {
        c += '-';
        c += static_cast<char>(lo + Below('c' - lo + 1));
      }
    }
    return c + ']';
  }

  std::uint32_t state_;
};

TEST(Re2Differential, LeftmostLongestAgrees) {
#ifndef NALO_HAVE_RE2
  GTEST_SKIP() << "RE2 is not available";
#else
  PatternGenerator gen(20261208);
  RE2::Options options;
  options.set_longest_match(true);
  options.set_log_errors(false);
  int compared = 0;
  for (int i = 0; i < 4000; ++i) {
    const std::string pattern = gen.Pattern();
    RE2 re2(pattern, options);
    ASSERT_TRUE(re2.ok()) << pattern;
    TAWKStr awk;
    awk.SetRegExp(pattern);
    for (int t = 0; t < 8; ++t) {
      const std::string text = gen.Text();
      re2::StringPiece found;
      const bool re2_found = re2.Match(text, 0, text.size(), RE2::UNANCHORED, &found, 1);
      const std::optional<TREMatch> ours = awk.FindFirst(text);
      ASSERT_EQ(ours.has_value(), re2_found) << "pattern " << pattern << " text " << text;
      if (ours) {
        const auto start = static_cast<std::size_t>(found.data() - text.data());
        ASSERT_EQ(ours->Start, start) << "pattern " << pattern << " text " << text;
        ASSERT_EQ(ours->End, start + found.size()) << "pattern " << pattern << " text " << text;
      }
      ++compared;
    }
  }
  EXPECT_EQ(compared, 32000);
#endif
}

}  // namespace
}  // namespace nalo
