// The four width and kana mappings: tricky fixed cases per mode, then every character
// of the code page checked against the Unicode width and kana relations, decoded by
// the platform converter.
#include <gtest/gtest.h>

#include <map>

#include "sj.h"
#include "text/name_text.h"
#include "text/width_kana.h"

namespace nalo {
namespace {

using test::Show;
using test::Sj;
using M = TWidthKanaMode;

struct Row {
  const char* name;
  M mode;
  std::string input, expected;
};

void CheckRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string out = MapWidthKana(row.input, row.mode);
    EXPECT_EQ(out, row.expected) << Show(out) << " expected " << Show(row.expected);
  }
}

TEST(WidthKana, HalfToFull) {
  CheckRows({
      {"h2f/ascii-and-space", M::HalfToFull, "abc 123", Sj("ａｂｃ　１２３")},
      {"h2f/quotes-and-marks", M::HalfToFull, "\"'\\~`", Sj("”’＼～｀")},
      {"h2f/voiced", M::HalfToFull, Sj("ｶﾞｷﾞﾄﾞﾊﾟﾎﾟﾊﾞ"), Sj("ガギドパポバ")},
      {"h2f/vu", M::HalfToFull, Sj("ｳﾞ"), Sj("ヴ")},
      {"h2f/lone-voiced-mark", M::HalfToFull, Sj("ﾞｶﾟ"), Sj("゛カ゜")},
      {"h2f/mark-without-voiced-form", M::HalfToFull, Sj("ｱﾞﾏﾟｶﾟ"), Sj("ア゛マ゜カ゜")},
      {"h2f/double-mark", M::HalfToFull, Sj("ｶﾞﾞ"), Sj("ガ゛")},
      {"h2f/full-base-half-mark", M::HalfToFull, Sj("カﾞ"), Sj("カ゛")},
      {"h2f/punctuation", M::HalfToFull, Sj("｡｢｣､･ｰ"), Sj("。「」、・ー")},
      {"h2f/kana-before-pair", M::HalfToFull, Sj("ｶソ"), Sj("カソ")},
      {"h2f/kanji-stays", M::HalfToFull, Sj("表ガ"), Sj("表ガ")},
      {"h2f/lead-byte-at-end", M::HalfToFull, "a\x83", Sj("ａ") + "\x83"},
      {"h2f/invalid-trail-kept", M::HalfToFull, "\x81\x20" "a", "\x81\x20" + Sj("ａ")},
      {"h2f/undefined-bytes-kept", M::HalfToFull, "\x80\xA0\xFD\t", "\x80\xA0\xFD\t"},
  });
}

TEST(WidthKana, FullToHalf) {
  CheckRows({
      {"f2h/ascii-and-space", M::FullToHalf, Sj("ａｂｃ　１２３－"), "abc 123-"},
      {"f2h/quotes-and-marks", M::FullToHalf, Sj("”’＼～｀＂＇"), "\"'\\~`\"'"},
      {"f2h/nec-quotes", M::FullToHalf, "\xEE\xFC\xEE\xFB", "\"'"},
      {"f2h/voiced-splits", M::FullToHalf, Sj("ガギドパポバヴ"), Sj("ｶﾞｷﾞﾄﾞﾊﾟﾎﾟﾊﾞｳﾞ")},
      {"f2h/punctuation-and-marks", M::FullToHalf, Sj("。「」、・ー゛゜"), Sj("｡｢｣､･ｰﾞﾟ")},
      {"f2h/no-half-form-stays", M::FullToHalf, Sj("ヮヰヱヵヶ￥￣“‘あ表"),
       Sj("ヮヰヱヵヶ￥￣“‘あ表")},
      {"f2h/lead-byte-at-end", M::FullToHalf, Sj("ａ") + "\x82", "a\x82"},
      {"f2h/invalid-trail-kept", M::FullToHalf, "\x82\xFD\x82", "\x82\xFD\x82"},
      {"f2h/half-stays", M::FullToHalf, Sj("ｶﾞa"), Sj("ｶﾞa")},
  });
}

