// Reading characters and escape sequences. Hexadecimal and octal digits are ASCII,
// so the escape decoder peeks at bytes; everything else steps by whole characters
// so that a trail byte 0x5C is never taken for a backslash.
#include "rules/awk/re_chars.h"

#include "rules/awk/re_error.h"
#include "text/sjis.h"

namespace nalo {
namespace {

// Most digits an escape consumes; the next digit is left as an ordinary character.
constexpr int kMaxHexDigits = 4;
constexpr int kMaxOctalDigits = 6;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

// Byte at 1-based index, or NUL past the end.
char ByteAt(std::string_view text, std::size_t index) {
  return index >= 1 && index <= text.size() ? text[index - 1] : '\0';
}

TRECode ReadHex(std::string_view text, std::size_t& index) {
  unsigned value = 0;
  int digits = 0;
  while (digits < kMaxHexDigits && index <= text.size() && HexValue(ByteAt(text, index)) >= 0) {
    value = value * 16 + static_cast<unsigned>(HexValue(ByteAt(text, index)));
    ++index;
    ++digits;
  }
  if (digits == 0) throw ERegExpParser(kMsgBadHex, index);
  return static_cast<TRECode>(value);
}

TRECode ReadOctal(char first, std::string_view text, std::size_t& index) {
  unsigned value = static_cast<unsigned>(first - '0');
  for (int digits = 1; digits < kMaxOctalDigits && IsOctalDigit(ByteAt(text, index)); ++digits) {
    value = value * 8 + static_cast<unsigned>(ByteAt(text, index) - '0');
    ++index;
  }
  if (value > 0xFFFF) throw ERegExpParser(kMsgBadOctal, index);
  return static_cast<TRECode>(value);
}

}  // namespace

TRECode ReadChar(std::string_view text, std::size_t& index) {
  if (index == 0 || index > text.size()) return kEndCode;
  const auto first = static_cast<unsigned char>(text[index - 1]);
  if (!IsLeadByte(first)) {
    ++index;
    return first;
  }
  if (index == text.size()) throw ERegExpParser(kMsgBadDoubleByte, index);
  const auto second = static_cast<unsigned char>(text[index]);
  index += 2;
  return static_cast<TRECode>(first << 8 | second);
}

void StepBack(std::string_view text, std::size_t& index) {
  if (index < 2) return;
  // text[index - 2] is the last byte read; count the lead-byte values before it.
  std::size_t leads = 0;
  for (std::size_t i = index - 2; i > 0 && IsLeadByte(static_cast<unsigned char>(text[i - 1])); --i) {
    ++leads;
  }
  index -= (leads % 2 == 1) ? 2 : 1;
}

void AppendChar(std::string& out, TRECode code) {
  const auto high = static_cast<unsigned char>(code >> 8);
  if (IsLeadByte(high)) out.push_back(static_cast<char>(high));
  out.push_back(static_cast<char>(code & 0xFF));
}

TRECode ReadEscape(std::string_view text, std::size_t& index) {
  if (index > text.size()) throw ERegExpParser(kMsgBackslashAtEnd, index);
  const TRECode c = ReadChar(text, index);
  switch (c) {
    case 'b': return 0x08;
    case 'n': return kLineFeed;
    case 'r': return kCarriageReturn;
    case 't': return 0x09;
    case 'x': return ReadHex(text, index);
    default: break;
  }
  if (c >= '0' && c <= '7') return ReadOctal(static_cast<char>(c), text, index);
  return c;
}

std::string UnescapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t index = 1;
  while (index <= text.size()) {
    TRECode c = ReadChar(text, index);
    if (c == '\\') c = ReadEscape(text, index);
    AppendChar(out, c);
  }
  return out;
}

}  // namespace nalo
