#include "platform/encoding.h"

#include <gtest/gtest.h>

namespace nalo {
namespace {

TEST(Encoding, AsciiPassesThrough) {
  EXPECT_EQ(Utf8ToCp932("abc.txt"), "abc.txt");
  EXPECT_EQ(Cp932ToUtf8("abc.txt"), "abc.txt");
}

TEST(Encoding, JapaneseRoundTrips) {
  const std::string utf8 = "表ソ.txt";  // trail bytes 0x5C
  auto cp932 = Utf8ToCp932(utf8);
  ASSERT_TRUE(cp932);
  EXPECT_EQ(*cp932, "\x95\x5C\x83\x5C.txt");
  EXPECT_EQ(Cp932ToUtf8(*cp932), utf8);
}

TEST(Encoding, HalfWidthKatakanaIsSingleByte) {
  EXPECT_EQ(Utf8ToCp932("ｶﾞ"), "\xB6\xDE");
}

TEST(Encoding, CharactersWithoutCp932FormAreRefused) {
  EXPECT_FALSE(Utf8ToCp932("smile\xF0\x9F\x98\x80"));  // emoji
  EXPECT_FALSE(Utf8ToCp932("\xED\x95\x9C"));             // hangul
  EXPECT_FALSE(Utf8ToCp932("bad\xFF"));                  // not UTF-8
  // WAVE DASH converts one way only; taking it would change the name on rename.
  EXPECT_FALSE(Utf8ToCp932("\xE3\x80\x9C"));
}

TEST(Encoding, InvalidCp932IsRefusedOrReplaced) {
  EXPECT_FALSE(Cp932ToUtf8("a\x81"));  // lead byte at the end
  EXPECT_EQ(Cp932ToUtf8Lossy("a\x81"), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToCp932Lossy("x\xF0\x9F\x98\x80y"), "x?y");
}

}  // namespace
}  // namespace nalo
