// Every sub-rule over many generated names built from characters whose trail bytes
// look like ASCII ("ソ" 0x83 0x5C, "ー" 0x81 0x5B, "　" 0x81 0x40, "ア" 0x83 0x41):
// no rule may cut a double-byte character in two, so every new name must still be
// valid CP932, and searches for "\", "[", "@" or "A" must never match a trail byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "rule_test_support.h"
#include "rules/add_rule.h"
#include "rules/convert_rule.h"
#include "rules/move_rule.h"
#include "rules/replace_rule.h"

namespace nalo {
namespace {

using testing::RuleFixture;
using testing::Sj;

// Names from a fixed-seed generator over tricky pieces; enough to meet every piece
// at every position several times.
constexpr int kGeneratedNames = 3000;

TEntryList GeneratedEntries() {
  const char* pieces[] = {"ソ", "ー", "　", "ア", "表", "a", "A", "[", "]", "@", "\\", " ",
                          "ｶﾞ", "【", "】", "(", ")", ".", "x", "ａ"};
  std::uint32_t state = 12345;
  TEntryList entries;
  for (int i = 0; i < kGeneratedNames; ++i) {
    std::string name;
    const int length = 1 + i % 7;
    for (int k = 0; k < length; ++k) {
      state = state * 1103515245u + 12345u;
      name += pieces[(state >> 16) % std::size(pieces)];
    }
    entries.Add(testing::MakeEntry(name));
  }
  return entries;
}

struct NamedRun {
  const char* label;
  std::function<TRuleResult(const TRuleContext&)> run;
};

std::vector<NamedRun> AllSubRules() {
  std::vector<NamedRun> runs;
  for (int old_idx : {1, 8}) {
    for (int new_idx : {0, 12, 13}) {
      TTabStatus_Okikae s;
      s.KakkoOldIdx = old_idx;
      s.KakkoNewIdx = new_idx;
      s.KakkoFirstOnly = new_idx == 13;
      runs.push_back({"replace/brackets", [s](const TRuleContext& c) { return RunReplaceRule(c, s); }});
    }
  }
  for (const char* needle : {"\\", "[", "@", "A"}) {
    TTabStatus_Okikae s;
    s.Kind = kReplaceKindString;
    s.StringOld = needle;
    s.StringNew = "_";
    s.StringFirstOnly = false;
    runs.push_back({"replace/string", [s](const TRuleContext& c) { return RunReplaceRule(c, s); }});
    s.Kind = kReplaceKindSpaces;
    s.SpaceOld = needle;
    s.SpaceWide = true;
    s.SpaceWideCount = 1;
    runs.push_back({"replace/spaces", [s](const TRuleContext& c) { return RunReplaceRule(c, s); }});
    for (int position = 0; position < 5; ++position) {
      TTabStatus_Add a;
      a.Position = position;
      a.AddText[0] = Sj("追");
      a.NiniStr = needle;
      runs.push_back({"add", [a](const TRuleContext& c) { return RunAddRule(c, a); }});
      TTabStatus_Move m;
      m.MoveBracket = false;
      m.MoveString = true;
      m.MoveStr = needle;
      m.Position = position;
      m.NiniStr = "x";
      runs.push_back({"move/string", [m](const TRuleContext& c) { return RunMoveRule(c, m); }});
    }
  }
  for (int bracket : {1, 8}) {
    TTabStatus_Move m;
    m.BracketIdx = bracket;
    runs.push_back({"move/bracket", [m](const TRuleContext& c) { return RunMoveRule(c, m); }});
  }
  for (int kind = kConvertNumbering; kind <= kConvertTrim; ++kind) {
    TTabStatus_Modif s;
    s.Kind = kind;
    s.NameCaseIdx = kind % 2;
    s.ExtCaseIdx = 1;
    s.ExtCapitalize = true;
    runs.push_back({"convert", [s](const TRuleContext& c) { return RunConvertRule(c, s); }});
  }
  return runs;
}

TEST(RuleSjisProperty, NoRuleSplitsADoubleByteCharacter) {
  const TEntryList entries = GeneratedEntries();
  for (bool trim : {false, true}) {
    TRuleContext ctx(entries);
    ctx.Trim = trim;
    ctx.Exclusion = TExclusion{true, Sj("ア"), false};
    for (const NamedRun& named : AllSubRules()) {
      SCOPED_TRACE(named.label);
      const TRuleResult result = named.run(ctx);
      ASSERT_TRUE(result.Message.empty()) << result.Message;
      for (const TConfirmationRow& row : result.Rows) {
        ASSERT_TRUE(Cp932ToUtf8(row.NewName).has_value())
            << "broken name from " << testing::Utf8(std::string(RowOldName(entries, row)));
      }
    }
  }
}

}  // namespace
}  // namespace nalo
