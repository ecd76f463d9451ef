// The move tab: the leading bracket group and the first occurrence of a string
// moved to the insert positions, with exclusion, trim and validation.
#include "rules/move_rule.h"

#include <gtest/gtest.h>

#include "rule_test_support.h"

namespace nalo {
namespace {

using testing::Names;
using testing::NewNames;
using testing::RuleFixture;
using testing::Sj;

constexpr int kSquare = 1, kLenticular = 8;

TTabStatus_Move BracketMove(int bracket, int position, std::string_view anchor = "") {
  TTabStatus_Move s;
  s.MoveBracket = true;
  s.MoveString = false;
  s.BracketIdx = bracket;
  s.Position = position;
  s.NiniStr = Sj(anchor);
  return s;
}

TTabStatus_Move StringMove(std::string_view text, bool case_sensitive, int position,
                           std::string_view anchor = "") {
  TTabStatus_Move s;
  s.MoveBracket = false;
  s.MoveString = true;
  s.MoveStr = Sj(text);
  s.StringCase = case_sensitive;
  s.Position = position;
  s.NiniStr = Sj(anchor);
  return s;
}

TEST(MoveRule, PerName) {
  struct Case {
    const char* label;
    bool folder_mode;
    bool trim;
    TTabStatus_Move status;
    const char* name;
    Names expected;
  };
  const Case cases[] = {
      {"bracket/after-base", false, false, BracketMove(kLenticular, 1), "【映画】 タイトル.avi",
       {" タイトル【映画】.avi"}},
      {"bracket/after-base/trimmed", false, true, BracketMove(kLenticular, 1),
       "【映画】 タイトル.avi", {"タイトル【映画】.avi"}},
      {"bracket/not-at-start", false, false, BracketMove(kLenticular, 1),
       "タイトル【映画】.avi", {}},
      {"bracket/first-close-ends-group", false, false, BracketMove(kSquare, 1), "[a]b[c].txt",
       {"b[c][a].txt"}},
      {"bracket/no-close", false, false, BracketMove(kSquare, 1), "[ab.txt", {}},
      {"bracket/none-chosen", false, false, BracketMove(-1, 1), "[a]b.txt", {}},
      {"bracket/after-anchor", false, false, BracketMove(kSquare, 4, "b"), "[a]bc.txt",
       {"b[a]c.txt"}},
      {"bracket/anchor-missing", false, false, BracketMove(kSquare, 3, "z"), "[a]bc.txt", {}},
      {"string/after-extension", false, false, StringMove("【映画】 ", true, 2),
       "【映画】 タイトル.avi", {"タイトル.avi【映画】 "}},
      {"string/after-extension/trimmed", false, true, StringMove("【映画】 ", true, 2),
       "【映画】 タイトル.avi", {"タイトル.avi【映画】"}},
      {"string/ignore-case-keeps-name-case", false, false, StringMove("abc", false, 0),
       "xABCy.txt", {"ABCxy.txt"}},
      {"string/case-sensitive-absent", false, false, StringMove("abc", true, 0), "xABCy.txt",
       {}},
      {"string/full-width-ignore-case", false, false, StringMove("ａ", false, 1), "Ａb.txt",
       {"bＡ.txt"}},
      {"sjis/string-in-trail-byte", false, false, StringMove("\\", true, 0), "表a.txt", {}},
      {"folder/after-name/dotted", true, false, StringMove("x", true, 1), "xv1.5", {"v1x.5"}},
      {"folder/before-anchor-is-item-2", true, false, StringMove("x", true, 2, "1"), "xv1.5",
       {"vx1.5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    RuleFixture f({c.name}, c.trim);
    f.ctx.FolderMode = c.folder_mode;
    EXPECT_EQ(NewNames(RunMoveRule(f.ctx, c.status)), c.expected);
  }
}

TEST(MoveRule, ExclusionAndOkButton) {
  RuleFixture f({"[a]keep.txt", "[b]x.txt"});
  f.Exclude("keep");
  const TRuleResult result = RunMoveRule(f.ctx, BracketMove(kSquare, 1));
  EXPECT_EQ(NewNames(result), (Names{"x[b].txt"}));
  EXPECT_EQ(result.OkCaption, "移動実行");
  EXPECT_EQ(result.OkHint, "移動処理を実行します");
}

TEST(MoveRule, Validation) {
  struct Case {
    const char* label;
    bool folder_mode;
    TTabStatus_Move status;
    std::string_view message;
  };
  const Case cases[] = {
      {"string-empty", false, StringMove("", true, 0), kMsgNoMoveString},
      {"string-empty-before-anchor", false, StringMove("", true, 3), kMsgNoMoveString},
      {"file/anchor-empty", false, StringMove("a", true, 4), kMsgNoAnchorString},
      {"folder/anchor-empty", true, BracketMove(kSquare, 2), kMsgNoAnchorString},
      {"file/item-2-no-anchor-needed", false, BracketMove(kSquare, 2), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ValidateMoveRule(c.status, c.folder_mode), c.message);
    RuleFixture f({"a.txt"});
    f.ctx.FolderMode = c.folder_mode;
    EXPECT_EQ(RunMoveRule(f.ctx, c.status).Message, c.message);
  }
}

}  // namespace
}  // namespace nalo
