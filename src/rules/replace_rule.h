// The replace tab: one kind of bracket by another (or deleted, with or without its
// content), a string by another string, or a string by a run of spaces. Each
// sub-rule is a pure function from the tab's record and one name to the new name;
// RunReplaceRule validates the record and runs the chosen one over the entries.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/rule_run.h"
#include "settings/tab_status.h"

namespace nalo {

// TTabStatus_Okikae::Kind.
inline constexpr int kReplaceKindBrackets = 0;
inline constexpr int kReplaceKindString = 1;
inline constexpr int kReplaceKindSpaces = 2;

// Largest run of spaces the spin edits offer.
inline constexpr int kMaxSpaceCount = 20;

// The validation message for the record's sub-rule; empty when it may run.
std::string_view ValidateReplaceRule(const TTabStatus_Okikae& status);

// The bracket sub-rule on one name. Nothing when the name lacks either bracket of
// the old pair, or (first-only) does not begin with the opening bracket.
std::optional<std::string> ReplaceBracketsIn(std::string_view name,
                                             const TTabStatus_Okikae& status);

// The run of spaces that replaces the string of the space sub-rule.
std::string SpaceReplacementText(const TTabStatus_Okikae& status);

TRuleResult RunReplaceRule(const TRuleContext& ctx, const TTabStatus_Okikae& status);

}  // namespace nalo
