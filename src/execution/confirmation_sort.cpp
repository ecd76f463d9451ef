// Each row's key of the sorted column is computed once (and a present name's key
// only when its row ties), then a stable sort orders the row indexes and the rows
// move into their new places.
#include "execution/confirmation_sort.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "listing/list_sort.h"

namespace nalo {

void TConfirmationSort::Click(int column) {
  Ascending = column == Column ? !Ascending : true;
  Column = column;
}

std::string_view ConfirmationColumnText(const TEntryList& entries, const TConfirmationRow& row,
                                        int column) {
  switch (column) {
    case kOldNameColumn: return RowOldName(entries, row);
    case kNewNameColumn: return row.NewName;
    default: return RowFolder(entries, row);
  }
}

std::vector<std::size_t> SortConfirmationRows(const TEntryList& entries, TConfirmationList& rows,
                                              const std::vector<TRowClash>& clashes,
                                              const TConfirmationSort& sort) {
  std::vector<std::string> keys(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (sort.Column == kProblemColumn) {
      keys[i] = std::string(1, static_cast<char>(clashes[i]));
      continue;
    }
    const std::string_view text = ConfirmationColumnText(entries, rows[i], sort.Column);
    // Rows of one folder follow each other: their folder texts share one key.
    keys[i] = i > 0 && text == ConfirmationColumnText(entries, rows[i - 1], sort.Column)
                  ? keys[i - 1]
                  : NameSortKey(text);
  }
  // The present name's key is made only for rows that tie on the column.
  std::vector<std::string> names(rows.size());
  std::vector<bool> named(rows.size(), false);
  const auto name_key = [&](std::size_t i) -> const std::string& {
    if (!named[i]) {
      names[i] = NameSortKey(RowOldName(entries, rows[i]));
      named[i] = true;
    }
    return names[i];
  };
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    int c = keys[a].compare(keys[b]);
    if (c == 0) c = name_key(a).compare(name_key(b));
    return sort.Ascending ? c < 0 : c > 0;
  });
  TConfirmationList sorted;
  sorted.reserve(rows.size());
  std::vector<std::size_t> new_position(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    new_position[order[i]] = i;
    sorted.push_back(std::move(rows[order[i]]));
  }
  rows = std::move(sorted);
  return new_position;
}

}  // namespace nalo
