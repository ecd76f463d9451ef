// Helpers shared by the AWK engine tests: CP932 text from UTF-8 literals and a
// one-call "first match of pattern in text".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "rules/awk/awk_str.h"

namespace nalo::awk_test {

// The CP932 bytes of a UTF-8 literal (the test fails on a text without a CP932 form).
inline std::string Sjis(std::string_view utf8) {
  std::optional<std::string> s = Utf8ToCp932(utf8);
  EXPECT_TRUE(s.has_value()) << utf8;
  return s.value_or(std::string());
}

inline std::optional<TREMatch> FirstMatch(std::string_view pattern, std::string_view text) {
  TAWKStr awk;
  awk.SetRegExp(pattern);
  return awk.FindFirst(text);
}

}  // namespace nalo::awk_test
