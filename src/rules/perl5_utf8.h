// The few UTF-8 operations the Perl5 layer needs in its Shift-JIS ("k") mode,
// where names are matched as UTF-8: the length of a character, decoding to code
// points and appending a code point. Input always comes from the checked CP932
// converter, so it is well formed; a stray byte still decodes as itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nalo {

// Byte length of the UTF-8 character that starts with byte `c`.
constexpr std::size_t Utf8CharLength(unsigned char c) {
  if (c < 0xC0) return 1;
  if (c < 0xE0) return 2;
  if (c < 0xF0) return 3;
  return 4;
}

// Decodes one character at `pos` and moves `pos` past it.
inline std::uint32_t DecodeUtf8At(std::string_view s, std::size_t& pos) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  std::size_t length = Utf8CharLength(byte(pos));
  if (pos + length > s.size()) length = 1;
  std::uint32_t code = byte(pos);
  if (length > 1) {
    code &= 0x3Fu >> (length - 1);
    for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(pos + i) & 0x3Fu);
  }
  pos += length;
  return code;
}

inline std::vector<std::uint32_t> DecodeUtf8(std::string_view s) {
  std::vector<std::uint32_t> codes;
  codes.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size();) codes.push_back(DecodeUtf8At(s, pos));
  return codes;
}

inline void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace nalo
