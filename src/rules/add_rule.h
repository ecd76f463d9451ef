// The add tab: one text put into every target name at one of the insert positions.
// The text is one of four user strings or, for candidates 5-9, information about
// the entry read through the context's information source.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/rule_run.h"
#include "settings/tab_status.h"

namespace nalo {

// TTabStatus_Add::Candidate: 0-3 the user strings, 4-8 the information kinds.
inline constexpr int kAddUserStringCount = 4;
inline constexpr int kAddCandidateCount = 9;

// The validation message for the record; empty when it may run.
std::string_view ValidateAddRule(const TTabStatus_Add& status, bool folder_mode);

// The text to add for `entry` (AddTextFor): the chosen user string, or the
// information source's text for the entry's full path. May throw EInfoReadError.
std::string AddTextFor(const TRuleContext& ctx, const TTabStatus_Add& status,
                       const TListData& entry);

TRuleResult RunAddRule(const TRuleContext& ctx, const TTabStatus_Add& status);

}  // namespace nalo
