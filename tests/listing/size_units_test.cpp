#include "listing/size_units.h"

#include <gtest/gtest.h>

#include "listing/listing_state.h"

namespace nalo {
namespace {

std::string SizeText(std::int64_t size, std::int32_t unit, bool folder_mode = false) {
  TCellText text;
  WriteEntrySizeText(size, unit, folder_mode, text);
  return std::string(text.View());
}

TEST(SizeUnits, SizeTextRoundsAndGroups) {
  struct {
    std::int64_t size;
    std::int32_t unit;
    const char* text;
  } cases[] = {
      {0, kUnitBytes, "0"},           {999, kUnitBytes, "999"},
      {1000, kUnitBytes, "1,000"},    {1234567, kUnitBytes, "1,234,567"},
      {1234567, kUnitKB, "1,206"},    {1536, kUnitKB, "2"},
      {1535, kUnitKB, "1"},           {2560, kUnitKB, "3"},  // halves away from zero
      {511, kUnitKB, "0"},            {5LL << 30, kUnitMB, "5,120"},
      {9223372036854775807LL, kUnitBytes, "9,223,372,036,854,775,807"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SizeText(c.size, c.unit), c.text) << c.size << "/" << c.unit;
  EXPECT_EQ(SizeText(1234, kUnitBytes, true), "\x83\x74\x83\x48\x83\x8B\x83\x5F");
}

TEST(SizeUnits, BoundConversionRoundsHalvesToEven) {
  struct {
    std::int64_t value;
    std::int32_t from, to;
    std::int32_t expected;
  } cases[] = {
      {2048, kUnitBytes, kUnitKB, 2},   {1536, kUnitBytes, kUnitKB, 2},
      {2560, kUnitBytes, kUnitKB, 2},   {2561, kUnitBytes, kUnitKB, 3},
      {512, kUnitBytes, kUnitKB, 0},    {3, kUnitKB, kUnitBytes, 3072},
      {1536, kUnitKB, kUnitMB, 2},      {2, kUnitMB, kUnitKB, 2048},
      // Converting up can exceed what the bound can hold: it stops at the maximum.
      {2147483647, kUnitMB, kUnitBytes, 2147483647},
      {-5, kUnitBytes, kUnitKB, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertSizeBound(c.value, c.from, c.to), c.expected) << c.value << " " << c.from << "->" << c.to;
  }
}

TEST(SizeUnits, Captions) {
  EXPECT_EQ(SizeColumnCaption(false, kUnitKB), "サイズ（KB）");
  EXPECT_EQ(SizeColumnCaption(false, kUnitBytes), "サイズ（バイト）");
  EXPECT_EQ(SizeColumnCaption(true, kUnitKB), "種類");
  EXPECT_EQ(NameColumnCaption(false), "ファイル名");
  EXPECT_EQ(NameColumnCaption(true), "フォルダ名");
}

TEST(SizeUnits, ApplySizeUnitConvertsBoundsAndRebuildsTexts) {
  TListingState state;
  TTabStatus_Search search;
  search.MinSize = 2048;
  search.MaxSize = 1536;
  TEntryList list;
  TListData e;
  e.Size = 1536;
  list.Add(e);
  ApplySizeUnit(state, kUnitKB, search, list, false);
  EXPECT_EQ(search.MinSize, 2);
  EXPECT_EQ(search.MaxSize, 2);
  EXPECT_EQ(search.SizeUnit, kUnitKB);
  EXPECT_EQ(state.SizeUnit, kUnitKB);
  EXPECT_EQ(state.PreviousUnit, kUnitKB);
  EXPECT_EQ(list.EntryAt(0).SizeText(), "2");
  // Back to bytes converts from KB, not from the original values.
  ApplySizeUnit(state, kUnitBytes, search, list, false);
  EXPECT_EQ(search.MinSize, 2048);
  EXPECT_EQ(list.EntryAt(0).SizeText(), "1,536");
  ApplySizeUnit(state, kUnitMB, search, list, true);
  EXPECT_EQ(list.EntryAt(0).SizeText(), std::string(kFolderSizeText));
}

}  // namespace
}  // namespace nalo
