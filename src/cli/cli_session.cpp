#include "cli/cli_session.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "cli/commands.h"
#include "execution/rename_preview.h"
#include "fileinfo/info_source.h"
#include "platform/record_file.h"
#include "rules/add_rule.h"
#include "rules/convert_rule.h"
#include "rules/rule_messages.h"
#include "settings/ini_file.h"
#include "settings/main_settings.h"
#include "settings/options_settings.h"
#include "settings/settings_folder.h"

namespace nalo::cli {
namespace {

std::optional<std::string> SettingsOverride(const TGlobalArgs& global) {
  if (global.SettingsDir.empty()) return std::nullopt;
  return global.SettingsDir;
}

bool IsCp932(const std::string& encoding) {
  if (encoding == "cp932") return true;
  if (encoding == "utf8") return false;
  throw EUsageError("--encoding は utf8 か cp932 です: " + encoding);
}

// Whether the rule's result depends on the order of the entries beyond their names:
// numbering follows the list order, whose ties are broken by size and date.
bool NumbersEntries(const TRuleChoice& choice) {
  return choice.Tab == TRuleTab::Convert && choice.Convert.Kind == kConvertNumbering;
}

// Whether the rule reads the items themselves (the add rule's information kinds);
// a list of names read as text has no items to read.
bool ReadsFiles(const TRuleChoice& choice) {
  return choice.Tab == TRuleTab::Add && choice.Add.Candidate >= kAddUserStringCount;
}

TRuleContext ContextFor(const TSession& session, const TPlannedRows& plan,
                        const TInfoTextSource& source) {
  const TIniFile& ini = session.MainIni;
  const TOptionsSettings options = ReadOptionsSettings(ini);
  TRuleContext ctx(plan.Selection.Entries);
  ctx.Exclusion = plan.Choice.Exclusion;
  if (plan.Choice.FromSettings) {
    // The saved exclusion is its case check box; its text is never saved, so
    // --not supplies it.
    ctx.Exclusion.CaseSensitive =
        ctx.Exclusion.CaseSensitive || ReadMainSettings(ini, "").NotCaseSensitive;
  }
  ctx.Trim = options.StrTrim && !session.Args.Selection.NoTrim;
  ctx.FolderMode = plan.Selection.FolderMode;
  ctx.InfoSource = source;
  return ctx;
}

// The information templates of Nalo.ini; a Nalo.ini that is there but cannot be
// read (a named pipe, no permission) is reported and the defaults are used.
TInfoSettings LoadInfoSettings(const TIniFile& main) {
  if (const int err = main.ReadError()) {
    std::cerr << "設定ファイルを読めないため既定の設定を使います: " << main.Path() << ": "
              << ReadErrorReason(err) << "\n";
  }
  return LoadAllInfoSettings(main);
}

}  // namespace

TSession::TSession(const TCliArgs& args)
    : Args(args),
      SettingsDir(ResolveSettingsFolder(SettingsOverride(args.Global))),
      Text(IsCp932(args.Global.Encoding)),
      MainIni(MainSettingsPath(SettingsDir)),
      Info(LoadInfoSettings(MainIni)) {}

std::optional<int> PlanRows(const TSession& session, TPlannedRows& plan) {
  const TCliArgs& args = session.Args;
  // Rule arguments come from the terminal, whose text is UTF-8, whatever
  // --encoding says of the names read and printed.
  const TUserText arguments(false);
  plan.Choice = ResolveRule(args.Rule, args.Selection.Folders, arguments, session.SettingsDir);
  if (!args.NamesFrom.empty()) {
    ReadNames(args.NamesFrom, args.Selection, session.Text, plan.Selection);
  } else {
    ListDirectory(args.Dir, args.Selection,
                  {.SizesAndDates = NumbersEntries(plan.Choice), .FolderNames = true},
                  plan.Selection);
  }
  if (plan.Selection.FromNames && ReadsFiles(plan.Choice)) {
    throw EUsageError("ファイル情報の追加はファイルを読むため --names-from とは使えません");
  }
  std::cerr << DescribeRule(plan.Choice, plan.Selection.FolderMode) << "\n";
  const TInfoTextSource source = MakeInfoTextSource(session.Info, session.SettingsDir);
  plan.Result = RunRule(plan.Choice, ContextFor(session, plan, source));
  if (!plan.Result.Message.empty()) {
    std::cerr << plan.Result.Message << "\n";
    if (plan.Result.ErrorPosition > 0) {
      std::cerr << "位置: " << plan.Result.ErrorPosition << "\n";
    }
    return kExitUsage;
  }
  if (plan.Result.Rows.empty()) {
    if (!plan.Result.Silent) std::cerr << kMsgNothingToRename << "\n";
    return kExitNothing;
  }
  return std::nullopt;
}

std::vector<std::string_view> RowProblems(const TPlannedRows& plan) {
  std::vector<TRowClash> clashes;
  if (plan.Selection.FromNames) {  // names from a list: the list stands in for the disk
    std::vector<std::string> listed;
    for (const TListData& e : plan.Selection.Entries.Items()) listed.push_back(e.FullPath());
    clashes = PreviewClashes(plan.Result.Rows, plan.Selection.Entries, false, listed);
  } else {
    clashes = PreviewClashes(plan.Result.Rows, plan.Selection.Entries);
  }
  std::vector<std::string_view> problems;
  problems.reserve(clashes.size());
  for (TRowClash clash : clashes) problems.push_back(ClashName(clash));
  return problems;
}

}  // namespace nalo::cli
