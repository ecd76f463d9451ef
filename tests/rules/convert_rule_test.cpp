// The convert tab: numbering (order, padding, exclusion using up no number), new
// extension, case of base name and extension, width and kana with the 255-byte cut,
// trimming that ignores the trim option, and the hidden time-stamp rule.
#include "rules/convert_rule.h"

#include <gtest/gtest.h>

#include "rule_test_support.h"

namespace nalo {
namespace {

using testing::Names;
using testing::NewNames;
using testing::RuleFixture;
using testing::Sj;

TTabStatus_Modif Numbering(std::string_view base, int digits_idx, int first) {
  TTabStatus_Modif s;
  s.Kind = kConvertNumbering;
  s.NumBase = Sj(base);
  s.DigitsIdx = digits_idx;
  s.NumStart = first;
  return s;
}

TTabStatus_Modif Kind(int kind) {
  TTabStatus_Modif s;
  s.Kind = kind;
  return s;
}

TTabStatus_Modif NameCase(int idx, bool capitalize) {
  TTabStatus_Modif s = Kind(kConvertNameCase);
  s.NameCaseIdx = idx;
  s.NameCapitalize = capitalize;
  return s;
}

TTabStatus_Modif ExtCase(int idx, bool capitalize) {
  TTabStatus_Modif s = Kind(kConvertExtCase);
  s.ExtCaseIdx = idx;
  s.ExtCapitalize = capitalize;
  return s;
}

TTabStatus_Modif NewExtension(std::string_view ext) {
  TTabStatus_Modif s = Kind(kConvertExtension);
  s.Ext = Sj(ext);
  return s;
}

TEST(ConvertNumbering, Runs) {
  struct Case {
    const char* label;
    std::vector<const char*> names;
    const char* excluded;  // exclusion text, or nullptr
    TTabStatus_Modif status;
    Names expected;
  };
  const Case cases[] = {
      {"list-order", {"b.jpg", "a.jpg", "c.png"}, nullptr, Numbering("Images_", 2, 1),
       {"Images_001.jpg", "Images_002.jpg", "Images_003.png"}},
      {"excluded-uses-no-number", {"b.jpg", "a.jpg", "c.png"}, "a.jpg",
       Numbering("Images_", 2, 1), {"Images_001.jpg", "Images_002.png"}},
      {"unchanged-uses-no-number", {"Images_001.jpg", "x.jpg"}, nullptr,
       Numbering("Images_", 2, 1), {"Images_001.jpg"}},
      {"grows-past-digits", {"a", "b", "c"}, nullptr, Numbering("", 0, 99), {"99", "100", "101"}},
      {"percent-is-literal", {"a.txt"}, nullptr, Numbering("%d%s", 0, 0), {"%d%s0.txt"}},
      {"folder-dotted", {"v1.5"}, nullptr, Numbering("F", 1, 7), {"F07.5"}},
      {"no-digits-item", {"a"}, nullptr, Numbering("n", -1, 3), {"n3"}},
      {"double-byte-base", {"a.jpg"}, nullptr, Numbering("写真", 1, 0), {"写真00.jpg"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    RuleFixture f({});
    for (const char* name : c.names) f.entries.Add(testing::MakeEntry(name));
    if (c.excluded) f.Exclude(c.excluded);
    const TRuleResult result = RunConvertRule(f.ctx, c.status);
    EXPECT_EQ(NewNames(result), c.expected);
    EXPECT_EQ(result.OkCaption, "変換実行");
    EXPECT_EQ(result.OkHint, "変換処理を実行します");
  }
}

TEST(ConvertNumbering, SelectionNumbersOnlyTargets) {
  RuleFixture f({"a", "b", "c"});
  f.Select({0, 2});
  EXPECT_EQ(NewNames(RunConvertRule(f.ctx, Numbering("n", 0, 1))), (Names{"n1", "n2"}));
}

TEST(ConvertSubRules, PerName) {
  struct Case {
    const char* label;
    TTabStatus_Modif status;
    const char* name;
    Names expected;
  };
  const Case cases[] = {
      {"ext/no-extension", NewExtension(".avi"), "README", {"README.avi"}},
      {"ext/glued-without-dot", NewExtension("avi"), "a.txt", {"aavi"}},
      {"ext/empty-removes", NewExtension(""), "a.txt", {"a"}},
      {"ext/last-dot-only", NewExtension(".gz"), "a.tar.bz2", {"a.tar.gz"}},
      {"name/upper", NameCase(0, false), "abc.txt", {"ABC.txt"}},
      {"name/upper-full-width", NameCase(0, false), "ａb.txt", {"ＡB.txt"}},
      {"name/lower-capitalized", NameCase(1, true), "HELLO WORLD.TXT", {"Hello world.TXT"}},
      {"name/lower", NameCase(1, false), "HELLO.TXT", {"hello.TXT"}},
      {"name/capitalize-skips-double-byte", NameCase(1, true), "あBC.txt", {"あbc.txt"}},
      {"name/case-only-is-a-change", NameCase(0, false), "a", {"A"}},
      {"ext/upper", ExtCase(0, false), "a.jpg", {"a.JPG"}},
      {"ext/lower", ExtCase(1, false), "A.JPG", {"A.jpg"}},
      {"ext/capitalized", ExtCase(1, true), "a.JPEG", {"a.Jpeg"}},
      {"ext/capitalized-short", ExtCase(1, true), "a.JPG", {"a.Jpg"}},
      {"ext/none", ExtCase(1, true), "a", {}},
      {"ext/dot-only", ExtCase(0, true), "a.", {}},
      {"ext/capitalized-keeps-double-byte-whole", ExtCase(1, true), "a.アB", {"a.アb"}},
      {"ext/capitalized-trail-byte-untouched", ExtCase(1, true), "a.xアB", {"a.Xアb"}},
      {"width/half-to-full", Kind(kConvertHalfToFull), "abc 123.txt", {"ａｂｃ　１２３.txt"}},
      {"width/full-to-half", Kind(kConvertFullToHalf), "ＡＢＣ.txt", {"ABC.txt"}},
      {"kana/hira-to-kata", Kind(kConvertHiraToKata), "ひらがな.txt", {"ヒラガナ.txt"}},
      {"kana/kata-to-hira", Kind(kConvertKataToHira), "カタカナ.txt", {"かたかな.txt"}},
      {"kana/extension-kept", Kind(kConvertHiraToKata), "a.ひら", {}},
      {"trim", Kind(kConvertTrim), " a .txt ", {"a.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    RuleFixture f({c.name});
    EXPECT_EQ(NewNames(RunConvertRule(f.ctx, c.status)), c.expected);
  }
}

TEST(ConvertSubRules, ExclusionPerSubRule) {
  RuleFixture f({" abc .txt", "xyz.txt"});
  f.Exclude("abc");
  EXPECT_EQ(NewNames(RunConvertRule(f.ctx, NameCase(0, false))), (Names{"XYZ.txt"}));
  // Trimming has no exclusion step.
  EXPECT_EQ(NewNames(RunConvertRule(f.ctx, Kind(kConvertTrim))), (Names{"abc.txt"}));
}

TEST(ConvertSubRules, TimeStampAndUnknownDoNothing) {
  RuleFixture f({"a.txt"});
  for (int kind : {int{kConvertTimeStamp}, -1, 10}) {
    SCOPED_TRACE(kind);
    const TRuleResult result = RunConvertRule(f.ctx, Kind(kind));
    EXPECT_TRUE(result.Silent);
    EXPECT_TRUE(result.Rows.empty());
    EXPECT_TRUE(result.Message.empty());
  }
}

TEST(ConvertSubRules, NoSelectionMessage) {
  RuleFixture f({"a.txt"});
  f.Select({});
  EXPECT_EQ(RunConvertRule(f.ctx, Kind(kConvertTimeStamp)).Message, kMsgNoSelection);
}

TEST(ConvertNumbering, PaddedNumber) {
  EXPECT_EQ(PaddedNumber(7, 3), "007");
  EXPECT_EQ(PaddedNumber(1234, 2), "1234");
  EXPECT_EQ(PaddedNumber(0, 1), "0");
  EXPECT_EQ(PaddedNumber(-5, 3), "-005");
}

}  // namespace
}  // namespace nalo
