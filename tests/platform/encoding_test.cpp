#include "platform/encoding.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/user_area_table.h"

namespace nalo {
namespace {

bool HoldsUserAreaCode(const std::string& cp932) {
  for (char c : cp932) {
    if (IsUserAreaLead(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

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

// Text code page 932 lacks takes codes of the user-defined area and comes back
// out as exactly the same bytes, on the way to the disk and to the screen.
TEST(Encoding, CharactersBeyondCp932RoundTripThroughTheTable) {
  struct Case {
    const char* name;
    std::string utf8;
  } cases[] = {
      {"latin/e-acute", "Pok\xC3\xA9mon"},
      {"wave-dash",
       "a\xE3\x80\x9C"
       "b"},  // U+301C: iconv maps it one way only
      {"minus-sign",
       "\xE2\x88\x92"
       "1"},  // U+2212
      {"emoji", "smile\xF0\x9F\x98\x80"},
      {"hangul", "\xED\x95\x9C\xEA\xB8\x80"},
      {"private-use/first", "\xEE\x80\x80"},  // U+E000, which iconv would put at 0xF040
      {"private-use/last", "\xEF\xA3\xBF"},   // U+F8FF
      {"mixed/kanji", "\xE8\xA1\xA8\xC3\xA9\xE3\x82\xBD"},  // 表éソ
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<std::string> cp932 = Utf8ToCp932(c.utf8);
    ASSERT_TRUE(cp932);
    EXPECT_TRUE(HoldsUserAreaCode(*cp932));
    EXPECT_EQ(Cp932ToUtf8(*cp932), c.utf8);
    EXPECT_EQ(Cp932ToUtf8Lossy(*cp932), c.utf8);
    EXPECT_EQ(Utf8ToCp932(c.utf8), cp932);  // the same character keeps its code
  }
  EXPECT_NE(Utf8ToCp932("\xC3\xA9"), Utf8ToCp932("\xC3\x89"));  // é and É are two codes
  EXPECT_EQ(Utf8ToCp932("\xC3\xA9")->size(), 2u);
}

TEST(Encoding, NamesFromTheDiskAreClassified) {
  struct Case {
    const char* name;
    std::string bytes;
    bool legacy;
    std::string shown;  // Cp932ToUtf8Lossy of the core text
  } cases[] = {
      {"ascii", "plain.txt", false, "plain.txt"},
      {"utf8", "\xE8\xA1\xA8.txt", false, "表.txt"},
      {"legacy", "\x95\x5C\x83\x5C.txt", true, "表ソ.txt"},
      // C3 A9 is é in UTF-8 and ﾃｩ in code page 932: UTF-8 wins.
      {"valid-in-both", "\xC3\xA9", false, "\xC3\xA9"},
      {"neither", "a\xFF\xFE.txt", false, "a\xEF\xBF\xBD\xEF\xBF\xBD.txt"},
      {"legacy-user-area", "\xF0\x40", false, "\xEF\xBF\xBD@"},
      {"mixed", "\xC3\xA9\xE3\x80\x9C\xE2\x88\x92\xF0\x9F\x98\x80\xED\x95\x9C\xFFx", false,
       "\xC3\xA9\xE3\x80\x9C\xE2\x88\x92\xF0\x9F\x98\x80\xED\x95\x9C\xEF\xBF\xBDx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<TDiskName> name = DiskNameToCp932(c.bytes);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->Legacy, c.legacy);
    EXPECT_EQ(Cp932ToUtf8Lossy(name->Text), c.shown);
    const std::optional<std::string> disk = name->Legacy ? ByteUnitsOf(c.bytes) : name->Text;
    ASSERT_TRUE(disk);
    EXPECT_EQ(Cp932ToUtf8(*disk), c.bytes);
    if (name->Legacy) {  // the trail bytes 0x5C are no backslashes in the disk form
      EXPECT_EQ(disk->find('\\'), std::string::npos);
    }
  }
}

TEST(Encoding, InvalidCp932IsRefusedOrReplaced) {
  EXPECT_FALSE(Cp932ToUtf8("a\x81"));  // lead byte at the end
  EXPECT_EQ(Cp932ToUtf8Lossy("a\x81"), "a\xEF\xBF\xBD");
  // A user-area code the table never gave has no bytes behind it.
  EXPECT_FALSE(Cp932ToUtf8("\xF9\xFC"));
  EXPECT_EQ(Cp932ToUtf8Lossy("\xF9\xFC"), "\xEF\xBF\xBD");
}

TEST(UserAreaTable, CodesSkipTrail7FAndEndAtF9FC) {
  TUserAreaTable table;
  std::uint16_t last = 0;
  for (TForeignUnit u = 0; u < kUserAreaCodes; ++u) {
    const std::optional<std::uint16_t> code = table.CodeFor(0x10000 + u);
    ASSERT_TRUE(code);
    EXPECT_NE(*code & 0xFF, 0x7F);
    EXPECT_GT(*code, last);
    last = *code;
    if (u == 63) {
      EXPECT_EQ(*code, 0xF080);
    }
  }
  EXPECT_EQ(last, 0xF9FC);
  EXPECT_FALSE(table.CodeFor(0x20000));
  EXPECT_EQ(table.UnitOf(0xF040), 0x10000u);
  EXPECT_EQ(table.UnitOf(0xF9FC), 0x10000u + kUserAreaCodes - 1);
}

TEST(UserAreaTable, ExhaustionRefusesOnlyNewUnits) {
  TUserAreaTable table(2);
  const auto a = table.CodeFor(0xE9);
  const auto b = table.CodeFor(kByteUnitBase + 0xFF);
  ASSERT_TRUE(a && b);
  EXPECT_FALSE(table.CodeFor(0x1F600));
  EXPECT_EQ(table.CodeFor(0xE9), a);
  EXPECT_EQ(table.UnitOf(*b), kByteUnitBase + 0xFF);
  EXPECT_FALSE(table.UnitOf(0xF042));  // never given
  EXPECT_FALSE(table.UnitOf(0x8140));  // not in the area
}

std::string Utf8Of(char32_t cp) {
  return {static_cast<char>(0xE0 | cp >> 12), static_cast<char>(0x80 | (cp >> 6 & 0x3F)),
          static_cast<char>(0x80 | (cp & 0x3F))};
}

// Fills the process table to its last code with Hangul syllables; then text
// needing one more code has no core form, while text the table already holds and
// plain code page 932 still convert.
bool FullTableRefusesOnlyNewUnits() {
  for (char32_t cp = 0xAC00; cp < 0xAC00 + kUserAreaCodes; ++cp) Utf8ToCp932(Utf8Of(cp));
  return !Utf8ToCp932("\xF0\x9F\x98\x80") && !DiskNameToCp932("\xFF") &&
         Utf8ToCp932(Utf8Of(0xAC00)) && Utf8ToCp932("\xE8\xA1\xA8");
}

// Run in a child process so the other tests keep a table with free codes.
TEST(UserAreaTableDeathTest, FullProcessTableRefusesNewCharacters) {
  EXPECT_EXIT(std::exit(FullTableRefusesOnlyNewUnits() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace nalo
