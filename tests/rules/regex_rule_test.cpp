// The regular-expression rule over an entry list: both modes, every message of
// the failure table, the busy bracket on every way out, exclusion only in AWK
// mode, and the position of a malformed AWK pattern.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "perl5_test_util.h"
#include "rules/awk/re_error.h"
#include "rules/regex_messages.h"
#include "rules/regex_rule.h"

namespace nalo {
namespace {

using perl5_test::Sj;
using perl5_test::Utf;

class RegexRule : public testing::Test {
 protected:
  void SetNames(const std::vector<std::string>& utf8_names) {
    entries_.ClearEntries();
    for (const std::string& name : utf8_names) {
      TListData entry;
      entry.Name = Sj(name);
      entry.Location = "/data/";
      entries_.Add(entry);
    }
  }

  TRuleResult RunPerl(std::string_view expression) {
    status_.Engine = kRegexEnginePerl5;
    status_.RegExp = Sj(expression);
    return Run();
  }

  TRuleResult RunAwk(std::string_view pattern, std::string_view tmpl, int mode) {
    status_.Engine = kRegexEngineAwk;
    status_.RegExp = Sj(pattern);
    status_.SubText = Sj(tmpl);
    status_.ReplaceMode = mode;
    return Run();
  }

  TRuleResult Run() {
    ctx_.BeginRuleRun = [this] { ++begun_; };
    ctx_.EndRuleRun = [this] { ++ended_; };
    TBRegExp bregexp;
    TAWKStr awk;
    return RunRegexRule(ctx_, status_, awk, bregexp);
  }

  static std::vector<std::string> NewNames(const TRuleResult& result) {
    std::vector<std::string> names;
    for (const TConfirmationRow& row : result.Rows) names.push_back(Utf(row.NewName));
    return names;
  }

