// Forbidden characters and the bracket pairs.
#include <gtest/gtest.h>

#include "sj.h"
#include "text/name_text.h"

namespace nalo {
namespace {

using test::Sj;

TEST(ForbiddenChars, Detection) {
  struct Row {
    const char* name;
    std::string input;
    bool forbidden;
  };
  const Row rows[] = {
      {"forbidden/none", "plain name.txt", false},
      {"forbidden/hyo-trail", Sj("表ソ能"), false},
      {"forbidden/pipe-trail", "\x83\x7C", false},  // ポ ends in 0x7C '|'
      {"forbidden/backslash", Sj("表") + "\\", true},
      {"forbidden/semicolon", "a;b", true},
      {"forbidden/quote", "say \"hi\"", true},
      {"forbidden/fullwidth-forms-fine", Sj("＼／：＊？＂＜＞｜"), false},
      {"forbidden/lone-lead-at-end", "a\x83", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(HasForbiddenChar(row.input), row.forbidden);
  }
  for (char c : std::string("\\/:;*?\"<>|")) {
    EXPECT_TRUE(HasForbiddenChar(std::string("x") + c)) << c;
  }
}

TEST(ForbiddenChars, ReplacementMatchesStepwiseReplaceInName) {
  const std::string inputs[] = {
      "a\\b/c:d;e*f?g\"h<i>j|k", Sj("表\\ソ|ポ"), "||", "", "a\x83", "\x83\\\\",
  };
  for (const std::string& input : inputs) {
    std::string stepwise = input;
    for (char c : std::string("\\/:;*?\"<>|")) {
      stepwise = ReplaceInName(stepwise, std::string(1, c), "_", true, false);
    }
    EXPECT_EQ(ReplaceForbiddenChars(input), stepwise) << testing::PrintToString(input);
    EXPECT_FALSE(HasForbiddenChar(ReplaceForbiddenChars(input)));
  }
  EXPECT_EQ(ReplaceForbiddenChars(Sj("表\\ソ")), Sj("表_ソ"));
}

TEST(BracketPairs, TwelvePairsInOrder) {
  const char* expected[12][2] = {
      {"(", ")"},   {"[", "]"},   {"｢", "｣"},   {"<", ">"},   {"{", "}"},   {"（", "）"},
      {"［", "］"}, {"「", "」"}, {"【", "】"}, {"『", "』"}, {"〔", "〕"}, {"《", "》"},
  };
  for (std::size_t i = 0; i < BracketPairs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(BracketPairs[i].Open, Sj(expected[i][0]));
    EXPECT_EQ(BracketPairs[i].Close, Sj(expected[i][1]));
    EXPECT_EQ(BracketPairs[i].Close.size(), i > 4 ? 2u : 1u);
  }
}

}  // namespace
}  // namespace nalo
