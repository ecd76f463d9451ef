#include "listing/search_option.h"

#include <gtest/gtest.h>

#include "platform/file_times.h"

namespace nalo {
namespace {

TFileInfoRec Item(std::string name, std::int64_t size = 0, double modified = 40000.5) {
  TFileInfoRec r;
  r.Name = std::move(name);
  r.Location = "/d/";
  r.Size = size;
  r.Modified = modified;
  return r;
}

struct TSizeCase {
  const char* label;
  std::int32_t unit;
  bool use_min, use_max;
  std::int32_t min, max;
  std::int64_t size;
  bool listed;
};

TEST(SearchOption, SizeBoundsInEachUnit) {
  const TSizeCase cases[] = {
      {"both-zero-lists-all", 0, true, true, 0, 0, 123456, true},
      {"min10-max0-lists-nothing", 0, true, true, 10, 0, 5, false},
      {"min10-max0-lists-nothing-large", 0, true, true, 10, 0, 50, false},
      {"both-inclusive-low", 0, true, true, 10, 20, 10, true},
      {"both-inclusive-high", 0, true, true, 10, 20, 20, true},
      {"both-above", 0, true, true, 10, 20, 21, false},
      {"kb-min1-1023", 1, true, false, 1, 0, 1023, false},
      {"kb-min1-1024", 1, true, false, 1, 0, 1024, true},
      {"kb-max1-1025", 1, false, true, 0, 1, 1025, false},
      {"kb-max1-1024", 1, false, true, 0, 1, 1024, true},
      {"mb-min2", 2, true, false, 2, 0, 2 * 1048576 - 1, false},
      {"mb-max-huge", 2, false, true, 0, 2147483647, 5LL << 30, true},
      {"mb-max-4096-5gb", 2, false, true, 0, 4096, 5LL << 30, false},
      {"mb-max-5gb", 2, false, true, 0, 5120, 5LL << 30, true},
      {"neither", 0, false, false, 10, 20, 999, true},
  };
  for (const TSizeCase& c : cases) {
    TTabStatus_Search s;
    s.SizeUnit = c.unit;
    s.UseMinSize = c.use_min;
    s.UseMaxSize = c.use_max;
    s.MinSize = c.min;
    s.MaxSize = c.max;
    const TSearchOption o = BuildSearchOption("/d", s, {}, false, false);
    EXPECT_EQ(MatchesSearchOptions(Item("a.bin", c.size), o), c.listed) << c.label;
  }
}

TEST(SearchOption, FolderModeIgnoresSize) {
  TTabStatus_Search s;
  s.UseMinSize = true;
  s.MinSize = 1000;
  EXPECT_FALSE(MatchesSearchOptions(Item("dir", 0), BuildSearchOption("/d", s, {}, false, false)));
  EXPECT_TRUE(MatchesSearchOptions(Item("dir", 0), BuildSearchOption("/d", s, {}, false, true)));
}

struct TTextCase {
  const char* label;
  const char* name;
  const char* text;
  bool case_sensitive;
  bool contains;
};

const TTextCase kTextCases[] = {
    {"case-off-finds", "xAby.txt", "ab", false, true},
    {"case-on-misses", "xAby.txt", "ab", true, false},
    {"case-on-finds", "xaby.txt", "ab", true, true},
    {"trail-byte-is-not-a-char", "\x95\x5C" "a.txt", "\x5C" "a", true, false},
    {"trail-equals-lead", "\x83\x83\x5C.txt", "\x83\x5C", true, false},
    {"double-byte-found", "a\x83\x5C.txt", "\x83\x5C", true, true},
    {"fullwidth-case-off", "\x82\x81.txt", "\x82\x60", false, true},  // ａ vs Ａ
    {"fullwidth-case-on", "\x82\x81.txt", "\x82\x60", true, false},
};

TEST(SearchOption, StringMaskAtCharacterBoundaries) {
  for (const TTextCase& c : kTextCases) {
    TTabStatus_Search s;
    s.StrMask = c.text;
    s.StrMaskCase = c.case_sensitive;
    const TSearchOption o = BuildSearchOption("/d", s, {}, false, false);
    EXPECT_EQ(MatchesSearchOptions(Item(c.name), o), c.contains) << c.label;
  }
}

TEST(SearchOption, ExclusionIsTheOppositeTestWithItsOwnCaseFlag) {
  for (const TTextCase& c : kTextCases) {
    const TExclusion ex{true, c.text, c.case_sensitive};
    const TSearchOption o = BuildSearchOption("/d", {}, ex, false, false);
    EXPECT_EQ(MatchesSearchOptions(Item(c.name), o), !c.contains) << c.label;
  }
  // Off, or with an empty text, it excludes nothing.
  EXPECT_TRUE(MatchesSearchOptions(Item("abc"),
                                   BuildSearchOption("/d", {}, {false, "b", true}, false, false)));
  EXPECT_TRUE(MatchesSearchOptions(Item("abc"),
                                   BuildSearchOption("/d", {}, {true, "", true}, false, false)));
}

TEST(SearchOption, DateBoundsCompareWholeDays) {
  const double nov18 = DayCountOf({2002, 11, 18, 0, 0, 0});
  const double nov20 = DayCountOf({2002, 11, 20, 0, 0, 0});
  struct {
    const char* label;
    bool use_start, use_end;
    TLocalTime written;
    bool listed;
  } cases[] = {
      {"start/just-after-midnight", true, false, {2002, 11, 18, 0, 0, 1}, true},
      {"start/late-evening", true, false, {2002, 11, 18, 23, 59, 0}, true},
      {"start/day-before", true, false, {2002, 11, 17, 23, 59, 0}, false},
      {"end/whole-last-day", false, true, {2002, 11, 20, 23, 59, 59}, true},
      {"end/day-after", false, true, {2002, 11, 21, 0, 0, 0}, false},
      {"both/inside", true, true, {2002, 11, 19, 12, 0, 0}, true},
      {"both/before", true, true, {2002, 11, 1, 12, 0, 0}, false},
      {"neither", false, false, {1990, 1, 1, 0, 0, 0}, true},
  };
  for (const auto& c : cases) {
    TTabStatus_Search s;
    s.StartDate = nov18;
    s.EndDate = nov20;
    s.UseStartDate = c.use_start;
    s.UseEndDate = c.use_end;
    for (bool folder_mode : {false, true}) {
      const TSearchOption o = BuildSearchOption("/d", s, {}, false, folder_mode);
      EXPECT_EQ(MatchesSearchOptions(Item("x", 0, DayCountOf(c.written)), o), c.listed) << c.label;
    }
  }
}

TEST(SearchOption, EmptyExtensionMaskMeansAll) {
  TTabStatus_Search s;
  EXPECT_EQ(BuildSearchOption("/d", s, {}, true, false).ExtMask, "*.*");
  s.ExtMask = "*.txt";
  EXPECT_EQ(BuildSearchOption("/d", s, {}, true, false).ExtMask, "*.txt");
}

}  // namespace
}  // namespace nalo
