// One-line descriptions of the current rule of each rule tab, shown in the status
// bar whenever a control of the tab changes. They are built from fixed UTF-8 pieces
// and the texts of the tab's record (CP932, converted for display).
#pragma once

#include <string>

#include "settings/tab_status.h"

namespace nalo {

std::string DescribeReplaceRule(const TTabStatus_Okikae& status);
std::string DescribeAddRule(const TTabStatus_Add& status, bool folder_mode);
std::string DescribeMoveRule(const TTabStatus_Move& status, bool folder_mode);
std::string DescribeConvertRule(const TTabStatus_Modif& status, bool folder_mode);
std::string DescribeRegexRule(const TTabStatus_Seiki& status);

}  // namespace nalo
