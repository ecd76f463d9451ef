// The characters a name may not hold (\ / : ; * ? " < > |): a test and a replacement
// by "_". Both step over the name by characters, so the 0x5C or 0x7C trail byte of a
// double-byte character is neither found nor replaced. Replacing one single-byte
// character by another keeps every character boundary, so the replacements of the
// ten characters, one after another, come to a single pass.
#include <array>
#include <string>

#include "text/name_text.h"
#include "text/sjis.h"

namespace nalo {
namespace {

constexpr std::string_view kForbiddenChars = "\\/:;*?\"<>|";
constexpr char kForbiddenReplacement = '_';

constexpr std::array<bool, 256> MakeForbiddenTable() {
  std::array<bool, 256> table{};
  for (char c : kForbiddenChars) table[static_cast<unsigned char>(c)] = true;
  return table;
}

constexpr std::array<bool, 256> kIsForbidden = MakeForbiddenTable();

bool IsForbiddenAt(std::string_view s, std::size_t i) {
  return CharLengthAt(s, i) == 1 && kIsForbidden[static_cast<unsigned char>(s[i])];
}

}  // namespace

bool HasForbiddenChar(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); i += CharLengthAt(name, i)) {
    if (IsForbiddenAt(name, i)) return true;
  }
  return false;
}

std::string ReplaceForbiddenChars(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); i += CharLengthAt(out, i)) {
    if (IsForbiddenAt(out, i)) out[i] = kForbiddenReplacement;
  }
  return out;
}

}  // namespace nalo
