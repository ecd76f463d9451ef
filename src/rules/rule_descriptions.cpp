// The description builders. Each joins fixed pieces and quoted control texts with
// nothing between them; record texts are CP932 and are shown through a lossy
// conversion, so a stray byte never breaks the status bar.
#include "rules/rule_descriptions.h"

#include <array>
#include <string_view>

#include "platform/encoding.h"
#include "rules/add_rule.h"
#include "rules/convert_rule.h"
#include "rules/insert_position.h"
#include "rules/replace_rule.h"
#include "rules/rule_captions.h"

namespace nalo {
namespace {

constexpr std::string_view kQuote = "\"";

// A display text in double quotes.
std::string QuotedUtf8(std::string_view utf8) {
  std::string out(kQuote);
  out += utf8;
  out += kQuote;
  return out;
}

// A record text for display, in double quotes.
std::string Quoted(std::string_view cp932) { return QuotedUtf8(Cp932ToUtf8Lossy(cp932)); }

// The position part shared by the add and move descriptions.
std::string DescribePosition(int index, std::string_view anchor, bool folder_mode) {
  const std::optional<TInsertPosition> position = PositionFromIndex(index, folder_mode);
  if (!position) return {};
  if (*position == TInsertPosition::kBeforeAnchor) return "任意文字列" + Quoted(anchor) + "の前";
  if (*position == TInsertPosition::kAfterAnchor) return "任意文字列" + Quoted(anchor) + "の後";
  return std::string(PositionItems(folder_mode)[static_cast<std::size_t>(index)]);
}

std::string DescribeAddCandidate(const TTabStatus_Add& status, bool folder_mode) {
  static constexpr std::array<std::string_view, kAddUserStringCount> kUserTails = {
      " を追加 (候補１)", " を追加 (候補２)", " を追加 (候補３)", " を追加 (候補４)"};
  const int candidate = status.Candidate;
  if (candidate >= 0 && candidate < kAddUserStringCount) {
    return "に、" + Quoted(status.AddText[candidate]) + std::string(kUserTails[candidate]);
  }
  switch (candidate) {
    case 4: return "に、AVIファイルのコーデックとサイズを追加";
    case 5: return folder_mode ? "に、更新日時を追加" : "に、ファイルサイズと更新日時を追加";
    case 6: return "に、JPG/GIFの画像サイズを追加";
    case 7: return "に、MP3のID3Tag・Mpeg情報を追加";
    case 8: return "に、フォルダを追加";
    default: return {};
  }
}

std::string CaseDirection(int case_index) {
  return case_index == 0 ? "小文字→大文字" : "大文字→小文字";
}

std::string DescribeNumbering(const TTabStatus_Modif& status, bool folder_mode) {
  std::string out = folder_mode ? "フォルダ名を連番に変換：" : "ファイル名を連番に変換：";
  out += Cp932ToUtf8Lossy(status.NumBase);
  out += PaddedNumber(status.NumStart, NumberDigits(status));
  out += "～";
  return out;
}

}  // namespace

std::string DescribeReplaceRule(const TTabStatus_Okikae& status) {
  switch (status.Kind) {
    case kReplaceKindBrackets:
      return "括弧を置換：" + std::string(ItemText(kBracketOldItems, status.KakkoOldIdx)) + "→" +
             std::string(ItemText(kBracketNewItems, status.KakkoNewIdx));
    case kReplaceKindString:
      return "文字列を置換：" + Quoted(status.StringOld) + "→" + Quoted(status.StringNew);
    case kReplaceKindSpaces: {
      const bool wide = status.SpaceWide;
      const int count = wide ? status.SpaceWideCount : status.SpaceHankakuCount;
      return "文字列を空白に置換：" + Quoted(status.SpaceOld) + "→" +
             (wide ? "全角スペース" : "半角スペース") + std::to_string(count) + "個";
    }
    default:
      return {};
  }
}

std::string DescribeAddRule(const TTabStatus_Add& status, bool folder_mode) {
  return DescribePosition(status.Position, status.NiniStr, folder_mode) +
         DescribeAddCandidate(status, folder_mode);
}

std::string DescribeMoveRule(const TTabStatus_Move& status, bool folder_mode) {
  std::string out = DescribePosition(status.Position, status.NiniStr, folder_mode);
  if (status.MoveBracket) {
    out += "に、" + QuotedUtf8(ItemText(kMoveBracketItems, status.BracketIdx)) + " を移動 (括弧)";
  } else if (status.MoveString) {
    out += "に、" + Quoted(status.MoveStr) + " を移動 (文字列)";
  }
  return out;
}

std::string DescribeConvertRule(const TTabStatus_Modif& status, bool folder_mode) {
  switch (status.Kind) {
    case kConvertNumbering:
      return DescribeNumbering(status, folder_mode);
    case kConvertExtension:
      return "拡張子を変換：*" + Cp932ToUtf8Lossy(status.Ext);
    case kConvertNameCase:
      return (folder_mode ? "フォルダ名の大・小文字を変換：" : "ファイル名の大・小文字を変換：") +
             CaseDirection(status.NameCaseIdx);
    case kConvertExtCase:
      return "拡張子の大・小文字を変換：" + CaseDirection(status.ExtCaseIdx);
    case kConvertHalfToFull: return "半角を全角に変換";
    case kConvertFullToHalf: return "全角を半角に変換";
    case kConvertHiraToKata: return "全角ひらがなを全角カタカナに変換";
    case kConvertKataToHira: return "全角カタカナを全角ひらがなに変換";
    case kConvertTrim:
      return folder_mode ? "フォルダ名の前後の空白を削除" : "ファイル名の前後の空白を削除";
    case kConvertTimeStamp:
      return folder_mode ? "フォルダのタイムスタンプを変更" : "ファイルのタイムスタンプを変更";
    default:
      return {};
  }
}

std::string DescribeRegexRule(const TTabStatus_Seiki& status) {
  if (status.Engine == 0) return "正規表現(Parl互換)を使い置換します。";
  return std::string("正規表現(AWK互換)を使い、") +
         (status.ReplaceMode == 0 ? "マッチした部分を" : "マッチしたすべてを") +
         Quoted(status.SubText) + "に置換する";
}

}  // namespace nalo
