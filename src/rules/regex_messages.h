// Messages of the regular-expression tab (UTF-8, shown as they are). The Perl5
// mode asks for the lower-case prefixes it understands and reports any error of
// the expression library with one text.
#pragma once

#include <string_view>

namespace nalo {

inline constexpr std::string_view kMsgLowerCaseS = "\"s/\" と、小文字でお願いします。";
inline constexpr std::string_view kMsgLowerCaseTr = "\"tr/\" と、小文字でお願いします。";
inline constexpr std::string_view kMsgNeedPerlPrefix = "\"s/～\" や \"tr/～\" で、表現します。";
inline constexpr std::string_view kMsgCheckRegex = "正規表現を確認してください。";

}  // namespace nalo
