// Fuzz target for the AWK-compatible engine: the first byte splits the input into
// a pattern and a text; a pattern that compiles is run through FindFirst, Sub and
// GSub, and the text is also read as a replacement template. Errors must be
// ERegExpParser; nothing may crash, hang or run out of memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/awk/awk_str.h"
#include "rules/awk/re_error.h"
#include "rules/awk/replacement_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t split = data[0] % (input.size() + 1);
  const std::string_view pattern = input.substr(0, split);
  const std::string_view text = input.substr(split);

  static nalo::TAWKStr awk;  // shared, so the pattern cache is exercised too
  try {
    awk.SetRegExp(pattern);
  } catch (const nalo::ERegExpParser&) {
    return 0;
  }
  if (auto m = awk.FindFirst(text)) {
    if (m->start > m->end || m->end > text.size()) __builtin_trap();
  }
  std::string once(text);
  awk.Sub("<&>", once);
  std::string every(text);
  const int count = awk.GSub("[&]", every);
  if (count == 0 && every != text) __builtin_trap();
  try {
    (void)nalo::TReplacementTemplate(text).Expand(pattern);
  } catch (const nalo::ERegExpParser&) {
  }
  return 0;
}
