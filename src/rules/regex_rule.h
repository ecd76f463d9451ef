// The regular-expression tab: new names from one Perl-style expression (s/// or
// tr///, through TBRegExp) or from an AWK pattern and replacement template
// (through TAWKStr, first match or every match). Both modes take the whole name,
// extension included. An error stops the run: no rows, the message, and for a
// malformed AWK pattern the 1-based position of the faulty character.
#pragma once

#include <string>
#include <string_view>

#include "rules/awk/awk_str.h"
#include "rules/bregexp_wrapper.h"
#include "rules/rule_run.h"
#include "settings/tab_status.h"

namespace nalo {

// TTabStatus_Seiki::Engine and ::ReplaceMode.
inline constexpr int kRegexEnginePerl5 = 0;   // chk_Parl
inline constexpr int kRegexEngineAwk = 1;     // chk_AWK
inline constexpr int kRegexReplaceFirst = 0;  // RadioButton1
inline constexpr int kRegexReplaceAll = 1;    // RadioButton2

// The Perl5 expression as the rule uses it: without leading and trailing bytes
// of code 0x20 and below.
std::string TrimRegexExpression(std::string_view expression);

// The message for a Perl5 expression that starts with neither "s/" nor "tr/".
std::string_view PerlPrefixMessage(std::string_view trimmed_expression);

// The AWK engine the program shares (AWKStr1): CRLF line ends, no dictionaries.
TAWKStr& SharedAWKStr();

// Runs the rule with the given engines.
TRuleResult RunRegexRule(const TRuleContext& ctx, const TTabStatus_Seiki& status, TAWKStr& awk,
                         TBRegExp& bregexp);

// Runs the rule with the program's shared engines.
TRuleResult RunRegexRule(const TRuleContext& ctx, const TTabStatus_Seiki& status);

}  // namespace nalo
