// What every subcommand shares: the settings folder, the user's encoding, the
// saved options, and the computation of confirmation rows for preview and apply.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/rule_choice.h"
#include "cli/selection.h"
#include "cli/user_text.h"
#include "fileinfo/info_settings.h"
#include "rules/rule_run.h"
#include "settings/ini_file.h"

namespace nalo::cli {

struct TSession {
  explicit TSession(const TCliArgs& args);

  const TCliArgs& Args;
  std::string SettingsDir;  // UTF-8
  TUserText Text;
  TIniFile MainIni;  // Nalo.ini, read once for the whole command
  TInfoSettings Info;
};

// The outcome of running the rule over the selected entries.
struct TPlannedRows {
  TSelection Selection;
  TRuleChoice Choice;
  TRuleResult Result;
};

// Selects the entries (DIR or --names-from), resolves and runs the rule, prints
// the description on stderr. Returns an exit code when there is nothing to do
// (validation message, no rows), else nothing.
std::optional<int> PlanRows(const TSession& session, TPlannedRows& plan);

// The clash name of each row ("" when none). A listed folder's names as the scan
// read them tell whether a target is taken; with names from a list only clashes
// within the batch are looked for, and the disk is not consulted.
std::vector<std::string_view> RowProblems(const TPlannedRows& plan);

}  // namespace nalo::cli
