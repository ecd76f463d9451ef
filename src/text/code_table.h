// A sparse map from 16-bit Shift-JIS character codes (lead byte << 8 | trail byte) to
// 16-bit values, used by the case and width tables. Storage is one 256-entry page per
// lead byte that has any entry, so a lookup is two array reads and pages of lead bytes
// without entries cost nothing.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace nalo {

class TCodeTable {
 public:
  // The value stored for `code`, or 0 when there is none.
  std::uint16_t Get(std::uint16_t code) const {
    const Page* page = pages_[code >> 8].get();
    return page ? (*page)[code & 0xFF] : 0;
  }

  void Set(std::uint16_t code, std::uint16_t value) {
    std::unique_ptr<Page>& page = pages_[code >> 8];
    if (!page) page = std::make_unique<Page>(Page{});
    (*page)[code & 0xFF] = value;
  }

 private:
  using Page = std::array<std::uint16_t, 256>;
  std::array<std::unique_ptr<Page>, 256> pages_;
};

// The 16-bit code of the double-byte character whose bytes are `lead` and `trail`.
constexpr std::uint16_t DoubleByteCode(unsigned char lead, unsigned char trail) {
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

}  // namespace nalo
