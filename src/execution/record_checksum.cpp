// A table-driven CRC-32 over bytes, one table lookup per byte; the table is
// computed once at compile time.
#include "execution/record_checksum.h"

#include <array>
#include <string>

namespace nalo {
namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;  // reflected CRC-32 polynomial

constexpr std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> table {};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? kPolynomial ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

std::uint32_t RecordChecksum(std::string_view text) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (char ch : text) c = kTable[(c ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void AppendChecksumHex(std::string& out, std::uint32_t checksum) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (int shift = 28; shift >= 0; shift -= 4) out += kDigits[(checksum >> shift) & 0xF];
}

}  // namespace nalo
