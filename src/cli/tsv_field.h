// One field of a tab-separated line. A name may hold any byte but "/" and NUL, so
// a field escapes what would break or fake a line, or reach the terminal as a
// control sequence: "\" as "\\", TAB "\t", CR "\r", LF "\n", every other control
// character (0x00-0x1F, 0x7F) as "\xHH". Every other byte passes as it is, so
// plain names read exactly as they are. In code-page-932 text a double-byte
// character is kept whole: its second byte may be 0x5C, which is no backslash there.
#pragma once

#include <string>
#include <string_view>

namespace nalo::cli {

// Appends `text` (CP932 when `cp932`, else UTF-8) to `out` as one field.
void AppendTsvField(std::string& out, std::string_view text, bool cp932);

}  // namespace nalo::cli
