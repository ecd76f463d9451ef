// TCellText: the size or date text of one entry in a fixed buffer on the stack, so
// a writer that shows a million entries formats each one without making a string.
#pragma once

#include <cstddef>
#include <string_view>

namespace nalo {

class TCellText {
 public:
  // Longest text: "-9,223,372,036,854,775,808" (26 bytes) or a date of a year
  // with eleven digits ("-2147483648/12/31 23:59", 23 bytes).
  static constexpr std::size_t kCapacity = 32;

  std::string_view View() const { return {bytes_, size_}; }
  // The buffer to write up to kCapacity bytes into, and the count written.
  char* Buffer() { return bytes_; }
  void SetSize(std::size_t size) { size_ = size < kCapacity ? size : kCapacity; }

 private:
  char bytes_[kCapacity];
  std::size_t size_ = 0;
};

}  // namespace nalo
