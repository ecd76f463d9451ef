// Upper- and lower-casing of Shift-JIS names the way code page 932 maps case: ASCII
// letters, and the double-byte letters whose other case also exists in the code page
// (full-width Latin, Greek, Cyrillic and the small Roman numerals). Both directions
// are filled once from the letter ranges below into sparse code tables; a double-byte
// character is always looked up as a whole, so its trail byte is never taken for an
// ASCII letter. Every mapping keeps the byte length of the character, except for
// the characters beyond the code page that the user-area table holds: those change
// case the way Unicode's simple case mapping says (é <-> É), and the other case takes
// its own code (or its code-page form, for the few that map into it).
#include <cstdint>
#include <string>

#include "text/code_table.h"
#include "text/name_text.h"
#include "text/sjis.h"
#include "text/user_area_case.h"

namespace nalo {
namespace {

// A run of letters: `count` capitals from `upper`, their small forms from `lower`.
// A trail byte of 0x7F does not exist, so a run that would cross it skips that code.
struct TLetterRun {
  std::uint16_t upper;
  std::uint16_t lower;
  int count;
};

constexpr TLetterRun kRomanNumerals = {0x8754, 0xFA40, 10};  // Ⅰ-Ⅹ / ⅰ-ⅹ

constexpr TLetterRun kLetterRuns[] = {
    {0x8260, 0x8281, 26},  // full-width Ａ-Ｚ / ａ-ｚ
    {0x839F, 0x83BF, 24},  // Greek Α-Ω / α-ω
    {0x8440, 0x8470, 33},  // Cyrillic А-Я / а-я (the small run skips 0x847F)
    kRomanNumerals,
};

// The Roman numerals have second codes in the code page: capitals in the IBM
// extension, small ones in its NEC-selected copy. Those map to the other case's main
// code, the one the code page gives when it encodes that character.
constexpr TLetterRun kRomanNumeralCopies = {0xFA4A, 0xEEEF, 10};

// The code `n` characters after `first`, stepping over the missing trail byte 0x7F.
constexpr std::uint16_t NthCode(std::uint16_t first, int n) {
  std::uint16_t code = first;
  for (int i = 0; i < n; ++i) {
    ++code;
    if ((code & 0xFF) == 0x7F) ++code;
  }
  return code;
}

struct TCaseTables {
  TCodeTable to_upper;
  TCodeTable to_lower;

  TCaseTables() {
    for (const TLetterRun& run : kLetterRuns) {
      for (int i = 0; i < run.count; ++i) {
        to_upper.Set(NthCode(run.lower, i), NthCode(run.upper, i));
        to_lower.Set(NthCode(run.upper, i), NthCode(run.lower, i));
      }
    }
    const TLetterRun& copies = kRomanNumeralCopies;
    for (int i = 0; i < copies.count; ++i) {
      to_lower.Set(NthCode(copies.upper, i), NthCode(kRomanNumerals.lower, i));
      to_upper.Set(NthCode(copies.lower, i), NthCode(kRomanNumerals.upper, i));
    }
  }
};

const TCaseTables& CaseTables() {
  static const TCaseTables tables;
  return tables;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string MapCase(std::string_view name, const TCodeTable& table, char (*ascii)(char),
                    bool upper) {
  std::string out(name);
  for (std::size_t i = 0; i < out.size();) {
    const unsigned char lead = static_cast<unsigned char>(out[i]);
    if (!IsLeadByte(lead) || i + 1 == out.size()) {
      out[i] = ascii(out[i]);
      ++i;
      continue;
    }
    const std::uint16_t code = DoubleByteCode(lead, static_cast<unsigned char>(out[i + 1]));
    if (IsUserAreaLead(lead)) {
      const std::optional<std::string> other = UserAreaCase(code, upper);
      if (other) out.replace(i, 2, *other);
      i += other ? other->size() : 2;
      continue;
    }
    const std::uint16_t mapped = table.Get(code);
    if (mapped != 0) {
      out[i] = static_cast<char>(mapped >> 8);
      out[i + 1] = static_cast<char>(mapped & 0xFF);
    }
    i += 2;
  }
  return out;
}

}  // namespace

std::string UpperCaseName(std::string_view name) {
  return MapCase(name, CaseTables().to_upper, AsciiUpper, true);
}

std::string LowerCaseName(std::string_view name) {
  return MapCase(name, CaseTables().to_lower, AsciiLower, false);
}

}  // namespace nalo
