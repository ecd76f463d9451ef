// Character stepping over Shift-JIS (code page 932) byte strings.
// A lead byte 0x81-0x9F or 0xE0-0xFC and the byte after it form one character;
// every scan over a name steps with these helpers so that a trail byte is never
// taken for a character of its own (the 0x5C in "表" is not a backslash).
#pragma once

#include <cstddef>
#include <string_view>

namespace nalo {

constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Byte length of the character that starts at `i`: 2 for a lead byte followed by
// another byte, otherwise 1 (a lead byte as the last byte stands alone).
constexpr std::size_t CharLengthAt(std::string_view s, std::size_t i) {
  return (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
}

// True when byte `i` begins a character (it is not the trail byte of a pair).
constexpr bool IsCharBoundary(std::string_view s, std::size_t i) {
  std::size_t pos = 0;
  while (pos < i) pos += CharLengthAt(s, pos);
  return pos == i;
}

}  // namespace nalo
