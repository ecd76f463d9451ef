// Patterns whose automata would exhaust memory or stack are refused with
// kMsgTooComplex at the end of the pattern; long but simple patterns still work,
// and matching past the byte-table budget gives the same answers.
#include <string>

#include <gtest/gtest.h>

#include "rules/awk/awk_str.h"
#include "rules/awk/re_error.h"

namespace nalo {
namespace {

std::string Repeat(std::string_view s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

// (a|b)*a followed by n copies of (a|b): the DFA needs 2^(n+1) states.
std::string ExponentialPattern(int n) { return "(a|b)*a" + Repeat("(a|b)", n); }

void ExpectTooComplex(const std::string& pattern) {
  TAWKStr awk;
  try {
    awk.SetRegExp(pattern);
    FAIL() << "accepted a pattern of " << pattern.size() << " bytes";
  } catch (const ERegExpParser& e) {
    EXPECT_EQ(e.what(), std::string(kMsgTooComplex));
    EXPECT_EQ(e.Position(), pattern.size() + 1);
  }
  EXPECT_EQ(awk.RegExp(), "");
}

TEST(Limits, ExponentialDfaIsRefused) { ExpectTooComplex(ExponentialPattern(16)); }

TEST(Limits, DeepNestingIsRefused) { ExpectTooComplex(Repeat("(", 5000) + "a" + Repeat(")", 5000)); }

TEST(Limits, NestedPlusStaysSmall) {
  // "+" loops over one copy of its operand, so 40 levels cost 40 loops, not 2^40.
  const std::string pattern = Repeat("(", 40) + "a" + Repeat(")+", 40);
  TAWKStr awk;
  awk.SetRegExp(pattern);
  EXPECT_EQ(awk.FindFirst("baaa"), (TREMatch{1, 4}));
  awk.SetRegExp("x" + pattern);
  EXPECT_EQ(awk.FindFirst("bxaaa"), (TREMatch{1, 5}));
}

TEST(Limits, NestedPlusWithHeadAtStartStaysSmall) {
  // The first copy of each "+" at the start stays apart (its "^" is an anchor);
  // only that copy nests again, so the automaton grows linearly per level.
  TAWKStr awk;
  awk.SetRegExp(Repeat("(", 40) + "^a" + Repeat(")+", 40));
  EXPECT_EQ(awk.FindFirst("a^a^ab"), (TREMatch{0, 5}));
  EXPECT_EQ(awk.FindFirst("ba^a"), std::nullopt);
}

TEST(Limits, LongLiteralCompilesAndMatches) {
  const std::string literal = Repeat("ab", 2000);
  TAWKStr awk;
  awk.SetRegExp(literal);
  EXPECT_EQ(awk.FindFirst("x" + literal), (TREMatch{1, 1 + literal.size()}));
}

TEST(Limits, ManyGroupsInSequenceCompile) {
  TAWKStr awk;
  awk.SetRegExp(Repeat("(a)", 5000));
  EXPECT_EQ(awk.FindFirst(Repeat("a", 5001)), (TREMatch{0, 5000}));
}

// With 2^12 DFA states the byte table runs out of rows on long texts and the
// matcher continues per character; the answer must not change.
TEST(Limits, MatchingPastTheTableBudgetAgrees) {
  const int n = 11;
  TAWKStr awk;
  awk.SetRegExp(ExponentialPattern(n));
  std::uint32_t seed = 12345;
  for (int round = 0; round < 20; ++round) {
    std::string text;
    for (int i = 0; i < 3000; ++i) {
      seed = seed * 1103515245u + 12345u;
      text.push_back((seed >> 16) & 1 ? 'a' : 'b');
    }
    // Over a and b only, the match starts at 0 and ends after the last "a" that
    // still has n characters behind it.
    std::size_t end = 0;
    for (std::size_t e = n + 1; e <= text.size(); ++e) {
      if (text[e - n - 1] == 'a') end = e;
    }
    ASSERT_EQ(awk.FindFirst(text), (TREMatch{0, end})) << "round " << round;
  }
}

}  // namespace
}  // namespace nalo
