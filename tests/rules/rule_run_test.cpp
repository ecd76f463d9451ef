// The shared rule loop: target selection, exclusion steps, trim option, row
// contents, the begin/end bracket and the failure of an information read.
#include "rules/rule_run.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "rule_test_support.h"

namespace nalo {
namespace {

using testing::Names;
using testing::NewNames;
using testing::OldNames;
using testing::RuleFixture;
using testing::Sj;

const TFamilyRun kRevert{kOkAdd, TExclusionStep::kRevertToOld, TRowAcceptance::kWhenChanged,
                         false};

// A step that appends "X" to the base name's end, like a plain add rule.
std::optional<std::string> AppendX(const TListData& entry, std::size_t) {
  return entry.Name + "X";
}

TEST(RuleRun, EmptyListGivesNoRowsAndNoMessage) {
  RuleFixture f({});
  const TRuleResult result = RunRuleLoop(f.ctx, kRevert, AppendX);
  EXPECT_TRUE(result.Rows.empty());
  EXPECT_TRUE(result.Message.empty());
  EXPECT_FALSE(result.Silent);
  EXPECT_EQ(result.OkCaption, "追加実行");
  EXPECT_EQ(result.OkHint, "追加処理を実行します");
}

TEST(RuleRun, SelectOnlyConsidersSelectedRowsInListOrder) {
  RuleFixture f({"a", "b", "c", "d", "e"});
  f.Select({3, 1});
  EXPECT_FALSE(NothingSelected(f.ctx));
  EXPECT_EQ(OldNames(f.entries, RunRuleLoop(f.ctx, kRevert, AppendX)), (Names{"b", "d"}));
}

TEST(RuleRun, SelectionShorterThanListLeavesTheRestOut) {
  RuleFixture f({"a", "b", "c"});
  std::vector<bool> short_selection = {false, true};
  f.ctx.Selection = &short_selection;
  EXPECT_EQ(OldNames(f.entries, RunRuleLoop(f.ctx, kRevert, AppendX)), (Names{"b"}));
}

TEST(RuleRun, NothingSelectedOnlyWhenSelectOnlyIsOn) {
  RuleFixture f({"a", "b"});
  EXPECT_FALSE(NothingSelected(f.ctx));
  f.Select({});
  EXPECT_TRUE(NothingSelected(f.ctx));
}

TEST(RuleRun, ExclusionTest) {
  struct Case {
    const char* label;
    const char* text;
    bool enabled;
    bool case_sensitive;
    const char* name;
    bool excluded;
  };
  const Case cases[] = {
      {"case-insensitive/matches", "abc", true, false, "xABCy.txt", true},
      {"case-sensitive/no-match", "abc", true, true, "xABCy.txt", false},
      {"case-sensitive/match", "ABC", true, true, "xABCy.txt", true},
      {"disabled", "abc", false, false, "abc.txt", false},
      {"empty-text", "", true, false, "abc.txt", false},
      {"sjis/backslash-in-trail-byte", "\\", true, true, "表.txt", false},
      {"full-width-letters/ignore-case", "ａ", true, false, "Ａ.txt", true},
      {"double-byte/match", "映画", true, true, "【映画】.avi", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const TExclusion exclusion{c.enabled, Sj(c.text), c.case_sensitive};
    EXPECT_EQ(IsExcluded(exclusion, Sj(c.name)), c.excluded);
  }
}

TEST(RuleRun, ExcludedEntryRevertsButIsStillTrimmed) {
  RuleFixture f({" a .txt", "abc.txt", "zz.txt"}, /*trim=*/true);
  f.Exclude("A");
  const TRuleResult result = RunRuleLoop(f.ctx, kRevert, AppendX);
  EXPECT_EQ(NewNames(result), (Names{"a.txt", "zz.txtX"}));
}

TEST(RuleRun, SkipOnNewNameTestsTheComputedName) {
  RuleFixture f({"a", "b"});
  f.Exclude("BX");
  const TFamilyRun skip{kOkReplace, TExclusionStep::kSkipOnNewName, TRowAcceptance::kAlways,
                        false};
  EXPECT_EQ(NewNames(RunRuleLoop(f.ctx, skip, AppendX)), (Names{"aX"}));
}

TEST(RuleRun, NoExclusionStepIgnoresTheCondition) {
  RuleFixture f({"abc"});
  f.Exclude("abc");
  const TFamilyRun none{kOkReplace, TExclusionStep::kNone, TRowAcceptance::kWhenChanged, false};
  EXPECT_EQ(NewNames(RunRuleLoop(f.ctx, none, AppendX)), (Names{"abcX"}));
}

TEST(RuleRun, TrimOptionAndAcceptance) {
  const auto same = [](const TListData& e, std::size_t) {
    return std::optional<std::string>(e.Name);
  };
  const auto upper = [](const TListData&, std::size_t) {
    return std::optional<std::string>("ABC");
  };
  {
    SCOPED_TRACE("trim-off/unchanged-name-gets-no-row");
    RuleFixture f({" a b .txt "});
    EXPECT_TRUE(RunRuleLoop(f.ctx, kRevert, same).Rows.empty());
  }
  {
    SCOPED_TRACE("trim-on/spaces-around-base-and-extension");
    RuleFixture f({" a b .txt ", "\u3000a.txt"}, true);
    EXPECT_EQ(NewNames(RunRuleLoop(f.ctx, kRevert, same)), (Names{"a b.txt"}));
  }
  {
    SCOPED_TRACE("always-trim-ignores-option");
    RuleFixture f({" a .txt "});
    TFamilyRun trim_family = kRevert;
    trim_family.AlwaysTrim = true;
    EXPECT_EQ(NewNames(RunRuleLoop(f.ctx, trim_family, same)), (Names{"a.txt"}));
  }
  {
    SCOPED_TRACE("case-only-change-is-a-change");
    RuleFixture f({"abc"});
    EXPECT_EQ(NewNames(RunRuleLoop(f.ctx, kRevert, upper)), (Names{"ABC"}));
  }
  {
    SCOPED_TRACE("always-accept-keeps-unchanged-name");
    RuleFixture f({"abc"});
    TFamilyRun always = kRevert;
    always.Acceptance = TRowAcceptance::kAlways;
    EXPECT_EQ(NewNames(RunRuleLoop(f.ctx, always, same)), (Names{"abc"}));
  }
}

TEST(RuleRun, RowCarriesNameFolderAndPath) {
  RuleFixture f({});
  f.entries.Add(testing::MakeEntry("x.txt", "/home/u/"));
  f.entries.Add(testing::MakeEntry("y.txt", "/"));
  const TRuleResult result = RunRuleLoop(f.ctx, kRevert, AppendX);
  ASSERT_EQ(result.Rows.size(), 2u);
  EXPECT_EQ(result.Rows[0].Entry, 0u);
  EXPECT_EQ(RowOldName(f.entries, result.Rows[0]), "x.txt");
  EXPECT_EQ(result.Rows[0].NewName, "x.txtX");
  EXPECT_EQ(RowFolder(f.entries, result.Rows[0]), "/home/u");
  EXPECT_FALSE(result.Rows[0].Renamed);
  EXPECT_EQ(result.Rows[1].Entry, 1u);
  EXPECT_EQ(RowFolder(f.entries, result.Rows[1]), "/");
}

TEST(RuleRun, BeginAndEndBracketTheWalk) {
  RuleFixture f({"a"});
  std::string trace;
  f.ctx.BeginRuleRun = [&] { trace += "begin;"; };
  f.ctx.EndRuleRun = [&] { trace += "end;"; };
  RunRuleLoop(f.ctx, kRevert, [&](const TListData& e, std::size_t) {
    trace += "step;";
    return std::optional<std::string>(e.Name + "X");
  });
  EXPECT_EQ(trace, "begin;step;end;");
}

TEST(RuleRun, InfoReadErrorEndsTheRunWithoutRows) {
  RuleFixture f({"a", "b", "c"});
  int ends = 0;
  f.ctx.EndRuleRun = [&] { ++ends; };
  const TRuleResult result = RunRuleLoop(f.ctx, kRevert, [](const TListData& e, std::size_t) {
    if (e.Name == "b") throw EInfoReadError("/data/b を開けません");
    return std::optional<std::string>(e.Name + "X");
  });
  EXPECT_EQ(ends, 1);
  EXPECT_TRUE(result.Rows.empty());
  EXPECT_EQ(result.Message, "/data/b を開けません");
}

TEST(RuleRun, OtherErrorsPropagateAfterEndRuleRun) {
  RuleFixture f({"a"});
  int ends = 0;
  f.ctx.EndRuleRun = [&] { ++ends; };
  EXPECT_THROW(RunRuleLoop(f.ctx, kRevert,
                           [](const TListData&, std::size_t) -> std::optional<std::string> {
                             throw std::runtime_error("boom");
                           }),
               std::runtime_error);
  EXPECT_EQ(ends, 1);
}

TEST(RuleRun, NumberedCountsRowsOfEntriesNotExcluded) {
  RuleFixture f({"a", "skip", "b", "c"});
  f.Exclude("skip");
  const auto numbered = [](const TListData&, std::size_t n) {
    return std::optional<std::string>("n" + std::to_string(n));
  };
  EXPECT_EQ(NewNames(RunRuleLoop(f.ctx, kRevert, numbered)), (Names{"n0", "n1", "n2"}));
}

// A stop keeps exactly the rows of the entries before it, numbered as in a full
// walk, so a prefix of the list can be shown before the rest is computed.
TEST(RuleRun, StopBeforeKeepsThePrefixRows) {
  struct TCase {
    std::size_t stop_at;
    Names new_names;
    bool stopped;
  };
  const TCase cases[] = {
      {0, {}, true},
      {2, {"n0"}, true},  // "skip" is excluded and uses up no number
      {3, {"n0", "n1"}, true},
      {4, {"n0", "n1", "n2"}, false},
  };
  const auto numbered = [](const TListData&, std::size_t n) {
    return std::optional<std::string>("n" + std::to_string(n));
  };
  for (const TCase& c : cases) {
    RuleFixture f({"a", "skip", "b", "c"});
    f.Exclude("skip");
    f.ctx.StopBefore = [&c](std::size_t i) { return i >= c.stop_at; };
    const TRuleResult result = RunRuleLoop(f.ctx, kRevert, numbered);
    EXPECT_EQ(NewNames(result), c.new_names) << c.stop_at;
    EXPECT_EQ(result.Stopped, c.stopped) << c.stop_at;
  }
}

}  // namespace
}  // namespace nalo
