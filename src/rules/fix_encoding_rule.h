// The rule that changes only the encoding of names on disk: every entry whose name
// is legacy code page 932 gets a row with the same text as its new name, and the
// apply step writes that name in UTF-8. No other entry gets a row and no name
// changes in any other way (no exclusion, no trimming).
#pragma once

#include "rules/rule_run.h"

namespace nalo {

inline constexpr TOkButtonText kOkFixEncoding{"変換実行", "名前の文字コードを UTF-8 に変換します"};

// One-line description of the rule (UTF-8).
inline constexpr const char* kFixEncodingDescription =
    "名前の文字コードを Shift-JIS から UTF-8 に変換";

TRuleResult RunFixEncodingRule(const TRuleContext& ctx);

}  // namespace nalo
