// The order of the entry list: by name, size, date or location, each with ties
// broken by name, size and date. Names and locations compare without regard to
// case by the locale's collation (collation_key.h). Dates compare by the packed
// DOS date-time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "listing/find_search.h"
#include "listing/list_data.h"
#include "listing/name_keys.h"

namespace nalo {

enum TSortColumn : std::int32_t { kSortByName = 0, kSortBySize = 1, kSortByDate = 2, kSortByLocation = 3 };

// The key a name or location is compared by: its collation key, compared as bytes.
std::string NameSortKey(std::string_view name);

// Sorts the list in place by the column and direction, ties broken by name, size
// and date; entries equal in all keep their relative order. Returns the new position of each old
// entry (old index -> new index), so a view can keep its selection on the entries.
std::vector<std::uint32_t> SortEntries(TEntryList& entries, std::int32_t column, bool ascending);

// The order SortEntries would give entries made from `rows` in row order: element
// i is the index of the row that goes i-th. The listing builds its entries in this
// order, so they come out sorted without being moved afterwards. `names` holds the
// rows' name keys when the scan made them; when it does not hold one per row, the
// keys are made here.
std::vector<std::uint32_t> SortedRowOrder(const TScanRows& rows, const TNameKeys& names,
                                          std::int32_t column, bool ascending);

}  // namespace nalo
