// The convert tab: sequential numbering, a new extension, letter case of the base
// name or of the extension, width and kana mappings of the base name, and trimming
// of spaces. Each sub-rule is a function of the record and one name; numbering
// also takes the count of names numbered so far in the run.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "rules/rule_run.h"
#include "settings/tab_status.h"
#include "text/width_kana.h"

namespace nalo {

// TTabStatus_Modif::Kind.
enum TConvertKind : int {
  kConvertNumbering = 0,
  kConvertExtension = 1,
  kConvertNameCase = 2,
  kConvertExtCase = 3,
  kConvertHalfToFull = 4,
  kConvertFullToHalf = 5,
  kConvertHiraToKata = 6,
  kConvertKataToHira = 7,
  kConvertTrim = 8,
  kConvertTimeStamp = 9,  // hidden on the tab; running it does nothing
};

// Minimum digit count of a number: the digits item chosen (1-5), 1 when none is.
int NumberDigits(const TTabStatus_Modif& status);
// `value` in decimal with at least `digits` digits, padded with "0" on the left.
std::string PaddedNumber(long long value, int digits);

std::string NumberedName(std::string_view name, const TTabStatus_Modif& status,
                         std::size_t numbered);
std::string ChangedExtensionName(std::string_view name, const TTabStatus_Modif& status);
std::string NameCaseConverted(std::string_view name, const TTabStatus_Modif& status);
std::string ExtCaseConverted(std::string_view name, const TTabStatus_Modif& status);

TRuleResult RunConvertRule(const TRuleContext& ctx, const TTabStatus_Modif& status);

}  // namespace nalo
