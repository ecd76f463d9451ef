// The order of the confirmation list: a click on a column sorts by it (a second
// click on the same column reverses the direction), rows compare by the collation
// key of the column's text as the entry list compares names, ties go by the
// present name, and the problem column sorts by the kind of problem. The sort is
// stable and moves the rows themselves, so the batch runs in the order shown.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "execution/rename_preview.h"
#include "rules/confirmation_row.h"

namespace nalo {

enum TConfirmationColumn : int {
  kOldNameColumn = 0,
  kNewNameColumn = 1,
  kFolderColumn = 2,
  kProblemColumn = 3,
};

// The sort column and direction of the list; a new list is in row order until
// the first click.
struct TConfirmationSort {
  int Column = kOldNameColumn;
  bool Ascending = false;
  // The same column flips the direction; another column sorts ascending.
  void Click(int column);
};

// The text a row made from `entries` shows in one of the name columns.
std::string_view ConfirmationColumnText(const TEntryList& entries, const TConfirmationRow& row,
                                        int column);

// Sorts `rows` (made from `entries`) by `sort`; `clashes` (one per row) are the
// problem column's kinds. Returns the new position of each old row (old index ->
// new index).
std::vector<std::size_t> SortConfirmationRows(const TEntryList& entries, TConfirmationList& rows,
                                              const std::vector<TRowClash>& clashes,
                                              const TConfirmationSort& sort);

}  // namespace nalo