  TEntryList entries_;
  TRuleContext ctx_{entries_};
  TTabStatus_Seiki status_;
  int begun_ = 0;
  int ended_ = 0;
};

using Names = std::vector<std::string>;

TEST_F(RegexRule, PerlSubstitutesTheWholeNameWithExtension) {
  SetNames({"abc;def;ghi.txt"});
  TRuleResult result = RunPerl("s/;/,/g");
  EXPECT_EQ(result.Message, "");
  EXPECT_EQ(NewNames(result), Names{"abc,def,ghi.txt"});
  EXPECT_EQ(RowOldName(entries_, result.Rows[0]), Sj("abc;def;ghi.txt"));
  EXPECT_EQ(RowFolder(entries_, result.Rows[0]), "/data");
  EXPECT_EQ(result.OkCaption, "置換実行");
  EXPECT_EQ(result.OkHint, "置換処理を実行します");
}

TEST_F(RegexRule, PerlAcceptsSpacesAroundTheExpression) {
  SetNames({"a.txt"});
  EXPECT_EQ(NewNames(RunPerl("  \ts/a/b/ ")), Names{"b.txt"});
}

TEST_F(RegexRule, PerlTranslatesDoubleByteNames) {
  SetNames({"あいう.txt", "abc"});
  EXPECT_EQ(NewNames(RunPerl("tr/あ-ん/ア-ン/")), Names{"アイウ.txt"});
}

struct PrefixCase {
  const char* name;
  const char* expression;
  std::string_view message;
};

class RegexRulePrefix : public RegexRule, public testing::WithParamInterface<PrefixCase> {};

TEST_P(RegexRulePrefix, AbandonsTheRunWithTheMessage) {
  SetNames({"a.txt", "b.txt"});
  TRuleResult result = RunPerl(GetParam().expression);
  EXPECT_EQ(result.Message, GetParam().message);
  EXPECT_TRUE(result.Rows.empty());
  EXPECT_EQ(begun_, 1);
  EXPECT_EQ(ended_, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RegexRulePrefix,
    testing::Values(PrefixCase{"upper_S", "S/a/b/", kMsgLowerCaseS},
                    PrefixCase{"upper_TR", "TR/a/b/", kMsgLowerCaseTr},
                    PrefixCase{"mixed_Tr", "Tr/a/b/", kMsgNeedPerlPrefix},
                    PrefixCase{"no_prefix", "a/b/", kMsgNeedPerlPrefix},
                    PrefixCase{"empty", "", kMsgNeedPerlPrefix},
                    PrefixCase{"library_error", "s/a/b/e", kMsgCheckRegex},
                    PrefixCase{"bad_pattern", "s/(a/b/", kMsgCheckRegex},
                    PrefixCase{"bad_list", "tr/z-a/b/", kMsgCheckRegex}),
    [](const testing::TestParamInfo<PrefixCase>& info) { return std::string(info.param.name); });

TEST_F(RegexRule, PerlPrefixIsTestedPerEntry) {
  TRuleResult result = RunPerl("S/a/b/");  // no entries: nothing to complain about
  EXPECT_EQ(result.Message, "");
  EXPECT_TRUE(result.Rows.empty());
}

TEST_F(RegexRule, PerlErrorDiscardsNamesComputedBefore) {
  SetNames({"a1", "a2"});
  entries_.EntryAt(1).Name = "a\x82";  // a lead byte as the last byte: no CP932 text
  TRuleResult result = RunPerl("s/a/b/k");
  EXPECT_EQ(result.Message, kMsgCheckRegex);
  EXPECT_TRUE(result.Rows.empty());
  EXPECT_EQ(ended_, 1);
}

TEST_F(RegexRule, PerlWithoutMatchGivesNoRow) {
  SetNames({"a.txt"});
  TRuleResult result = RunPerl("s/z/y/");
  EXPECT_EQ(result.Message, "");
  EXPECT_TRUE(result.Rows.empty());
}

TEST_F(RegexRule, PerlIgnoresTheExclusion) {
  SetNames({"abc.txt"});
  ctx_.Exclusion = {true, "abc", false};
  EXPECT_EQ(NewNames(RunPerl("s/b/B/")), Names{"aBc.txt"});
}

TEST_F(RegexRule, TrimAppliesAfterBothModes) {
  SetNames({"x.doc", "a.doc"});
  EXPECT_EQ(NewNames(RunPerl("s/x/ /")), Names{".doc"});
  EXPECT_TRUE(RunPerl("s/a/ a /").Rows.empty());  // trimmed back to the old name
  ctx_.Trim = false;
  EXPECT_EQ(NewNames(RunPerl("s/a/ a /")), Names{" a .doc"});
}

TEST_F(RegexRule, OnlySelectedEntries) {
  SetNames({"a1", "a2", "a3"});
  std::vector<bool> selection{false, true, false};
  ctx_.Selection = &selection;
  EXPECT_EQ(NewNames(RunPerl("s/a/b/")), Names{"b2"});
  selection = {false, false, false};
  EXPECT_EQ(RunPerl("s/a/b/").Message, kMsgNoSelection);
}

TEST_F(RegexRule, AwkFirstMatchAndEveryMatch) {
  SetNames({"banana.txt"});
  EXPECT_EQ(NewNames(RunAwk("a", "[&]", kRegexReplaceFirst)), Names{"b[a]nana.txt"});
  EXPECT_EQ(NewNames(RunAwk("a", "[&]", kRegexReplaceAll)), Names{"b[a]n[a]n[a].txt"});
}

TEST_F(RegexRule, AwkUnclosedClassReportsMessageAndPosition) {
  SetNames({"banana.txt"});
  TRuleResult result = RunAwk("[ab", "x", kRegexReplaceFirst);
  EXPECT_EQ(result.Message, kMsgNeedRightBracket);
  EXPECT_EQ(result.ErrorPosition, 4);  // just past the end: the caret goes to the end
  EXPECT_TRUE(result.Rows.empty());
  EXPECT_EQ(ended_, 1);
  // The engine is usable afterwards.
  EXPECT_EQ(NewNames(RunAwk("n", "N", kRegexReplaceFirst)), Names{"baNana.txt"});
}

TEST_F(RegexRule, AwkBadTemplateReportsMessageWithoutPosition) {
  SetNames({"banana.txt"});
  TRuleResult result = RunAwk("a", "x\\", kRegexReplaceFirst);
  EXPECT_EQ(result.Message, kMsgBackslashAtEnd);
  EXPECT_EQ(result.ErrorPosition, 0);
  EXPECT_TRUE(result.Rows.empty());
}

TEST_F(RegexRule, AwkAppliesTheExclusion) {
  SetNames({"banana.txt", "cat.txt"});
  ctx_.Exclusion = {true, "NAN", false};
  EXPECT_EQ(NewNames(RunAwk("a", "o", kRegexReplaceAll)), Names{"cot.txt"});
  ctx_.Exclusion.CaseSensitive = true;
  EXPECT_EQ(NewNames(RunAwk("a", "o", kRegexReplaceAll)), (Names{"bonono.txt", "cot.txt"}));
}

TEST_F(RegexRule, AwkWithoutMatchLeavesTheEntryOut) {
  SetNames({"banana.txt", "cat.txt"});
  EXPECT_EQ(NewNames(RunAwk("n", "m", kRegexReplaceFirst)), Names{"bamana.txt"});
}

TEST_F(RegexRule, AwkTakesBackslashesInNamesLiterally) {
  SetNames({"a\\tb"});
  EXPECT_EQ(NewNames(RunAwk("b", "c", kRegexReplaceFirst)), Names{"a\\tc"});
}

TEST_F(RegexRule, AwkDoubleByteClass) {
  SetNames({"第１２話.txt"});
  EXPECT_EQ(NewNames(RunAwk("[０-９]+", "(&)", kRegexReplaceFirst)), Names{"第(１２)話.txt"});
}

TEST(RegexRuleHelpers, TrimAndPrefixMessages) {
  EXPECT_EQ(TrimRegexExpression(" \t s/a/b/ \r\n"), "s/a/b/");
  EXPECT_EQ(TrimRegexExpression("   "), "");
  EXPECT_EQ(PerlPrefixMessage("S/x"), kMsgLowerCaseS);
  EXPECT_EQ(PerlPrefixMessage("TR/x"), kMsgLowerCaseTr);
  EXPECT_EQ(PerlPrefixMessage("y/x/"), kMsgNeedPerlPrefix);
}

}  // namespace
}  // namespace nalo
