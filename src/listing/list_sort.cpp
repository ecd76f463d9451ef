// SortEntries computes every comparison key once (upper-cased names, and
// upper-cased locations once per run of equal locations), sorts an index
// permutation with those keys and then moves the entries into place, so a sort of
// a million entries costs no allocation per comparison.
#include "listing/list_sort.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "text/name_text.h"

namespace nalo {
namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

template <typename T>
int ThreeWay(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareKeys(std::string_view a, std::string_view b) {
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Dates compare as unsigned: the year field fills the top bits from 2044 on.
std::uint32_t DateKey(std::int32_t file_time) { return static_cast<std::uint32_t>(file_time); }

// The column comparison followed by the tie rule, before the direction is applied.
struct TSortFields {
  std::string_view NameKey;
  std::string_view LocationKey;
  std::int64_t Size;
  std::int32_t FileTime;
};

int CompareFields(const TSortFields& a, const TSortFields& b, std::int32_t column) {
  int c = 0;
  switch (column) {
    case kSortBySize: c = ThreeWay(a.Size, b.Size); break;
    case kSortByDate: c = ThreeWay(DateKey(a.FileTime), DateKey(b.FileTime)); break;
    case kSortByLocation: c = CompareKeys(a.LocationKey, b.LocationKey); break;
    default: c = CompareKeys(a.NameKey, b.NameKey); break;
  }
  if (c == 0) c = CompareKeys(a.NameKey, b.NameKey);
  if (c == 0) c = ThreeWay(a.Size, b.Size);
  if (c == 0) c = ThreeWay(DateKey(a.FileTime), DateKey(b.FileTime));
  return c;
}

}  // namespace

std::string NameSortKey(std::string_view name) {
  if (!IsAscii(name)) return UpperCaseName(name);
  std::string key(name);
  for (char& ch : key) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return key;
}

int CompareEntries(const TListData& a, const TListData& b, std::int32_t column, bool ascending) {
  const std::string a_name = NameSortKey(a.Name), b_name = NameSortKey(b.Name);
  std::string a_loc, b_loc;
  if (column == kSortByLocation) {
    a_loc = NameSortKey(a.Location);
    b_loc = NameSortKey(b.Location);
  }
  const int c = CompareFields({a_name, a_loc, a.Size, a.FileTime},
                              {b_name, b_loc, b.Size, b.FileTime}, column);
  return ascending ? c : -c;
}

void SortEntries(TEntryList& entries, std::int32_t column, bool ascending) {
  std::vector<TListData>& items = entries.Items();
  const std::size_t n = items.size();
  std::vector<std::string> name_keys(n);
  std::vector<std::string> location_keys;  // one per run of equal locations
  std::vector<std::uint32_t> location_of(column == kSortByLocation ? n : 0);
  for (std::size_t i = 0; i < n; ++i) {
    name_keys[i] = NameSortKey(items[i].Name);
    if (column != kSortByLocation) continue;
    if (i == 0 || items[i].Location != items[i - 1].Location) {
      location_keys.push_back(NameSortKey(items[i].Location));
    }
    location_of[i] = static_cast<std::uint32_t>(location_keys.size() - 1);
  }
  auto fields = [&](std::size_t i) {
    return TSortFields{name_keys[i],
                       column == kSortByLocation ? std::string_view(location_keys[location_of[i]])
                                                 : std::string_view(),
                       items[i].Size, items[i].FileTime};
  };
  std::vector<std::uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
    const int c = CompareFields(fields(x), fields(y), column);
    if (c != 0) return ascending ? c < 0 : c > 0;
    return x < y;  // equal entries keep their order
  });
  std::vector<TListData> sorted;
  sorted.reserve(n);
  for (std::uint32_t i : order) sorted.push_back(std::move(items[i]));
  items.swap(sorted);
}

}  // namespace nalo
