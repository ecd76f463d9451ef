// Test helpers: tests write names as UTF-8 literals and compare code-page-932 bytes.
// Sj converts through the checked platform converter, so a literal without a CP932
// form fails loudly instead of producing a wrong name.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/encoding.h"

namespace nalo::test {

inline std::string Sj(std::string_view utf8) {
  std::optional<std::string> cp932 = Utf8ToCp932(utf8);
  if (!cp932) throw std::invalid_argument("no CP932 form: " + std::string(utf8));
  return *cp932;
}

// UTF-8 view of CP932 bytes for readable failure messages; invalid bytes show as U+FFFD.
inline std::string Show(std::string_view cp932) { return Cp932ToUtf8Lossy(cp932); }

}  // namespace nalo::test
