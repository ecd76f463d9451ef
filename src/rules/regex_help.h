// The texts of the "簡易ヘルプ" windows of the regular-expression tab: the Perl5
// summary (help button tag 1) and the AWK summary (tag 2), as UTF-8 data so that
// every front end shows the same text.
#pragma once

#include <string_view>

namespace nalo {

inline constexpr std::string_view kRegexHelpCaption = "簡易ヘルプ";
inline constexpr int kPerl5HelpTag = 1;  // spd_Help
inline constexpr int kAwkHelpTag = 2;    // SpeedButton1

extern const std::string_view kPerl5HelpText;
extern const std::string_view kAwkHelpText;

// The help text of a help button's tag; empty for an unknown tag.
std::string_view RegexHelpText(int tag);

}  // namespace nalo
