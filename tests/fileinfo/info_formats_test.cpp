// Playing-time, size, date and separator formats of the information tags.
#include "fileinfo/info_formats.h"

#include <gtest/gtest.h>

#include "fileinfo/tag_expansion.h"

namespace nalo {
namespace {

#define COLON "\x81\x46"  // ：

TEST(FormatDuration, EveryFormatFor3723Seconds) {
  const std::vector<std::pair<int, std::string>> cases = {
      {0, "01" COLON "02" COLON "03"},
      {1, "01'02'03"},
      {2, " 3723sec"},
      {3, "01h02m03s"},
      {4, "62m03s"},
      {5, "62'03"},
      {6, "01\x8E\x9E" "02\x95\xAA" "03\x95\x62"},
      {7, "62\x95\xAA" "03\x95\x62"},
      {8, ""},
      {-1, ""},
  };
  for (const auto& [index, text] : cases) EXPECT_EQ(FormatDuration(3723, index), text) << index;
}

TEST(FormatDuration, TimeOfDayWrapsMinutesDoNot) {
  EXPECT_EQ(FormatDuration(90061, 3), "01h01m01s");  // 25 h 1 min 1 s
  EXPECT_EQ(FormatDuration(90061, 4), "1501m01s");
  EXPECT_EQ(FormatDuration(0, 0), "00" COLON "00" COLON "00");
  EXPECT_EQ(FormatDuration(5, 5), "00'05");
}

TEST(FormatMinSec, Styles) {
  EXPECT_EQ(FormatMinSec(3723, 0), "62m03s");
  EXPECT_EQ(FormatMinSec(3723, 1), "62'03");
  EXPECT_EQ(FormatMinSec(3723, 2), "62\x95\xAA" "03\x95\x62");
  EXPECT_EQ(FormatMinSec(3723, 3), "");
}

TEST(ZeroDurationTexts, QuestionMarksForEachFormat) {
  EXPECT_EQ(ZeroDurationTexts[0], "??" COLON "??" COLON "??");
  EXPECT_EQ(ZeroDurationTexts[1], "?\?'?\?'??");
  EXPECT_EQ(ZeroDurationTexts[5], "?\?'??");
  EXPECT_EQ(ZeroDurationTexts[7], "??\x95\xAA??\x95\x62");
}

TEST(FormatFileSize, RoundsAndGroups) {
  struct Case {
    std::int64_t bytes;
    int divisor;
    const char* text;
  };
  const std::vector<Case> cases = {
      {0, 0, "0"},          {999, 0, "999"},          {1000, 0, "1,000"},
      {9999999, 0, "9,999,999"}, {9999999, 1, "9,766"}, {9999999, 2, "10"},
      {1536, 1, "2"},       {512, 1, "1"},            {511, 1, "0"},
      {5000000000LL, 0, "5,000,000,000"}, {123, 7, "123"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFileSize(c.bytes, c.divisor), c.text) << c.bytes;
}

TEST(FileSizeTagValue, UnitOnlyCountsWhenTheTemplateShowsIt) {
  EXPECT_EQ(FileSizeTagValue("<FILE_SIZE><UNIT>", 1536, 2), "2");
  EXPECT_EQ(FileSizeTagValue("<FILE_SIZE>", 1536, 2), "1,536");
  EXPECT_EQ(FileSizeTagValue("<FILE_SIZE><UNIT>", 9999999, 3), "10");
  EXPECT_EQ(FileSizeTagValue("<FILE_SIZE><unit>", 9999999, 3), "9,999,999");
  EXPECT_EQ(FileSizeTagValue("<FILE_SIZE><UNIT>", 1536, 1), "1,536");
}

TEST(FormatDate, EveryFormat) {
  std::tm t {};
  t.tm_year = 124;
  t.tm_mon = 0;
  t.tm_mday = 31;
  const std::vector<std::pair<int, std::string>> cases = {
      {0, "20240131"}, {1, "240131"}, {2, "2024_01_31"}, {3, "24_01_31"},
      {4, "2024\x94\x4E" "01\x8C\x8E" "31\x93\xFA"}, {5, "24\x94\x4E" "01\x8C\x8E" "31\x93\xFA"},
      {6, ""},
  };
  for (const auto& [index, text] : cases) EXPECT_EQ(FormatDate(t, index), text) << index;
}

TEST(TagExpansion, ExactCaseSensitiveAndCharacterWise) {
  EXPECT_EQ(ExpandTag("<SIZE_X>x<SIZE_X>", kTagSizeX, "640"), "640x640");
  EXPECT_EQ(ExpandTag("<size_x>", kTagSizeX, "640"), "<size_x>");
  // The value is not searched again by the same step.
  EXPECT_EQ(ExpandTag("<CODEC>", kTagCodec, "<CODEC>!"), "<CODEC>!");
  // "ソ" ends in 0x5C; a tag-like run starting on a trail byte is not a tag.
  EXPECT_EQ(ExpandTag("\x83<A>", "<A>", "z"), "\x83<A>");
  EXPECT_EQ(ExpandTag("\x83\x5C<A>", "<A>", "z"), "\x83\x5Cz");
}

}  // namespace
}  // namespace nalo
