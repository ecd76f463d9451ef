// Rows compare by the upper-cased text of the sort column, then by the upper-cased
// present name; a stable sort keeps rows that are equal in both in their order.
#include "execution/gui/result_model.h"

#include <algorithm>
#include <numeric>

#include "listing/list_sort.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

const std::string& ColumnText(const TConfirmationRow& row, int column) {
  switch (column) {
    case 0: return row.OldName;
    case 1: return row.NewName;
    default: return row.Folder;
  }
}

}  // namespace

TResultModel::TResultModel(TConfirmationList& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {}

int TResultModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TResultModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant TResultModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows_.size()) return {};
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  return FromCp932(ColumnText(rows_[static_cast<std::size_t>(index.row())], index.column()));
}

QVariant TResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
    switch (section) {
      case 0: return QStringLiteral("変更前");
      case 1: return QStringLiteral("変更後");
      case 2: return QStringLiteral("場所");
      default: break;
    }
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

std::vector<std::size_t> TResultModel::SortByColumnClick(int column) {
  if (column == sort_column_) {
    sort_ascending_ = !sort_ascending_;
  } else {
    sort_column_ = column;
    sort_ascending_ = true;
  }
  std::vector<std::string> keys(rows_.size());
  std::vector<std::string> names(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    keys[i] = NameSortKey(ColumnText(rows_[i], column));
    names[i] = NameSortKey(rows_[i].OldName);
  }
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    int c = keys[a].compare(keys[b]);
    if (c == 0) c = names[a].compare(names[b]);
    return sort_ascending_ ? c < 0 : c > 0;
  });
  emit layoutAboutToBeChanged();
  TConfirmationList sorted;
  sorted.reserve(rows_.size());
  std::vector<std::size_t> new_position(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    new_position[order[i]] = i;
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_ = std::move(sorted);
  emit layoutChanged();
  return new_position;
}

void TResultModel::RemoveRows(std::vector<std::size_t> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (*it >= rows_.size()) continue;
    const int row = static_cast<int>(*it);
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*it));
    endRemoveRows();
  }
}

void TResultModel::SetNewName(std::size_t row, std::string new_name) {
  if (row >= rows_.size()) return;
  rows_[row].NewName = std::move(new_name);
  const int r = static_cast<int>(row);
  emit dataChanged(index(r, 1), index(r, 1));
}

}  // namespace nalo
