// Case mapping: fixed cases, then every double-byte character of the code page
// checked against the Unicode case mapping of the C library, decoded and encoded by
// the platform converter.
#include <gtest/gtest.h>

#include <clocale>
#include <cwctype>

#include "sj.h"
#include "text/name_text.h"

namespace nalo {
namespace {

using test::Show;
using test::Sj;

TEST(CaseMap, Cases) {
  struct Row {
    const char* name;
    std::string input, upper, lower;
  };
  const Row rows[] = {
      {"case/ascii", "abcXYZ09", "ABCXYZ09", "abcxyz09"},
      {"case/fullwidth-latin", Sj("ａｚＡＺ"), Sj("ＡＺＡＺ"), Sj("ａｚａｚ")},
      {"case/greek", Sj("αωΑΩ"), Sj("ΑΩΑΩ"), Sj("αωαω")},
      {"case/cyrillic-before-gap", Sj("нН"), Sj("НН"), Sj("нн")},
      {"case/cyrillic-after-gap", Sj("оОяЯёЁ"), Sj("ООЯЯЁЁ"), Sj("оояяёё")},
      {"case/roman-numerals", Sj("ⅰⅩ"), Sj("ⅠⅩ"), Sj("ⅰⅹ")},
      {"case/trail-is-letter", Sj("Ｂｂ"), Sj("ＢＢ"), Sj("ｂｂ")},  // Ｂ = 0x82 0x61 ('a')
      {"case/kana-and-kanji-stay", Sj("表ソあｶﾞ"), Sj("表ソあｶﾞ"), Sj("表ソあｶﾞ")},
      {"case/lone-lead-at-end", "a\x82", "A\x82", "a\x82"},
      {"case/invalid-pair-kept", "\x82\x20z", "\x82\x20Z", "\x82\x20z"},
      // Characters beyond the code page: Unicode's simple mapping, others stay.
      {"table/latin", Sj("Pokémon"), Sj("POKÉMON"), Sj("pokémon")},
      {"table/wave-dash-minus-hangul", Sj("a〜−한"), Sj("A〜−한"), Sj("a〜−한")},
      {"table/greek-accent", Sj("άΆ"), Sj("ΆΆ"), Sj("άά")},
      // The Angstrom sign is in the code page, its Unicode small form å is not.
      {"table/angstrom-sign-stays", Sj("\xE2\x84\xAB"), Sj("\xE2\x84\xAB"), Sj("\xE2\x84\xAB")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(UpperCaseName(row.input), row.upper) << Show(UpperCaseName(row.input));
    EXPECT_EQ(LowerCaseName(row.input), row.lower) << Show(LowerCaseName(row.input));
  }
}

TEST(CaseMap, RomanNumeralCopiesMapToMainCodes) {
  EXPECT_EQ(UpperCaseName("\xEE\xEF"), "\x87\x54");  // NEC-selected ⅰ -> Ⅰ
  EXPECT_EQ(LowerCaseName("\xFA\x4A"), "\xFA\x40");  // IBM Ⅰ -> ⅰ
}

// The code point of a UTF-8 text holding exactly one character, or 0.
char32_t SingleCodePoint(const std::string& utf8) {
  std::mbstate_t state{};
  wchar_t wc = 0;
  const std::size_t n = std::mbrtowc(&wc, utf8.data(), utf8.size(), &state);
  return (n == utf8.size() && n > 0) ? static_cast<char32_t>(wc) : 0;
}

std::string Utf8Of(char32_t cp) {
  char buffer[8];
  std::mbstate_t state{};
  const std::size_t n = std::wcrtomb(buffer, static_cast<wchar_t>(cp), &state);
  return std::string(buffer, n);
}

// What mapping through Unicode gives for one double-byte character: its other case
// when that exists in the code page, else the character itself (as Unicode).
std::string ExpectedThroughUnicode(const std::string& cp932, wint_t (*map)(wint_t)) {
  const std::string utf8 = *Cp932ToUtf8(cp932);
  const char32_t cp = SingleCodePoint(utf8);
  const char32_t mapped = static_cast<char32_t>(map(static_cast<wint_t>(cp)));
  const std::optional<std::string> other = Utf8ToCp932(Utf8Of(mapped));
  // Characters of the code page keep its own case pairs; only the characters the
  // user-area table holds take their other case wherever it lives.
  if (mapped == cp || !other || (HoldsUserAreaCode(*other) && !HoldsUserAreaCode(cp932)))
    return utf8;
  return Utf8Of(mapped);
}

TEST(CaseMap, AgreesWithUnicodeOnEveryDoubleByteCharacter) {
  const char* previous = std::setlocale(LC_CTYPE, "C.UTF-8");
  ASSERT_NE(previous, nullptr) << "C.UTF-8 locale missing";
  ASSERT_EQ(std::towupper(L'ｂ'), static_cast<wint_t>(L'Ｂ')) << "locale has no Unicode case data";
  int letters = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
      if (!Cp932ToUtf8(ch) || SingleCodePoint(*Cp932ToUtf8(ch)) == 0) continue;
      SCOPED_TRACE(testing::Message() << std::hex << lead << ' ' << trail << ' ' << Show(ch));
      const std::string upper = ExpectedThroughUnicode(ch, std::towupper);
      const std::string lower = ExpectedThroughUnicode(ch, std::towlower);
      EXPECT_EQ(Show(UpperCaseName(ch)), upper);
      EXPECT_EQ(Show(LowerCaseName(ch)), lower);
      const bool table_code = lead >= 0xF0 && lead <= 0xF9;  // given by other tests of this run
      if (!table_code && (upper != *Cp932ToUtf8(ch) || lower != *Cp932ToUtf8(ch))) ++letters;
    }
  }
  // 26 + 24 + 33 Latin, Greek and Cyrillic pairs, 10 Roman numerals with copies.
  EXPECT_EQ(letters, 2 * (26 + 24 + 33 + 10) + 20);
  std::setlocale(LC_CTYPE, "C");
}

}  // namespace
}  // namespace nalo
