// A table-driven CRC-32, four bytes per step ("slicing by four"): four tables,
// computed at compile time, fold four input bytes at once, so a plan of a hundred
// thousand steps is summed in a few milliseconds.
#include "execution/record_checksum.h"

#include <array>
#include <string>

namespace nalo {
namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;  // reflected CRC-32 polynomial

using TTables = std::array<std::array<std::uint32_t, 256>, 4>;

constexpr TTables MakeTables() {
  TTables t{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? kPolynomial ^ (c >> 1) : c >> 1;
    t[0][i] = c;
  }
  for (std::size_t k = 1; k < t.size(); ++k) {
    for (std::uint32_t i = 0; i < 256; ++i) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
  }
  return t;
}

constexpr TTables kTables = MakeTables();

std::uint32_t Byte(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

}  // namespace

std::uint32_t RecordChecksum(std::string_view text) {
  std::uint32_t c = 0xFFFFFFFFu;
  std::size_t i = 0;
  for (; i + 4 <= text.size(); i += 4) {
    c ^= Byte(text, i) | Byte(text, i + 1) << 8 | Byte(text, i + 2) << 16 | Byte(text, i + 3) << 24;
    c = kTables[3][c & 0xFF] ^ kTables[2][(c >> 8) & 0xFF] ^ kTables[1][(c >> 16) & 0xFF] ^
        kTables[0][c >> 24];
  }
  for (; i < text.size(); ++i) c = kTables[0][(c ^ Byte(text, i)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void AppendChecksumHex(std::string& out, std::uint32_t checksum) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (int shift = 28; shift >= 0; shift -= 4) out += kDigits[(checksum >> shift) & 0xF];
}

}  // namespace nalo
