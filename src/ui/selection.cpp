// Row ranges are merged from the selection ranges; contiguous rows are selected
// as one range, so selecting many rows stays one cheap change.
#include "ui/selection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <algorithm>

namespace nalo {
namespace {

struct TRowRange {
  std::size_t First;
  std::size_t Last;
};

std::vector<TRowRange> MergedRanges(const QItemSelectionModel* selection) {
  std::vector<TRowRange> ranges;
  if (selection == nullptr) return ranges;
  for (const QItemSelectionRange& r : selection->selection()) {
    if (!r.isValid()) continue;
    ranges.push_back({static_cast<std::size_t>(r.top()), static_cast<std::size_t>(r.bottom())});
  }
  std::sort(ranges.begin(), ranges.end(),
            [](const TRowRange& a, const TRowRange& b) { return a.First < b.First; });
  std::vector<TRowRange> merged;
  for (const TRowRange& r : ranges) {
    if (!merged.empty() && r.First <= merged.back().Last + 1) {
      merged.back().Last = std::max(merged.back().Last, r.Last);
    } else {
      merged.push_back(r);
    }
  }
  return merged;
}

QItemSelection RowSelection(const QAbstractItemModel* model, const std::vector<std::size_t>& rows) {
  QItemSelection selection;
  const int last_column = model->columnCount() - 1;
  std::size_t i = 0;
  while (i < rows.size()) {
    std::size_t j = i;
    while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
    selection.select(model->index(static_cast<int>(rows[i]), 0),
                     model->index(static_cast<int>(rows[j]), last_column));
    i = j + 1;
  }
  return selection;
}

}  // namespace

std::vector<std::size_t> SelectedRows(const QItemSelectionModel* selection) {
  std::vector<std::size_t> rows;
  for (const TRowRange& r : MergedRanges(selection)) {
    for (std::size_t row = r.First; row <= r.Last; ++row) rows.push_back(row);
  }
  return rows;
}

std::size_t SelectedRowCount(const QItemSelectionModel* selection) {
  std::size_t count = 0;
  for (const TRowRange& r : MergedRanges(selection)) count += r.Last - r.First + 1;
  return count;
}

std::vector<bool> SelectionFlags(const QItemSelectionModel* selection, std::size_t row_count) {
  std::vector<bool> flags(row_count, false);
  for (const TRowRange& r : MergedRanges(selection)) {
    for (std::size_t row = r.First; row <= r.Last && row < row_count; ++row) flags[row] = true;
  }
  return flags;
}

void SelectRows(QAbstractItemView* view, const std::vector<std::size_t>& rows) {
  QItemSelectionModel* selection = view->selectionModel();
  selection->select(RowSelection(view->model(), rows), QItemSelectionModel::ClearAndSelect);
}

void InvertSelection(QAbstractItemView* view) {
  const int count = view->model()->rowCount();
  if (count == 0) return;
  QItemSelection all;
  all.select(view->model()->index(0, 0),
             view->model()->index(count - 1, view->model()->columnCount() - 1));
  view->selectionModel()->select(all, QItemSelectionModel::Toggle);
}

}  // namespace nalo
