// The new name is the old text itself; the row is kept although the text is the
// same, because the bytes on disk are what changes.
#include "rules/fix_encoding_rule.h"

namespace nalo {

TRuleResult RunFixEncodingRule(const TRuleContext& ctx) {
  if (NothingSelected(ctx)) return MessageResult(kMsgNoSelection);
  TRuleContext plain = ctx;
  plain.Trim = false;
  TFamilyRun family;
  family.OkButton = kOkFixEncoding;
  family.Exclusion = TExclusionStep::kNone;
  family.Acceptance = TRowAcceptance::kAlways;
  return RunRuleLoop(plain, family,
                     [](const TListData& entry, std::size_t) -> std::optional<std::string> {
                       if (!entry.Legacy) return std::nullopt;
                       return entry.Name;
                     });
}

}  // namespace nalo
