// The add tab and the insert positions it shares with the move tab: positions in
// file and folder mode, anchors, information candidates and validation.
#include "rules/add_rule.h"

#include <gtest/gtest.h>

#include "rule_test_support.h"
#include "rules/insert_position.h"

namespace nalo {
namespace {

using testing::Names;
using testing::NewNames;
using testing::RuleFixture;
using testing::Sj;

TTabStatus_Add UserString(int position, std::string_view text, std::string_view anchor = "") {
  TTabStatus_Add s;
  s.Position = position;
  s.Candidate = 0;
  s.AddText[0] = Sj(text);
  s.NiniStr = Sj(anchor);
  return s;
}

TEST(InsertPosition, IndexesPerMode) {
  using P = TInsertPosition;
  EXPECT_EQ(PositionFromIndex(2, false), P::kAfterExtension);
  EXPECT_EQ(PositionFromIndex(3, false), P::kBeforeAnchor);
  EXPECT_EQ(PositionFromIndex(4, false), P::kAfterAnchor);
  EXPECT_EQ(PositionFromIndex(2, true), P::kBeforeAnchor);
  EXPECT_EQ(PositionFromIndex(3, true), P::kAfterAnchor);
  EXPECT_EQ(PositionFromIndex(4, true), std::nullopt);
  EXPECT_EQ(PositionFromIndex(5, false), std::nullopt);
  EXPECT_EQ(PositionFromIndex(-1, false), std::nullopt);
}

TEST(AddRule, Positions) {
  struct Case {
    const char* label;
    bool folder_mode;
    bool trim;
    TTabStatus_Add status;
    const char* name;
    Names expected;
  };
  const Case cases[] = {
      {"file/before-name/space-inside-kept", false, true, UserString(0, "【映画】 "),
       "movie.avi", {"【映画】 movie.avi"}},
      {"file/after-base", false, false, UserString(1, " （iso）"), "movie.avi",
       {"movie （iso）.avi"}},
      {"file/after-base/two-dots", false, false, UserString(1, "X"), "a.txt.txt",
       {"a.txtX.txt"}},
      {"file/after-base/no-extension", false, false, UserString(1, "X"), "README", {"READMEX"}},
      {"file/after-extension/no-extension", false, false, UserString(2, "X"), "README",
       {"READMEX"}},
      {"file/after-extension", false, false, UserString(2, "X"), "a.txt", {"a.txtX"}},
      {"file/after-anchor", false, false, UserString(4, "X", "bc"), "abcabc.txt",
       {"abcXabc.txt"}},
      {"file/before-anchor", false, false, UserString(3, "X", "bc"), "abcabc.txt",
       {"aXbcabc.txt"}},
      {"file/anchor-case-sensitive", false, false, UserString(3, "X", "BC"), "abcabc.txt", {}},
      {"file/anchor-missing-no-row", false, false, UserString(4, "X", "zz"), "abc.txt", {}},
      {"file/anchor-missing-trim-no-row", false, true, UserString(3, "X", "zz"), " abc.txt",
       {}},
      {"file/anchor-double-byte", false, false, UserString(4, "X", "画"), "映画.avi",
       {"映画X.avi"}},
      {"sjis/anchor-not-in-trail-byte", false, false, UserString(3, "X", "\\"), "表.txt", {}},
      {"folder/after-name/dotted", true, false, UserString(1, "X"), "v1.5", {"v1X.5"}},
      {"folder/before-anchor-is-item-2", true, false, UserString(2, "X", "1"), "v1.5",
       {"vX1.5"}},
      {"folder/after-anchor-is-item-3", true, false, UserString(3, "X", "1"), "v1.5",
       {"v1X.5"}},
      {"folder/item-4-does-nothing", true, false, UserString(4, "X", "1"), "v1.5", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    RuleFixture f({c.name}, c.trim);
    f.ctx.FolderMode = c.folder_mode;
    EXPECT_EQ(NewNames(RunAddRule(f.ctx, c.status)), c.expected);
  }
}

TEST(AddRule, ExclusionAndOkButton) {
  RuleFixture f({"keep.txt", "a.txt"});
  f.Exclude("KEEP");
  const TRuleResult result = RunAddRule(f.ctx, UserString(0, "X"));
  EXPECT_EQ(NewNames(result), (Names{"Xa.txt"}));
  EXPECT_EQ(result.OkCaption, "追加実行");
  EXPECT_EQ(result.OkHint, "追加処理を実行します");
}

TEST(AddRule, Validation) {
  struct Case {
    const char* label;
    bool folder_mode;
    TTabStatus_Add status;
    std::string_view message;
  };
  TTabStatus_Add second_empty = UserString(0, "text");
  second_empty.Candidate = 1;
  TTabStatus_Add info = UserString(3, "");
  info.Candidate = 5;
  info.NiniStr.clear();
  const Case cases[] = {
      {"candidate-1-empty", false, UserString(0, ""), kMsgNoAddString},
      {"candidate-2-empty-though-1-set", false, second_empty, kMsgNoAddString},
      {"file/anchor-empty", false, UserString(3, "X"), kMsgNoAnchorString},
      {"folder/anchor-empty", true, UserString(2, "X"), kMsgNoAnchorString},
      {"file/item-2-no-anchor-needed", false, UserString(2, "X"), ""},
      {"info/anchor-empty", false, info, kMsgNoAnchorString},
      {"add-string-checked-first", false, UserString(3, ""), kMsgNoAddString},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ValidateAddRule(c.status, c.folder_mode), c.message);
    RuleFixture f({"a.txt"});
    f.ctx.FolderMode = c.folder_mode;
    EXPECT_EQ(RunAddRule(f.ctx, c.status).Message, c.message);
  }
}

TEST(AddRule, InformationCandidatesAskTheSource) {
  RuleFixture f({"a.avi", "b.avi", "c.avi"});
  std::vector<std::string> asked;
  f.ctx.FolderMode = false;
  f.ctx.InfoSource = [&](TInfoKind kind, const std::string& path, bool folder_mode) {
    asked.push_back(std::to_string(static_cast<int>(kind)) + path + (folder_mode ? "D" : "F"));
    return path == "/data/b.avi" ? std::string() : std::string("[DivX]");
  };
  TTabStatus_Add s;
  s.Position = 1;
  s.Candidate = 4;  // rbtn_Add_5
  const TRuleResult result = RunAddRule(f.ctx, s);
  EXPECT_EQ(NewNames(result), (Names{"a[DivX].avi", "c[DivX].avi"}));
  EXPECT_EQ(asked, (Names{"5/data/a.aviF", "5/data/b.aviF", "5/data/c.aviF"}));
}

TEST(AddRule, CandidateKindsMapToInfoKinds) {
  RuleFixture f({"a"});
  for (int candidate = 4; candidate < kAddCandidateCount; ++candidate) {
    SCOPED_TRACE(candidate);
    TTabStatus_Add s;
    s.Candidate = candidate;
    TInfoKind seen{};
    f.ctx.InfoSource = [&](TInfoKind kind, const std::string&, bool) {
      seen = kind;
      return std::string("i");
    };
    EXPECT_EQ(AddTextFor(f.ctx, s, f.entries.EntryAt(0)), "i");
    EXPECT_EQ(static_cast<int>(seen), candidate + 1);
  }
}

TEST(AddRule, MissingSourceOrCandidateAddsNothing) {
  RuleFixture f({"a.txt"});
  TTabStatus_Add s;
  s.Candidate = 6;
  EXPECT_TRUE(RunAddRule(f.ctx, s).Rows.empty());
  s.Candidate = -1;
  EXPECT_TRUE(RunAddRule(f.ctx, s).Rows.empty());
}

TEST(AddRule, ReadErrorEndsTheRunWithItsMessage) {
  RuleFixture f({"a.mp3", "b.mp3"});
  int ends = 0;
  f.ctx.EndRuleRun = [&] { ++ends; };
  f.ctx.InfoSource = [](TInfoKind, const std::string& path, bool) -> std::string {
    if (path == "/data/b.mp3") throw EInfoReadError("b.mp3 を読めません");
    return "tag";
  };
  TTabStatus_Add s;
  s.Candidate = 7;
  const TRuleResult result = RunAddRule(f.ctx, s);
  EXPECT_TRUE(result.Rows.empty());
  EXPECT_EQ(result.Message, "b.mp3 を読めません");
  EXPECT_EQ(ends, 1);
}

}  // namespace
}  // namespace nalo
