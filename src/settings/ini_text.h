// The text layer of the INI reader and writer: how one line is classified, how
// names compare and how values are unquoted and turned into numbers. Everything
// here works on code-page-932 bytes and steps over double-byte characters, so a
// trail byte such as the 0x5D of a kanji is never taken for a closing bracket.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nalo::ini {

// Blanks trimmed around names and values: space, tab and the line-end controls;
// a blank that is the second byte of a double-byte character stays.
bool IsBlank(char c);
std::string_view Trim(std::string_view s);

// Section and key names compare without regard to ASCII case; the bytes of a
// double-byte character compare exactly.
bool NamesEqual(std::string_view a, std::string_view b);

// A value with one matching pair of enclosing quotes (" or ') removed.
std::string_view StripQuotes(std::string_view value);

// Values holding characters beyond code page 932 (codes of the process's user-area
// table, which mean nothing to another process) are stored as the UTF-8 byte order
// mark EF BB BF followed by the value in UTF-8. EF BB is no character of code page
// 932, so a value of code-page-932 text never starts that way; every other value
// is stored byte for byte as before.
inline constexpr std::string_view kUtf8ValueMark = "\xEF\xBB\xBF";
std::string StoredValue(std::string_view cp932);
// The value a stored text stands for; nothing when it is marked UTF-8 and the
// user-area table has no code left for it.
std::optional<std::string> ValueFromStored(std::string_view stored);

// Optional sign, then decimal digits or "0x" and hex digits; text after the digits
// is ignored ("12abc" is 12). Nothing when no digit comes first or on overflow.
std::optional<long long> ParseInteger(std::string_view text);

// A floating day count written with "." as the decimal separator; the whole text
// must be the number, and it must be finite.
std::optional<double> ParseDayCount(std::string_view text);

// The shortest text that reads back as exactly the same double.
std::string FormatDayCount(double value);

// What one line of an INI file is.
enum class LineKind { kOther, kSection, kKey };

struct ParsedLine {
  LineKind Kind = LineKind::kOther;
  std::string_view Name;   // section or key name, trimmed
  std::string_view Value;  // value of a key line, trimmed, quotes still on
};

// "[name]" (up to the last "]") is a section; "name=value" with a non-empty name
// is a key; blank lines, ";" comments and anything else are kept as they are.
ParsedLine ParseLine(std::string_view line);

// Lines of a file: CRLF, LF or a lone CR ends a line; a leading UTF-8 byte-order
// mark is not part of the first line.
std::vector<std::string_view> SplitLines(std::string_view text);
bool StartsWithBom(std::string_view text);

}  // namespace nalo::ini
