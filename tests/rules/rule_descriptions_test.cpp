// The status-bar descriptions of the five rule tabs, in file and folder mode.
#include "rules/rule_descriptions.h"

#include <gtest/gtest.h>

#include "rule_test_support.h"
#include "rules/convert_rule.h"
#include "rules/replace_rule.h"

namespace nalo {
namespace {

using testing::Sj;

TEST(DescribeReplaceRule, SubRules) {
  TTabStatus_Okikae s;
  s.KakkoOldIdx = 0;
  s.KakkoNewIdx = 1;
  EXPECT_EQ(DescribeReplaceRule(s), "括弧を置換：()…半角→[]…半角");
  s.KakkoNewIdx = 13;
  EXPECT_EQ(DescribeReplaceRule(s), "括弧を置換：()…半角→無…括弧+中身を削除");
  s.Kind = kReplaceKindString;
  s.StringOld = Sj("映画");
  s.StringNew = "movie";
  EXPECT_EQ(DescribeReplaceRule(s), "文字列を置換：\"映画\"→\"movie\"");
  s.Kind = kReplaceKindSpaces;
  s.SpaceOld = "_";
  s.SpaceHankakuCount = 2;
  EXPECT_EQ(DescribeReplaceRule(s), "文字列を空白に置換：\"_\"→半角スペース2個");
  s.SpaceWide = true;
  s.SpaceHankaku = false;
  s.SpaceWideCount = 10;
  EXPECT_EQ(DescribeReplaceRule(s), "文字列を空白に置換：\"_\"→全角スペース10個");
}

TEST(DescribeAddRule, PositionsAndCandidates) {
  struct Case {
    const char* label;
    bool folder_mode;
    int position;
    int candidate;
    const char* expected;
  };
  const Case cases[] = {
      {"file/before/cand-1", false, 0, 0, "ファイル名の前に、\"X\" を追加 (候補１)"},
      {"file/after-ext/cand-4", false, 2, 3, "拡張子の後に、\"W\" を追加 (候補４)"},
      {"file/before-anchor", false, 3, 1, "任意文字列\"bc\"の前に、\"Y\" を追加 (候補２)"},
      {"file/after-anchor", false, 4, 2, "任意文字列\"bc\"の後に、\"Z\" を追加 (候補３)"},
      {"folder/after-name", true, 1, 0, "フォルダ名の後に、\"X\" を追加 (候補１)"},
      {"folder/before-anchor-item-2", true, 2, 8, "任意文字列\"bc\"の前に、フォルダを追加"},
      {"folder/after-anchor-item-3", true, 3, 5, "任意文字列\"bc\"の後に、更新日時を追加"},
      {"file/date-size", false, 1, 5, "ファイル名の後に、ファイルサイズと更新日時を追加"},
      {"file/avi", false, 0, 4, "ファイル名の前に、AVIファイルのコーデックとサイズを追加"},
      {"file/image", false, 0, 6, "ファイル名の前に、JPG/GIFの画像サイズを追加"},
      {"file/mp3", false, 0, 7, "ファイル名の前に、MP3のID3Tag・Mpeg情報を追加"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TTabStatus_Add s;
    s.Position = c.position;
    s.Candidate = c.candidate;
    s.NiniStr = "bc";
    s.AddText[0] = "X";
    s.AddText[1] = "Y";
    s.AddText[2] = "Z";
    s.AddText[3] = "W";
    EXPECT_EQ(DescribeAddRule(s, c.folder_mode), c.expected);
  }
}

TEST(DescribeMoveRule, BracketAndString) {
  TTabStatus_Move s;  // position 1, bracket move of kind 0 by default
  EXPECT_EQ(DescribeMoveRule(s, false), "ファイル名の後に、\"(*)…半角\" を移動 (括弧)");
  s.BracketIdx = 8;
  s.Position = 0;
  EXPECT_EQ(DescribeMoveRule(s, true), "フォルダ名の前に、\"【*】…全角\" を移動 (括弧)");
  s.MoveBracket = false;
  s.MoveString = true;
  s.MoveStr = Sj("【映画】");
  s.Position = 3;
  s.NiniStr = "-";
  EXPECT_EQ(DescribeMoveRule(s, false), "任意文字列\"-\"の前に、\"【映画】\" を移動 (文字列)");
  EXPECT_EQ(DescribeMoveRule(s, true), "任意文字列\"-\"の後に、\"【映画】\" を移動 (文字列)");
}

TEST(DescribeConvertRule, EverySubRuleInBothModes) {
  struct Case {
    int kind;
    const char* file_text;
    const char* folder_text;
  };
  const Case cases[] = {
      {kConvertNumbering, "ファイル名を連番に変換：Images001～", "フォルダ名を連番に変換：Images001～"},
      {kConvertExtension, "拡張子を変換：*.avi", "拡張子を変換：*.avi"},
      {kConvertNameCase, "ファイル名の大・小文字を変換：大文字→小文字",
       "フォルダ名の大・小文字を変換：大文字→小文字"},
      {kConvertExtCase, "拡張子の大・小文字を変換：小文字→大文字",
       "拡張子の大・小文字を変換：小文字→大文字"},
      {kConvertHalfToFull, "半角を全角に変換", "半角を全角に変換"},
      {kConvertFullToHalf, "全角を半角に変換", "全角を半角に変換"},
      {kConvertHiraToKata, "全角ひらがなを全角カタカナに変換", "全角ひらがなを全角カタカナに変換"},
      {kConvertKataToHira, "全角カタカナを全角ひらがなに変換", "全角カタカナを全角ひらがなに変換"},
      {kConvertTrim, "ファイル名の前後の空白を削除", "フォルダ名の前後の空白を削除"},
      {kConvertTimeStamp, "ファイルのタイムスタンプを変更", "フォルダのタイムスタンプを変更"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    TTabStatus_Modif s;
    s.Kind = c.kind;
    s.NumBase = "Images";
    s.DigitsIdx = 2;
    s.NumStart = 1;
    s.Ext = ".avi";
    s.NameCaseIdx = 1;
    s.ExtCaseIdx = 0;
    EXPECT_EQ(DescribeConvertRule(s, false), c.file_text);
    EXPECT_EQ(DescribeConvertRule(s, true), c.folder_text);
  }
}

TEST(DescribeConvertRule, NumberWiderThanDigits) {
  TTabStatus_Modif s;
  s.NumBase = "n";
  s.DigitsIdx = 0;
  s.NumStart = 42;
  EXPECT_EQ(DescribeConvertRule(s, false), "ファイル名を連番に変換：n42～");
}

TEST(DescribeRegexRule, Modes) {
  TTabStatus_Seiki s;
  EXPECT_EQ(DescribeRegexRule(s), "正規表現(Parl互換)を使い置換します。");
  s.Engine = 1;
  s.SubText = Sj("＄1");
  EXPECT_EQ(DescribeRegexRule(s), "正規表現(AWK互換)を使い、マッチした部分を\"＄1\"に置換する");
  s.ReplaceMode = 1;
  EXPECT_EQ(DescribeRegexRule(s), "正規表現(AWK互換)を使い、マッチしたすべてを\"＄1\"に置換する");
}

}  // namespace
}  // namespace nalo
