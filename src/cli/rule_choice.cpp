// Resolving the rule options. Every option that is not given takes its neutral
// value (first-only off, case-insensitive); only --from-settings reads the state
// the desktop program saved.
#include "cli/rule_choice.h"

#include <array>
#include <utility>

#include "rules/add_rule.h"
#include "rules/convert_rule.h"
#include "rules/fix_encoding_rule.h"
#include "rules/move_rule.h"
#include "rules/regex_rule.h"
#include "rules/replace_rule.h"
#include "rules/rule_captions.h"
#include "rules/rule_descriptions.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "settings/tab_settings.h"
#include "text/name_text.h"

namespace nalo::cli {
namespace {

int CountGivenRules(const TRuleArgs& a) {
  const std::array<bool, 15> given = {!a.Brackets.empty(),
                                      !a.Replace.empty(),
                                      a.ReplaceWithSpaces.has_value(),
                                      a.Add.has_value(),
                                      !a.AddInfo.empty(),
                                      a.Number.has_value(),
                                      a.Extension.has_value(),
                                      !a.NameCase.empty(),
                                      !a.ExtCase.empty(),
                                      !a.Convert.empty(),
                                      !a.MoveBracket.empty() || a.Move.has_value(),
                                      a.Perl.has_value(),
                                      a.Awk.has_value(),
                                      !a.FromSettings.empty(),
                                      a.FixEncoding};
  int n = 0;
  for (bool g : given) n += g ? 1 : 0;
  if (!a.MoveBracket.empty() && a.Move.has_value()) ++n;
  return n;
}

// Index of the bracket pair written as its two brackets ("()", "【】").
int BracketIndex(const std::string& pair_cp932, std::string_view option) {
  for (std::size_t i = 0; i < BracketPairs.size(); ++i) {
    const TBracketPair& p = BracketPairs[i];
    if (pair_cp932 == std::string(p.Open) + std::string(p.Close)) return static_cast<int>(i);
  }
  throw EUsageError(std::string(option) + ": 括弧の組として使えません（例: \"()\" \"【】\"）");
}

// Position index of --at / --to and the anchor string for before:S / after:S.
int PositionIndex(const std::string& at, bool folder_mode, const TUserText& text,
                  std::string& anchor) {
  const int anchor_base = folder_mode ? 2 : 3;
  if (at == "start") return 0;
  if (at == "end") return 1;
  if (at == "after-ext") {
    if (folder_mode) throw EUsageError("after-ext はフォルダには使えません");
    return 2;
  }
  if (at.rfind("before:", 0) == 0) {
    anchor = text.ToCore(at.substr(7), "before:");
    return anchor_base;
  }
  if (at.rfind("after:", 0) == 0) {
    anchor = text.ToCore(at.substr(6), "after:");
    return anchor_base + 1;
  }
  throw EUsageError("位置は start, end, after-ext, before:S, after:S のどれかです: " + at);
}

int InfoCandidate(const std::string& kind) {
  static const std::array<std::pair<std::string_view, int>, 5> kKinds = {{
      {"avi", 4}, {"date", 5}, {"image", 6}, {"mp3", 7}, {"folder", 8}}};
  for (const auto& [name, index] : kKinds) {
    if (kind == name) return index;
  }
  throw EUsageError("情報の種類は avi, date, image, mp3, folder のどれかです: " + kind);
}

void ResolveReplace(const TRuleArgs& a, const TUserText& text, TRuleChoice& choice) {
  choice.Tab = TRuleTab::Replace;
  TTabStatus_Okikae& r = choice.Replace;
  if (!a.Brackets.empty()) {
    r.Kind = kReplaceKindBrackets;
    r.KakkoOldIdx = BracketIndex(text.ToCore(a.Brackets[0], "--brackets"), "--brackets");
    const std::string& to = a.Brackets[1];
    if (to == "delete") r.KakkoNewIdx = kBracketDeleteOnly;
    else if (to == "delete-with-content") r.KakkoNewIdx = kBracketDeleteWithContent;
    else r.KakkoNewIdx = BracketIndex(text.ToCore(to, "--brackets"), "--brackets");
    r.KakkoFirstOnly = a.FirstOnly;
  } else if (!a.Replace.empty()) {
    r.Kind = kReplaceKindString;
    r.StringOld = text.ToCore(a.Replace[0], "--replace");
    r.StringNew = text.ToCore(a.Replace[1], "--replace");
    r.StringCase = a.CaseSensitive;
    r.StringFirstOnly = a.FirstOnly;
  } else {
    r.Kind = kReplaceKindSpaces;
    r.SpaceOld = text.ToCore(*a.ReplaceWithSpaces, "--replace-with-spaces");
    r.SpaceWide = a.FullWidth;
    r.SpaceHankaku = !a.FullWidth;
    // 0 spaces deletes the string, the one way the replace tab deletes text.
    if (a.Count < 0 || a.Count > kMaxSpaceCount) {
      throw EUsageError("--count は 0 から " + std::to_string(kMaxSpaceCount) + " までです");
    }
    (a.FullWidth ? r.SpaceWideCount : r.SpaceHankakuCount) = a.Count;
    r.SpaceCase = a.CaseSensitive;
    r.SpaceFirstOnly = a.FirstOnly;
  }
}

void ResolveAdd(const TRuleArgs& a, bool folder_mode, const TUserText& text, TRuleChoice& choice) {
  choice.Tab = TRuleTab::Add;
  TTabStatus_Add& r = choice.Add;
  r.Position = PositionIndex(a.At, folder_mode, text, r.NiniStr);
  if (a.Add) {
    r.Candidate = 0;
    r.AddText[0] = text.ToCore(*a.Add, "--add");
  } else {
    r.Candidate = InfoCandidate(a.AddInfo);
  }
}

int CaseIndex(const std::string& word, bool& capitalize, std::string_view option) {
  capitalize = word == "capitalize";
  if (word == "upper") return 0;
  if (word == "lower" || capitalize) return 1;
  throw EUsageError(std::string(option) + " は upper, lower, capitalize のどれかです: " + word);
}

void ResolveConvert(const TRuleArgs& a, const TUserText& text, TRuleChoice& choice) {
  choice.Tab = TRuleTab::Convert;
  TTabStatus_Modif& r = choice.Convert;
  if (a.Number) {
    if (a.Digits < 1 || a.Digits > 5) throw EUsageError("--digits は 1 から 5 までです");
    if (a.Start < 0 || a.Start > 99) throw EUsageError("--start は 0 から 99 までです");
    r.Kind = 0;
    r.NumBase = text.ToCore(*a.Number, "--number");
    r.DigitsIdx = a.Digits - 1;
    r.NumStart = a.Start;
  } else if (a.Extension) {
    r.Kind = 1;
    r.Ext = text.ToCore(*a.Extension, "--extension");
  } else if (!a.NameCase.empty()) {
    r.Kind = 2;
    r.NameCaseIdx = CaseIndex(a.NameCase, r.NameCapitalize, "--name-case");
  } else if (!a.ExtCase.empty()) {
    r.Kind = 3;
    r.ExtCaseIdx = CaseIndex(a.ExtCase, r.ExtCapitalize, "--ext-case");
  } else {
    static const std::array<std::pair<std::string_view, int>, 5> kKinds = {{
        {"half-to-full", 4}, {"full-to-half", 5}, {"hira-to-kata", 6}, {"kata-to-hira", 7},
        {"trim", 8}}};
    r.Kind = -1;
    for (const auto& [name, kind] : kKinds) {
      if (a.Convert == name) r.Kind = kind;
    }
    if (r.Kind < 0) {
      throw EUsageError("--convert は half-to-full, full-to-half, hira-to-kata, kata-to-hira, "
                        "trim のどれかです: " + a.Convert);
    }
  }
}

void ResolveMove(const TRuleArgs& a, bool folder_mode, const TUserText& text, TRuleChoice& choice) {
  choice.Tab = TRuleTab::Move;
  TTabStatus_Move& r = choice.Move;
  if (a.To.empty()) throw EUsageError("--move と --move-bracket には --to が要ります");
  r.Position = PositionIndex(a.To, folder_mode, text, r.NiniStr);
  r.MoveBracket = !a.MoveBracket.empty();
  r.MoveString = !r.MoveBracket;
  if (r.MoveBracket) {
    r.BracketIdx = BracketIndex(text.ToCore(a.MoveBracket, "--move-bracket"), "--move-bracket");
  } else {
    r.MoveStr = text.ToCore(*a.Move, "--move");
    r.StringCase = a.CaseSensitive;
  }
}

void ResolveRegex(const TRuleArgs& a, const TUserText& text, TRuleChoice& choice) {
  choice.Tab = TRuleTab::Regex;
  TTabStatus_Seiki& r = choice.Regex;
  if (a.Perl) {
    r.Engine = kRegexEnginePerl5;
    r.RegExp = text.ToCore(*a.Perl, "--perl");
    return;
  }
  if (!a.Template) throw EUsageError("--awk には --template が要ります");
  r.Engine = kRegexEngineAwk;
  r.RegExp = text.ToCore(*a.Awk, "--awk");
  r.SubText = text.ToCore(*a.Template, "--template");
  r.ReplaceMode = a.All ? kRegexReplaceAll : kRegexReplaceFirst;
}

void ResolveFromSettings(const std::string& tab, const std::string& settings_dir,
                         TRuleChoice& choice) {
  choice.FromSettings = true;
  const auto read = [&](int file, auto& record, TRuleTab kind) {
    ReadTabStatus(TIniFile(TabSettingsPath(settings_dir, file)), record);
    choice.Tab = kind;
  };
  if (tab == "replace") read(kReplaceTabFile, choice.Replace, TRuleTab::Replace);
  else if (tab == "add") read(kAddTabFile, choice.Add, TRuleTab::Add);
  else if (tab == "convert") read(kConvertTabFile, choice.Convert, TRuleTab::Convert);
  else if (tab == "move") read(kMoveTabFile, choice.Move, TRuleTab::Move);
  else if (tab == "regex") read(kRegexTabFile, choice.Regex, TRuleTab::Regex);
  else throw EUsageError("--from-settings は replace, add, convert, move, regex のどれかです: " + tab);
}

}  // namespace

TRuleChoice ResolveRule(const TRuleArgs& a, bool folder_mode, const TUserText& text,
                      const std::string& settings_dir) {
  const int given = CountGivenRules(a);
  if (given != 1) {
    throw EUsageError(given == 0 ? "ルールを一つ指定してください（--help を参照）"
                                 : "ルールは一つだけ指定してください");
  }
  TRuleChoice choice;
  if (!a.Brackets.empty() || !a.Replace.empty() || a.ReplaceWithSpaces) {
    ResolveReplace(a, text, choice);
  } else if (a.Add || !a.AddInfo.empty()) {
    ResolveAdd(a, folder_mode, text, choice);
  } else if (a.Number || a.Extension || !a.NameCase.empty() || !a.ExtCase.empty() ||
             !a.Convert.empty()) {
    ResolveConvert(a, text, choice);
  } else if (!a.MoveBracket.empty() || a.Move) {
    ResolveMove(a, folder_mode, text, choice);
  } else if (a.Perl || a.Awk) {
    ResolveRegex(a, text, choice);
  } else if (a.FixEncoding) {
    choice.Tab = TRuleTab::FixEncoding;
  } else {
    ResolveFromSettings(a.FromSettings, settings_dir, choice);
  }
  if (a.Not) {
    choice.Exclusion.Enabled = true;
    choice.Exclusion.Text = text.ToCore(*a.Not, "--not");
    choice.Exclusion.CaseSensitive = a.NotCase;
  }
  return choice;
}

TRuleResult RunRule(const TRuleChoice& choice, const TRuleContext& ctx) {
  switch (choice.Tab) {
    case TRuleTab::Replace: return RunReplaceRule(ctx, choice.Replace);
    case TRuleTab::Add: return RunAddRule(ctx, choice.Add);
    case TRuleTab::Convert: return RunConvertRule(ctx, choice.Convert);
    case TRuleTab::Move: return RunMoveRule(ctx, choice.Move);
    case TRuleTab::Regex: return RunRegexRule(ctx, choice.Regex);
    case TRuleTab::FixEncoding: return RunFixEncodingRule(ctx);
  }
  return {};
}

std::string DescribeRule(const TRuleChoice& choice, bool folder_mode) {
  switch (choice.Tab) {
    case TRuleTab::Replace: return DescribeReplaceRule(choice.Replace);
    case TRuleTab::Add: return DescribeAddRule(choice.Add, folder_mode);
    case TRuleTab::Convert: return DescribeConvertRule(choice.Convert, folder_mode);
    case TRuleTab::Move: return DescribeMoveRule(choice.Move, folder_mode);
    case TRuleTab::Regex: return DescribeRegexRule(choice.Regex);
    case TRuleTab::FixEncoding: return kFixEncodingDescription;
  }
  return {};
}

}  // namespace nalo::cli
