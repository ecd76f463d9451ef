// The replace tab: bracket replacement and deletion with its own acceptance, string
// replacement, replacement by spaces, and the validation messages.
#include "rules/replace_rule.h"

#include <gtest/gtest.h>

#include "rule_test_support.h"
#include "rules/rule_captions.h"

namespace nalo {
namespace {

using testing::Names;
using testing::NewNames;
using testing::RuleFixture;
using testing::Sj;
using testing::Utf8;

TTabStatus_Okikae Brackets(int old_idx, int new_idx, bool first_only) {
  TTabStatus_Okikae s;
  s.Kind = kReplaceKindBrackets;
  s.KakkoOldIdx = old_idx;
  s.KakkoNewIdx = new_idx;
  s.KakkoFirstOnly = first_only;
  return s;
}

TTabStatus_Okikae StringRule(std::string_view from, std::string_view to, bool case_sensitive,
                             bool first_only) {
  TTabStatus_Okikae s;
  s.Kind = kReplaceKindString;
  s.StringOld = Sj(from);
  s.StringNew = Sj(to);
  s.StringCase = case_sensitive;
  s.StringFirstOnly = first_only;
  return s;
}

TTabStatus_Okikae SpaceRule(std::string_view from, bool wide, int count, bool first_only) {
  TTabStatus_Okikae s;
  s.Kind = kReplaceKindSpaces;
  s.SpaceOld = Sj(from);
  s.SpaceWide = wide;
  s.SpaceHankaku = !wide;
  (wide ? s.SpaceWideCount : s.SpaceHankakuCount) = count;
  s.SpaceFirstOnly = first_only;
  return s;
}

constexpr int kRound = 0, kSquare = 1, kWideRound = 5, kLenticular = 8;

TEST(ReplaceBrackets, PerName) {
  struct Case {
    const char* label;
    TTabStatus_Okikae status;
    const char* name;
    const char* expected;  // nullptr: the entry gets no row
  };
  const Case cases[] = {
      {"all/both-groups", Brackets(kRound, kSquare, false), "a(b)c(d).txt", "a[b]c[d].txt"},
      {"first-only/not-at-start", Brackets(kRound, kSquare, true), "a(b)c(d).txt", nullptr},
      {"first-only/at-start", Brackets(kRound, kSquare, true), "(b)c(d).txt", "[b]c(d).txt"},
      {"missing-close", Brackets(kRound, kSquare, false), "a(b.txt", nullptr},
      {"missing-open", Brackets(kRound, kSquare, false), "ab).txt", nullptr},
      {"delete-content/close-first", Brackets(kRound, kBracketDeleteWithContent, false),
       "x)y(z).txt", "x)y(z).txt"},
      {"delete-content/middle", Brackets(kRound, kBracketDeleteWithContent, false),
       "a(b)c.txt", "ac.txt"},
      {"delete-content/double-byte-first-only",
       Brackets(kLenticular, kBracketDeleteWithContent, true), "【新作】映画.avi", "映画.avi"},
      {"delete-content/double-byte-all", Brackets(kLenticular, kBracketDeleteWithContent, false),
       "映画【新作】.avi", "映画.avi"},
      {"delete-only/all", Brackets(kRound, kBracketDeleteOnly, false), "(a)(b).txt", "ab.txt"},
      {"delete-only/first-only", Brackets(kRound, kBracketDeleteOnly, true), "(a)(b).txt",
       "a(b).txt"},
      {"double-byte-to-single", Brackets(kWideRound, kRound, false), "（あ）い（う）.txt",
       "(あ)い(う).txt"},
      {"single-to-double-byte", Brackets(kSquare, kLenticular, true), "[x]y.txt", "【x】y.txt"},
      {"sjis/trail-byte-not-a-bracket", Brackets(kSquare, kRound, false), "ソ[a].txt",
       "ソ(a).txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::optional<std::string> got = ReplaceBracketsIn(Sj(c.name), c.status);
    if (c.expected == nullptr) {
      EXPECT_FALSE(got.has_value()) << Utf8(got.value_or(""));
    } else {
      ASSERT_TRUE(got.has_value());
      EXPECT_EQ(Utf8(*got), c.expected);
    }
  }
}

TEST(ReplaceBrackets, UnchangedNameStillGetsARow) {
  RuleFixture f({"x)y(z).txt", "plain.txt"});
  const TRuleResult result =
      RunReplaceRule(f.ctx, Brackets(kRound, kBracketDeleteWithContent, false));
  EXPECT_EQ(NewNames(result), (Names{"x)y(z).txt"}));
  EXPECT_EQ(result.OkCaption, "置換実行");
  EXPECT_EQ(result.OkHint, "置換処理を実行します");
}

TEST(ReplaceBrackets, ExclusionLooksAtTheReplacedName) {
  RuleFixture f({"(a).txt", "(b).txt"});
  f.Exclude("[a]");
  EXPECT_EQ(NewNames(RunReplaceRule(f.ctx, Brackets(kRound, kSquare, true))),
            (Names{"[b].txt"}));
}

TEST(ReplaceBrackets, TrimOptionApplies) {
  RuleFixture f({"(a) b.txt"}, /*trim=*/true);
  EXPECT_EQ(NewNames(RunReplaceRule(f.ctx, Brackets(kRound, kBracketDeleteWithContent, true))),
            (Names{"b.txt"}));
}

TEST(ReplaceString, PerName) {
  struct Case {
    const char* label;
    TTabStatus_Okikae status;
    const char* name;
    Names expected;
  };
  const Case cases[] = {
      {"ignore-case/all", StringRule("abc", "X", false, false), "ABCabc.txt", {"XX.txt"}},
      {"case-sensitive/first", StringRule("abc", "X", true, true), "ABCabc.txt", {"ABCX.txt"}},
      {"no-overlap", StringRule("aa", "b", true, false), "aaa", {"ba"}},
      {"inserted-text-not-searched", StringRule("a", "aa", true, false), "aba", {"aabaa"}},
      {"case-only-change", StringRule("abc", "ABC", true, false), "abc.txt", {"ABC.txt"}},
      {"absent", StringRule("zz", "y", true, false), "abc.txt", {}},
      {"sjis/backslash-in-trail-byte", StringRule("\\", "_", true, false), "表\\.txt",
       {"表_.txt"}},
      {"double-byte", StringRule("映画", "movie", true, false), "【映画】.avi",
       {"【movie】.avi"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    RuleFixture f({c.name});
    EXPECT_EQ(NewNames(RunReplaceRule(f.ctx, c.status)), c.expected);
  }
}

TEST(ReplaceString, HasNoExclusionStep) {
  RuleFixture f({"abc.txt"});
  f.Exclude("abc");
  EXPECT_EQ(NewNames(RunReplaceRule(f.ctx, StringRule("b", "B", true, false))),
            (Names{"aBc.txt"}));
}

TEST(ReplaceSpaces, PerName) {
  struct Case {
    const char* label;
    TTabStatus_Okikae status;
    bool trim;
    const char* name;
    Names expected;
  };
  const Case cases[] = {
      {"zero-spaces/all", SpaceRule("_", false, 0, false), false, "a_b_c.txt", {"abc.txt"}},
      {"zero-spaces/first", SpaceRule("_", false, 0, true), false, "a_b_c.txt", {"ab_c.txt"}},
      {"one-space/trimmed", SpaceRule("_", false, 1, true), true, "a_.txt", {"a.txt"}},
      {"one-space/untrimmed", SpaceRule("_", false, 1, true), false, "a_.txt", {"a .txt"}},
      {"wide-spaces", SpaceRule("_", true, 2, true), true, "a_b.txt", {"a　　b.txt"}},
      {"ignore-case", SpaceRule("x", false, 1, false), false, "aXbx.jpg", {"a b .jpg"}},
      {"count-clamped", SpaceRule("_", false, 99, true), false, "a_b",
       {"a" + std::string(kMaxSpaceCount, ' ') + "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    RuleFixture f({c.name}, c.trim);
    EXPECT_EQ(NewNames(RunReplaceRule(f.ctx, c.status)), c.expected);
  }
}

TEST(ReplaceRule, Validation) {
  struct Case {
    const char* label;
    TTabStatus_Okikae status;
    std::string_view message;
  };
  const Case cases[] = {
      {"brackets/same", Brackets(kRound, kRound, true), kMsgSameReplacement},
      {"brackets/none-chosen-both", Brackets(-1, -1, true), kMsgSameReplacement},
      {"brackets/old-missing", Brackets(-1, kRound, true), kMsgNoString},
      {"brackets/new-missing", Brackets(kRound, 14, true), kMsgNoString},
      {"brackets/ok", Brackets(kRound, kBracketDeleteOnly, true), ""},
      {"string/both-empty", StringRule("", "", false, true), kMsgSameReplacement},
      {"string/same", StringRule("a", "a", false, true), kMsgSameReplacement},
      {"string/empty-replacement", StringRule("a", "", false, true), kMsgNoString},
      {"string/empty-search", StringRule("", "a", false, true), kMsgNoString},
      {"spaces/empty", SpaceRule("", false, 1, true), kMsgNoString},
      {"spaces/ok", SpaceRule("a", false, 0, true), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ValidateReplaceRule(c.status), c.message);
    RuleFixture f({"(a).txt"});
    const TRuleResult result = RunReplaceRule(f.ctx, c.status);
    EXPECT_EQ(result.Message, c.message);
    if (!c.message.empty()) {
      EXPECT_TRUE(result.Rows.empty());
    }
  }
}

TEST(ReplaceRule, SelectionIsCheckedBeforeValidation) {
  RuleFixture f({"a"});
  f.Select({});
  bool began = false;
  f.ctx.BeginRuleRun = [&] { began = true; };
  EXPECT_EQ(RunReplaceRule(f.ctx, StringRule("", "", false, true)).Message, kMsgNoSelection);
  EXPECT_FALSE(began);
}

TEST(ReplaceRule, NoSubRuleDoesNothing) {
  RuleFixture f({"a"});
  TTabStatus_Okikae s;
  s.Kind = 7;
  const TRuleResult result = RunReplaceRule(f.ctx, s);
  EXPECT_TRUE(result.Silent);
  EXPECT_TRUE(result.Message.empty());
  EXPECT_TRUE(result.Rows.empty());
}

}  // namespace
}  // namespace nalo
