// Conversion between the code-page-932 names used inside the core and the UTF-8
// names of the Linux file system. Conversions are checked: a name that has no
// exact code-page-932 form yields no value rather than a lossy one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nalo {

// The CP932 form of a UTF-8 text, or nothing when the text is not valid UTF-8 or
// a character has no CP932 form that converts back to the same character.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// The UTF-8 form of a CP932 text, or nothing when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// Like Cp932ToUtf8, but invalid bytes become U+FFFD; for showing text only.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

// Like Utf8ToCp932, but characters without a CP932 form become "?"; for
// messages and display only, never for names that reach the disk.
std::string Utf8ToCp932Lossy(std::string_view utf8);

}  // namespace nalo
