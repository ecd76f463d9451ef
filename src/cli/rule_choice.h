// The one rename rule of a preview or apply, resolved from the command line (or
// read from a per-tab settings file) into the tab record the core's rule run reads.
#pragma once

#include <string>

#include "cli/cli_args.h"
#include "cli/user_text.h"
#include "rules/rule_run.h"
#include "settings/tab_status.h"

namespace nalo::cli {

enum class TRuleTab { Replace, Add, Convert, Move, Regex, FixEncoding };

struct TRuleChoice {
  TRuleTab Tab = TRuleTab::Replace;
  TTabStatus_Okikae Replace;
  TTabStatus_Add Add;
  TTabStatus_Modif Convert;
  TTabStatus_Move Move;
  TTabStatus_Seiki Regex;
  TExclusion Exclusion;
  bool FromSettings = false;  // trim and exclusion checks come from the settings
};

// Exactly one rule must be given; throws EUsageError otherwise or on a bad value.
TRuleChoice ResolveRule(const TRuleArgs& args, bool folder_mode, const TUserText& text,
                      const std::string& settings_dir);

// Runs the rule over the context's entries.
TRuleResult RunRule(const TRuleChoice& choice, const TRuleContext& ctx);

// The rule's one-line description (UTF-8).
std::string DescribeRule(const TRuleChoice& choice, bool folder_mode);

}  // namespace nalo::cli