TEST(WidthKana, HiraganaKatakana) {
  CheckRows({
      {"h2k/run-ends-and-gap", M::HiraganaToKatakana, Sj("ぁあみむん"), Sj("ァアミムン")},
      {"h2k/iteration-marks", M::HiraganaToKatakana, Sj("ゝゞ"), Sj("ヽヾ")},
      {"h2k/others-stay", M::HiraganaToKatakana, Sj("ｶ表ーカ"), Sj("ｶ表ーカ")},
      {"h2k/lead-byte-at-end", M::HiraganaToKatakana, Sj("あ") + "\x82", Sj("ア") + "\x82"},
      {"k2h/run-ends-and-gap", M::KatakanaToHiragana, Sj("ァアミムン"), Sj("ぁあみむん")},
      {"k2h/no-hiragana-stays", M::KatakanaToHiragana, Sj("ヴヵヶ"), Sj("ヴヵヶ")},
      {"k2h/iteration-marks", M::KatakanaToHiragana, Sj("ヽヾ"), Sj("ゝゞ")},
      {"k2h/halfwidth-stays", M::KatakanaToHiragana, Sj("ｶﾞー"), Sj("ｶﾞー")},
      {"k2h/invalid-trail-kept", M::KatakanaToHiragana, "\x83\x7F", "\x83\x7F"},
  });
}

TEST(WidthKana, BaseNameMappedAndLimited) {
  EXPECT_EQ(MapBaseNameWidthKana("abc 123.txt", M::HalfToFull), Sj("ａｂｃ　１２３") + ".txt");
  EXPECT_EQ(MapBaseNameWidthKana(Sj("ガ.ｶﾞ"), M::FullToHalf), Sj("ｶﾞ.ｶﾞ"));
  // 200 bytes double to 400; 127 full-width characters fit in 255 bytes.
  const std::string long_name = std::string(200, 'a') + ".txt";
  const std::string mapped = MapBaseNameWidthKana(long_name, M::HalfToFull);
  EXPECT_EQ(mapped.size(), 254u + 4u);
  EXPECT_EQ(CharCount(BaseNameOf(mapped)), 127u);
  EXPECT_EQ(ExtensionOf(mapped), ".txt");
  EXPECT_EQ(BaseNameOf(mapped), MapWidthKana(std::string(127, 'a'), M::HalfToFull));
  // Without an extension the whole name is the base name, cut the same way.
  EXPECT_EQ(MapBaseNameWidthKana(std::string(201, 'a'), M::HalfToFull).size(), 254u);
}

// --- reference: the Unicode width and kana relations ------------------------------

// Full-width forms of the half-width katakana U+FF61-U+FF9F.
constexpr char32_t kHalfKanaUnicodeFull[] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C,
};

char32_t DecodeOne(const std::string& cp932) {
  const std::optional<std::string> utf8 = Cp932ToUtf8(cp932);
  if (!utf8) return 0;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8->data());
  if (utf8->size() == 1) return s[0];
  if (utf8->size() == 2) return (s[0] & 0x1F) << 6 | (s[1] & 0x3F);
  if (utf8->size() == 3) return (s[0] & 0x0F) << 12 | (s[1] & 0x3F) << 6 | (s[2] & 0x3F);
  return 0;
}

// Expected half-width form, as code points, of one full-width code point.
std::map<char32_t, std::u32string> HalfFormsByUnicode() {
  std::map<char32_t, std::u32string> half;
  for (char32_t c = 0x21; c <= 0x7E; ++c) half[c + 0xFEE0] = {c};
  half[0x3000] = U" ";
  half[0x201D] = U"\"";
  half[0x2019] = U"'";
  for (char32_t i = 0; i < std::size(kHalfKanaUnicodeFull); ++i) {
    const char32_t full = kHalfKanaUnicodeFull[i];
    half[full] = {0xFF61 + i};
    const bool voices = (full >= 0x30AB && full <= 0x30C8 && full != 0x30C3) ||
                        (full >= 0x30CF && full <= 0x30DB);
    if (voices) half[full + 1] = {0xFF61 + i, 0xFF9E};
    if (full >= 0x30CF && full <= 0x30DB) half[full + 2] = {0xFF61 + i, 0xFF9F};
  }
  half[0x30F4] = {0xFF73, 0xFF9E};  // ヴ
  return half;
}

