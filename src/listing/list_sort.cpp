// SortEntries computes every comparison key once: the names' collation keys in one
// buffer (with an 8-byte prefix kept in the sort record), and a rank per distinct
// location. It sorts compact records holding those keys and then moves the entries
// into place along the cycles of the permutation, so a sort of a million entries
// costs no allocation per comparison and no second copy of the list. The same
// order is computed for scan rows, whose fields have the same names, so a new
// listing builds its entries in order instead.
#include "listing/list_sort.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "listing/name_keys.h"
#include "platform/collation_key.h"

namespace nalo {
namespace {

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

// Rank of each entry's location among the distinct locations in key order;
// locations that differ only in case share a rank.
template <typename TItem>
std::vector<std::uint32_t> LocationRanks(const std::vector<TItem>& items) {
  std::unordered_map<std::string_view, std::uint32_t> ids;
  std::vector<std::string_view> distinct;
  std::vector<std::uint32_t> id_of(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0 && items[i].Location == items[i - 1].Location) {
      id_of[i] = id_of[i - 1];
      continue;
    }
    auto [it, added] = ids.try_emplace(items[i].Location, static_cast<std::uint32_t>(distinct.size()));
    if (added) distinct.push_back(items[i].Location);
    id_of[i] = it->second;
  }
  std::vector<std::pair<std::string, std::uint32_t>> keyed;
  keyed.reserve(distinct.size());
  for (std::uint32_t id = 0; id < distinct.size(); ++id) keyed.emplace_back(NameSortKey(distinct[id]), id);
  std::sort(keyed.begin(), keyed.end());
  std::vector<std::uint32_t> rank_of_id(distinct.size());
  std::uint32_t rank = 0;
  for (std::size_t k = 0; k < keyed.size(); ++k) {
    if (k > 0 && keyed[k].first != keyed[k - 1].first) ++rank;
    rank_of_id[keyed[k].second] = rank;
  }
  for (std::uint32_t& id : id_of) id = rank_of_id[id];
  return id_of;
}

// What the sort moves around: an entry's index and its comparison data. Primary
// is the sorted column's key as an unsigned number (or the first name bytes); when
// two records' primaries differ, they alone decide the order.
struct TSortRecord {
  std::uint64_t Primary;
  std::uint64_t NamePrefix;
  std::uint64_t NamePrefix2;
  std::uint32_t Index;
  std::uint32_t LocationRank;
  std::int64_t Size;
  std::uint32_t Date;
};

int CompareRecordNames(const TSortRecord& a, const TSortRecord& b, const TNameKeys& names) {
  if (a.NamePrefix != b.NamePrefix) return a.NamePrefix < b.NamePrefix ? -1 : 1;
  if (a.NamePrefix2 != b.NamePrefix2) return a.NamePrefix2 < b.NamePrefix2 ? -1 : 1;
  return CompareKeys(names.Key(a.Index), names.Key(b.Index));
}

// The column comparison followed by the tie rule (name, size, date), before the
// direction is applied.
int CompareRecords(const TSortRecord& a, const TSortRecord& b, std::int32_t column,
                   const TNameKeys& names) {
  int c = 0;
  switch (column) {
    case kSortBySize: c = ThreeWay(a.Size, b.Size); break;
    case kSortByDate: c = ThreeWay(a.Date, b.Date); break;
    case kSortByLocation: c = ThreeWay(a.LocationRank, b.LocationRank); break;
    default: c = CompareRecordNames(a, b, names); break;
  }
  if (c == 0) c = CompareRecordNames(a, b, names);
  if (c == 0) c = ThreeWay(a.Size, b.Size);
  if (c == 0) c = ThreeWay(a.Date, b.Date);
  return c;
}

// The sorted column's key as an unsigned number ordered like the column: sizes
// are shifted by the sign bit so negative ones stay below positive ones. The
// location rank fills only the high half, so the first four name bytes (the tie
// rule's first key) fill the low half and order most entries of one folder.
std::uint64_t PrimaryKey(const TSortRecord& r, std::int32_t column) {
  switch (column) {
    case kSortBySize: return static_cast<std::uint64_t>(r.Size) ^ (std::uint64_t{1} << 63);
    case kSortByDate: return r.Date;
    case kSortByLocation: return std::uint64_t{r.LocationRank} << 32 | r.NamePrefix >> 32;
    default: return r.NamePrefix;
  }
}

// Orders records by the primary key, falling back to the full comparison on ties;
// the direction is a template argument so the common case is one integer
// comparison. Equal primaries mean an equal column for every column (for
// locations, equal ranks), so the name comes next, and its first sixteen bytes are
// compared here as two integers before the full comparison is called.
template <bool kAscending>
struct TRecordLess {
  std::int32_t Column;
  const TNameKeys& Names;

  bool operator()(const TSortRecord& x, const TSortRecord& y) const {
    if (x.Primary != y.Primary) return kAscending ? x.Primary < y.Primary : x.Primary > y.Primary;
    if (x.NamePrefix != y.NamePrefix) {
      return kAscending ? x.NamePrefix < y.NamePrefix : x.NamePrefix > y.NamePrefix;
    }
    if (x.NamePrefix2 != y.NamePrefix2) {
      return kAscending ? x.NamePrefix2 < y.NamePrefix2 : x.NamePrefix2 > y.NamePrefix2;
    }
    const int c = CompareRecords(x, y, Column, Names);
    if (c != 0) return kAscending ? c < 0 : c > 0;
    return x.Index < y.Index;  // equal entries keep their order
  }
};

// A stretch of records in item order that share one location rank (a folder's
// entries, as a scan lists them).
struct TRankRun {
  std::uint32_t Rank;
  std::size_t Begin;
  std::size_t End;
};

std::vector<TRankRun> RankRuns(const std::vector<TSortRecord>& records) {
  std::vector<TRankRun> runs;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (runs.empty() || records[i].LocationRank != runs.back().Rank) {
      runs.push_back({records[i].LocationRank, i, i});
    }
    runs.back().End = i + 1;
  }
  return runs;
}

