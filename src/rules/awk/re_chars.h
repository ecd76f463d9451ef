// The character model of the AWK-compatible engine. A character is a 16-bit code:
// a single byte is its own value, a Shift-JIS lead byte and the byte after it form
// lead*256+trail, and 0 stands for the end of the text. Reading works on a 1-based
// index that the functions advance, so error positions come out as the user counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nalo {

using TRECode = std::uint16_t;

// Code 0: the end of the text or pattern (and of an "\0" escape, which never matches).
inline constexpr TRECode kEndCode = 0;
// The highest code a real character of a well-formed name can have.
inline constexpr TRECode kMaxCharCode = 0xFCFC;
inline constexpr TRECode kLineFeed = 0x0A;
inline constexpr TRECode kCarriageReturn = 0x0D;

// The ranges "." matches: every character except end of text, LF and CR.
struct TRECodeRange {
  TRECode Low;
  TRECode High;
};
inline constexpr TRECodeRange kAnyCharRanges[3] = {
    {0x0001, 0x0009}, {0x000B, 0x000C}, {0x000E, kMaxCharCode}};

// Next character at 1-based `index`, advancing past it. At index 0 or past the end
// returns kEndCode without moving; a lead byte that is the last byte raises
// kMsgBadDoubleByte at its own index.
TRECode ReadChar(std::string_view text, std::size_t& index);

// Moves `index` back over the last character read: by 2 when the last byte read is
// the second byte of a pair (an odd run of lead-byte values precedes it), else by 1.
void StepBack(std::string_view text, std::size_t& index);

// Appends the bytes of a code: two when its high byte is a lead byte, else its low
// byte.
void AppendChar(std::string& out, TRECode code);

// Decodes the escape sequence after a backslash that was just read (\b \n \r \t,
// \x with 1-4 hex digits, \ with 1-6 octal digits, or the next character itself).
TRECode ReadEscape(std::string_view text, std::size_t& index);

// `text` with every backslash escape replaced by the character it denotes.
std::string UnescapeText(std::string_view text);

}  // namespace nalo
