// The rows are the entries in the making: the accepted ones are moved into their
// order in place (each along the cycles of one permutation), the rest dropped, and
// the list takes the rows' storage, so no second list of the items is made.
#include "listing/entries_from_rows.h"

#include <cmath>
#include <exception>

#include "listing/list_sort.h"

namespace nalo {
namespace {

// What a row adds to become an entry; it keeps the row's day count, so its date
// text reads exactly what the date conditions were tested on.
void CompleteEntry(TListData& e, const TSearchOption& option) {
  if (option.FolderMode) e.Size = 0;
  e.State = kStateUntouched;
  e.SizeUnit = static_cast<std::int8_t>(option.SizeUnit);
  e.FolderMode = option.FolderMode;
}

// The rows before the first well-formed one whose date is not a number.
std::size_t ConvertibleRowCount(const TScanRows& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (IsWellFormedRow(rows[i]) && !std::isfinite(rows[i].Modified)) return i;
  }
  return rows.size();
}

// The rows that become entries, in `order`, followed by every other row: a
// permutation of all rows whose first `accepted` elements are kept.
std::vector<std::uint32_t> AcceptedFirst(const TScanRows& rows,
                                         std::span<const std::uint32_t> order,
                                         const TSearchOption& option, std::size_t& accepted) {
  const std::size_t convertible = ConvertibleRowCount(rows);
  std::vector<std::uint32_t> source;
  source.reserve(rows.size());
  std::vector<bool> taken(rows.size());
  for (const std::uint32_t index : order) {
    if (index >= convertible || taken[index]) continue;
    if (!IsWellFormedRow(rows[index]) || !MatchesSearchOptions(rows[index], option)) continue;
    taken[index] = true;
    source.push_back(index);
  }
  accepted = source.size();
  for (std::uint32_t i = 0; i < rows.size(); ++i) {
    if (!taken[i]) source.push_back(i);
  }
  return source;
}

}  // namespace

bool IsWellFormedRow(const TFileInfoRec& row) {
  return !row.Name.empty() && row.Name.find('/') == std::string::npos &&
         row.Name != "." && row.Name != ".." && !row.Location.empty() &&
         row.Location.back() == '/';
}

bool AppendEntries(TScanRows& rows, std::span<const std::uint32_t> order,
                   const TSearchOption& option, TEntryList& entries) {
  const bool all_convertible = ConvertibleRowCount(rows) == rows.size();
  try {
    std::size_t accepted = 0;
    std::vector<std::uint32_t> source = AcceptedFirst(rows, order, option, accepted);
    MoveIntoPlace(rows, source);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(accepted), rows.end());
    for (TListData& e : rows) CompleteEntry(e, option);
    std::vector<TListData>& items = entries.Items();
    if (items.empty()) {
      items = std::move(rows);
    } else {
      items.reserve(items.size() + rows.size());
      for (TListData& e : rows) items.push_back(std::move(e));
    }
    rows.clear();
  } catch (const std::exception&) {
    return false;
  }
  return all_convertible;
}

}  // namespace nalo