std::u32string DecodeAll(const std::string& cp932) {
  std::u32string out;
  for (std::size_t i = 0; i < cp932.size();) {
    const std::size_t n = (static_cast<unsigned char>(cp932[i]) >= 0x81 &&
                           static_cast<unsigned char>(cp932[i]) <= 0x9F) ||
                                  static_cast<unsigned char>(cp932[i]) >= 0xE0
                              ? 2
                              : 1;
    out.push_back(DecodeOne(cp932.substr(i, n)));
    i += n;
  }
  return out;
}

template <typename F>
void ForEachDoubleByteChar(F f) {
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
      const char32_t cp = DecodeOne(ch);
      if (cp != 0) f(ch, cp);
    }
  }
}

TEST(WidthKana, FullToHalfAgreesWithUnicodeOnEveryCharacter) {
  const std::map<char32_t, std::u32string> half = HalfFormsByUnicode();
  int mapped = 0;
  ForEachDoubleByteChar([&](const std::string& ch, char32_t cp) {
    SCOPED_TRACE(Show(ch));
    const std::string out = MapWidthKana(ch, M::FullToHalf);
    const auto it = half.find(cp);
    if (it == half.end()) {
      EXPECT_EQ(out, ch);
    } else {
      EXPECT_EQ(DecodeAll(out), it->second);
      ++mapped;
    }
  });
  // 92 ASCII forms plus ＂ and ＇ twice each (IBM and NEC-selected copies), the space,
  // ” ’, 63 forms of half-width katakana, 20 voiced, 5 semi-voiced, ヴ.
  EXPECT_EQ(mapped, 92 + 4 + 1 + 2 + 63 + 20 + 5 + 1);
}

TEST(WidthKana, HalfToFullAgreesWithUnicodeOnEverySingleByte) {
  for (int b = 0x20; b <= 0xDF; ++b) {
    if (b > 0x7E && b < 0xA1) continue;
    const std::string in(1, static_cast<char>(b));
    SCOPED_TRACE(b);
    const char32_t full = DecodeOne(MapWidthKana(in, M::HalfToFull));
    char32_t expected = b < 0x80 ? static_cast<char32_t>(b + 0xFEE0) : kHalfKanaUnicodeFull[b - 0xA1];
    if (b == ' ') expected = 0x3000;
    if (b == '"') expected = 0x201D;
    if (b == '\'') expected = 0x2019;
    EXPECT_EQ(full, expected);
  }
}

TEST(WidthKana, KanaAgreesWithUnicodeOnEveryCharacter) {
  ForEachDoubleByteChar([&](const std::string& ch, char32_t cp) {
    SCOPED_TRACE(Show(ch));
    const bool hiragana = (cp >= 0x3041 && cp <= 0x3093) || cp == 0x309D || cp == 0x309E;
    const bool katakana = (cp >= 0x30A1 && cp <= 0x30F3) || cp == 0x30FD || cp == 0x30FE;
    const std::string to_kata = MapWidthKana(ch, M::HiraganaToKatakana);
    const std::string to_hira = MapWidthKana(ch, M::KatakanaToHiragana);
    EXPECT_EQ(DecodeOne(to_kata), hiragana ? cp + 0x60 : cp);
    EXPECT_EQ(DecodeOne(to_hira), katakana ? cp - 0x60 : cp);
  });
}

TEST(WidthKana, RoundTrips) {
  std::string ascii;
  for (int c = 0x20; c <= 0x7E; ++c) ascii.push_back(static_cast<char>(c));
  EXPECT_EQ(MapWidthKana(MapWidthKana(ascii, M::HalfToFull), M::FullToHalf), ascii);
  std::string kana;
  for (int c = 0xA1; c <= 0xDF; ++c) kana.push_back(static_cast<char>(c));
  EXPECT_EQ(MapWidthKana(MapWidthKana(kana, M::HalfToFull), M::FullToHalf), kana);
  const std::string voiced = Sj("ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｳﾞ");
  const std::string full = MapWidthKana(voiced, M::HalfToFull);
  EXPECT_EQ(CharCount(full), 26u);
  EXPECT_EQ(MapWidthKana(full, M::FullToHalf), voiced);
}

}  // namespace
}  // namespace nalo
