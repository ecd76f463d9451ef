#include "listing/list_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "listing/listing_state.h"

namespace nalo {
namespace {

TListData Entry(std::string location, std::string name, std::int64_t size, std::int32_t time) {
  TListData e;
  e.Name = std::move(name);
  e.Location = std::move(location);
  e.Size = size;
  e.FileTime = time;
  return e;
}

std::vector<std::string> Paths(const TEntryList& list) {
  std::vector<std::string> out;
  for (const TListData& e : list.Items()) out.push_back(e.FullPath());
  return out;
}

TEntryList Sample() {
  TEntryList list;
  list.Add(Entry("/b/", "beta.txt", 30, 300));
  list.Add(Entry("/a/", "Alpha.txt", 20, 100));
  list.Add(Entry("/B/", "alpha.txt", 10, 200));
  list.Add(Entry("/a/", "gamma.txt", 20, 50));
  return list;
}

TEST(ListSort, EachColumnWithItsTieRule) {
  struct {
    const char* label;
    std::int32_t column;
    bool ascending;
    std::vector<std::string> order;
  } cases[] = {
      // Equal names (any case) fall back to size.
      {"name/ascending", kSortByName, true, {"/B/alpha.txt", "/a/Alpha.txt", "/b/beta.txt", "/a/gamma.txt"}},
      {"name/descending", kSortByName, false, {"/a/gamma.txt", "/b/beta.txt", "/a/Alpha.txt", "/B/alpha.txt"}},
      // Equal sizes fall back to name.
      {"size/ascending", kSortBySize, true, {"/B/alpha.txt", "/a/Alpha.txt", "/a/gamma.txt", "/b/beta.txt"}},
      {"date/ascending", kSortByDate, true, {"/a/gamma.txt", "/a/Alpha.txt", "/B/alpha.txt", "/b/beta.txt"}},
      // /b/ and /B/ are the same location ignoring case: the names decide.
      {"location/ascending", kSortByLocation, true, {"/a/Alpha.txt", "/a/gamma.txt", "/B/alpha.txt", "/b/beta.txt"}},
  };
  for (const auto& c : cases) {
    TEntryList list = Sample();
    SortEntries(list, c.column, c.ascending);
    EXPECT_EQ(Paths(list), c.order) << c.label;
  }
}

// Names follow the language's text order, not their bytes: punctuation before
// letters, letters without regard to case, full-width letters with their
// half-width ones. These orders hold in every locale's collation.
// The order SortEntries must give, written plainly: the column's key, then name,
// size and date, every key made afresh for each comparison; packed dates compare
// unsigned, since the year fills the top bit from 2044 on.
int ReferenceCompare(const TListData& a, const TListData& b, std::int32_t column, bool ascending) {
  const auto three_way = [](const auto& x, const auto& y) { return x < y ? -1 : (y < x ? 1 : 0); };
  const int by_name = three_way(NameSortKey(a.Name), NameSortKey(b.Name));
  const int by_size = three_way(a.Size, b.Size);
  const int by_date =
      three_way(static_cast<std::uint32_t>(a.FileTime), static_cast<std::uint32_t>(b.FileTime));
  int c = by_name;
  if (column == kSortBySize) c = by_size;
  if (column == kSortByDate) c = by_date;
  if (column == kSortByLocation) c = three_way(NameSortKey(a.Location), NameSortKey(b.Location));
  if (c == 0) c = by_name;
  if (c == 0) c = by_size;
  if (c == 0) c = by_date;
  return ascending ? c : -c;
}

TEST(ListSort, NamesFollowTheTextOrderOfTheLanguage) {
  struct {
    const char* before;
    const char* after;
  } cases[] = {
      {"_a", "Z"},         {"-c", "b"},       {"b", "Z"},
      {"a10", "b1"},       {"\x82\x60", "b"},  // full-width A
      {"abc", "\x82\x82"},                     // full-width b
  };
  for (const auto& c : cases) {
    const TListData a = Entry("/", c.before, 0, 0), b = Entry("/", c.after, 0, 0);
    TEntryList list;
    list.Add(b);
    list.Add(a);
    SortEntries(list, kSortByName, true);
    EXPECT_EQ(list.EntryAt(0).Name, c.before);
  }
}

TEST(ListSort, DatesFrom2044OnSortAfterOlderOnes) {
  TEntryList list;
  list.Add(Entry("/", "new", 0, static_cast<std::int32_t>(0x88210000u)));  // 2048: top bit set
  list.Add(Entry("/", "old", 0, 0x2C210000));                              // 2002
  SortEntries(list, kSortByDate, true);
  EXPECT_EQ(list.EntryAt(0).Name, "old");
}

TEST(ListSort, MatchesAPlainReferenceOnRandomLists) {
  std::mt19937 rng(7);
  const char* names[] = {"a", "A", "b", "\x82\x60", "\x82\x81", "a.txt", "_x", "\x95\x5C"};
  const char* locations[] = {"/x/", "/X/", "/y/", "/x/\x83\x5C/"};
  // Entries in random folders, and folder by folder as a scan lists them (blocks of
  // 50: /x/ and /X/ share a rank and each comes twice).
  for (const bool by_folder : {false, true}) {
    for (std::int32_t column = 0; column < 4; ++column) {
      for (bool ascending : {true, false}) {
        TEntryList list;
        for (int i = 0; i < 300; ++i) {
          // Sizes either side of zero and dates either side of the sign bit check that
          // the packed sort keys keep each column's order.
          const std::int64_t size = static_cast<std::int64_t>(rng() % 3) - 1;
          const std::int32_t date = static_cast<std::int32_t>(rng() % 3 + 0x7FFFFFFFu);
          const char* location = by_folder ? locations[(i / 50) % 4] : locations[rng() % 4];
          list.Add(Entry(location, names[rng() % 8], size, date));
        }
        std::vector<TListData> reference = list.Items();
        std::stable_sort(reference.begin(), reference.end(),
                         [&](const TListData& a, const TListData& b) {
                           return ReferenceCompare(a, b, column, ascending) < 0;
                         });
        SortEntries(list, column, ascending);
        for (std::size_t i = 0; i < reference.size(); ++i) {
          ASSERT_EQ(list.EntryAt(i).FullPath(), reference[i].FullPath())
              << by_folder << column << ascending << i;
        }
      }
    }
  }
}

TEST(ListSort, ColumnClicksFlipOrSwitchTheColumn) {
  TListingState state;
  TEntryList list = Sample();
  SortByColumnClick(state, list, kSortBySize);
  EXPECT_EQ(state.SortColumn, kSortBySize);
  EXPECT_TRUE(state.SortAscending);
  SortByColumnClick(state, list, kSortBySize);
  EXPECT_FALSE(state.SortAscending);
  EXPECT_EQ(list.EntryAt(0).Size, 30);
  SortByColumnClick(state, list, kSortByName);
  EXPECT_EQ(state.SortColumn, kSortByName);
  EXPECT_TRUE(state.SortAscending);
  EXPECT_EQ(list.EntryAt(0).FullPath(), "/B/alpha.txt");
}

}  // namespace
}  // namespace nalo