// The order by location, a run at a time: each folder's records are sorted on
// their own (a few thousand records stay in the caches) and the runs are taken in
// rank order; runs that share a rank (folders whose names differ only in case, or a
// folder met twice) are sorted together. The result is the order one sort of the
// whole list would give, and cheaper to reach when the items come folder by folder.
template <bool kAscending>
std::vector<std::uint32_t> OrderByLocationRuns(std::vector<TSortRecord>& records,
                                               const TRecordLess<kAscending>& less) {
  const auto at = [&records](std::size_t i) {
    return records.begin() + static_cast<std::ptrdiff_t>(i);
  };
  std::vector<TRankRun> runs = RankRuns(records);
  for (const TRankRun& run : runs) std::sort(at(run.Begin), at(run.End), less);
  std::stable_sort(runs.begin(), runs.end(), [](const TRankRun& x, const TRankRun& y) {
    return kAscending ? x.Rank < y.Rank : x.Rank > y.Rank;
  });
  std::vector<std::uint32_t> order;
  order.reserve(records.size());
  std::vector<TSortRecord> shared;  // the records of runs that share a rank
  for (std::size_t r = 0; r < runs.size();) {
    std::size_t next = r + 1;
    while (next < runs.size() && runs[next].Rank == runs[r].Rank) ++next;
    if (next == r + 1) {
      for (auto it = at(runs[r].Begin); it != at(runs[r].End); ++it) order.push_back(it->Index);
    } else {
      shared.clear();
      for (std::size_t k = r; k < next; ++k)
        shared.insert(shared.end(), at(runs[k].Begin), at(runs[k].End));
      std::sort(shared.begin(), shared.end(), less);
      for (const TSortRecord& record : shared) order.push_back(record.Index);
    }
    r = next;
  }
  return order;
}

// The indexes of the records in sorted order.
template <bool kAscending>
std::vector<std::uint32_t> OrderOfRecords(std::vector<TSortRecord>& records, std::int32_t column,
                                          const TNameKeys& names) {
  const TRecordLess<kAscending> less{column, names};
  if (column == kSortByLocation) return OrderByLocationRuns(records, less);
  std::sort(records.begin(), records.end(), less);
  std::vector<std::uint32_t> order(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) order[i] = records[i].Index;
  return order;
}

// Puts items[source[i]] at position i, following each cycle of the permutation so
// every entry moves once and no second list is allocated.
void MoveIntoPlace(std::vector<TListData>& items, std::vector<std::uint32_t>& source) {
  constexpr std::uint32_t kDone = 0xFFFFFFFFu;
  for (std::size_t start = 0; start < source.size(); ++start) {
    if (source[start] == kDone || source[start] == start) continue;
    TListData held = std::move(items[start]);
    std::size_t at = start;
    while (source[at] != start) {
      const std::size_t from = source[at];
      items[at] = std::move(items[from]);
      source[at] = kDone;
      at = from;
    }
    items[at] = std::move(held);
    source[at] = kDone;
  }
}

}  // namespace

std::string NameSortKey(std::string_view name) {
  std::string key;
  AppendCollationKey(key, name);
  return key;
}

namespace {

// The sorted order of entries or rows whose names have the keys `names`: element
// i is the index of the item that goes i-th.
template <typename TItem>
std::vector<std::uint32_t> SortedOrder(const std::vector<TItem>& items, const TNameKeys& names,
                                       std::int32_t column, bool ascending) {
  const std::vector<std::uint32_t> ranks =
      column == kSortByLocation ? LocationRanks(items) : std::vector<std::uint32_t>();
  std::vector<TSortRecord> records(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto [prefix, prefix2] = names.Prefix(i);
    TSortRecord& r = records[i];
    r = {0, prefix, prefix2, static_cast<std::uint32_t>(i), ranks.empty() ? 0 : ranks[i],
         items[i].Size, DateKey(items[i].FileTime)};
    r.Primary = PrimaryKey(r, column);
  }
  return ascending ? OrderOfRecords<true>(records, column, names)
                   : OrderOfRecords<false>(records, column, names);
}

}  // namespace

std::vector<std::uint32_t> SortEntries(TEntryList& entries, std::int32_t column, bool ascending) {
  const TNameKeys names(entries.Items());
  std::vector<std::uint32_t> source = SortedOrder(entries.Items(), names, column, ascending);
  std::vector<std::uint32_t> new_position(source.size());
  for (std::size_t i = 0; i < source.size(); ++i)
    new_position[source[i]] = static_cast<std::uint32_t>(i);
  MoveIntoPlace(entries.Items(), source);
  return new_position;
}

std::vector<std::uint32_t> SortedRowOrder(const TScanRows& rows, const TNameKeys& names,
                                          std::int32_t column, bool ascending) {
  if (names.Count() == rows.size()) return SortedOrder(rows, names, column, ascending);
  return SortedOrder(rows, TNameKeys(rows), column, ascending);
}

}  // namespace nalo
