// Selections of the table views read and changed as row numbers. Counts come from
// the selection's ranges, so a selection of a million rows is counted without
// listing them.
#pragma once

#include <cstddef>
#include <vector>

class QAbstractItemView;
class QItemSelectionModel;

namespace nalo {

// Selected rows, ascending, each once.
std::vector<std::size_t> SelectedRows(const QItemSelectionModel* selection);
std::size_t SelectedRowCount(const QItemSelectionModel* selection);
// One flag per row of the model: whether it is selected.
std::vector<bool> SelectionFlags(const QItemSelectionModel* selection, std::size_t row_count);

// Replaces the selection of `view` by the given rows (ascending), in one change.
void SelectRows(QAbstractItemView* view, const std::vector<std::size_t>& rows);
// Flips the selection of every row, in one change.
void InvertSelection(QAbstractItemView* view);

}  // namespace nalo
