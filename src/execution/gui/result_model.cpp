// Rows compare by the collation key of the sort column's text, then by that of the
// present name; a stable sort keeps rows that are equal in both in their order.
// The problem column sorts by the kind of problem.
#include "execution/gui/result_model.h"

#include <QColor>
#include <algorithm>
#include <numeric>

#include "execution/gui/problem_marks.h"
#include "listing/list_sort.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// The problem column's text and the tooltip that explains it.
QString ProblemText(TRowClash clash) {
  switch (clash) {
    case TRowClash::kExists: return QStringLiteral("同名の項目あり");
    case TRowClash::kDuplicate: return QStringLiteral("名前が重複");
    case TRowClash::kInvalid: return QStringLiteral("使えない名前");
    case TRowClash::kTooLong: return QStringLiteral("名前が長すぎる");
    case TRowClash::kNone: break;
  }
  return {};
}

const std::string& ColumnText(const TConfirmationRow& row, int column) {
  switch (column) {
    case 0: return row.OldName;
    case 1: return row.NewName;
    default: return row.Folder;
  }
}

}  // namespace

TResultModel::TResultModel(TConfirmationList& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {
  Recheck();
}

void TResultModel::Recheck() {
  clashes_ = PreviewClashes(rows_);
  if (!rows_.empty()) {
    emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, kColumnCount - 1));
  }
}

std::size_t TResultModel::ProblemCount() const {
  return static_cast<std::size_t>(std::count_if(clashes_.begin(), clashes_.end(),
                                                [](TRowClash c) { return c != TRowClash::kNone; }));
}

int TResultModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TResultModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant TResultModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows_.size()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const TRowClash clash = clashes_[row];
  if (role == Qt::ForegroundRole)
    return clash == TRowClash::kNone ? QVariant() : QVariant(ProblemColour());
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  if (index.column() == kProblemColumn) {
    return role == Qt::DisplayRole ? ProblemText(clash) : ProblemHint(clash);
  }
  return FromCp932(ColumnText(rows_[row], index.column()));
}

QVariant TResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
    switch (section) {
      case 0: return QStringLiteral("変更前");
      case 1: return QStringLiteral("変更後");
      case 2: return QStringLiteral("場所");
      case kProblemColumn: return QStringLiteral("問題");
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
    keys[i] = column == kProblemColumn ? std::string(1, static_cast<char>(clashes_[i]))
                                       : NameSortKey(ColumnText(rows_[i], column));
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
  clashes_.assign(rows_.size(), TRowClash::kNone);
  emit layoutChanged();
  Recheck();  // the batch order changed, and with it which row of a pair clashes
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
    clashes_.erase(clashes_.begin() + static_cast<std::ptrdiff_t>(*it));
    endRemoveRows();
  }
  Recheck();
}

void TResultModel::SetNewName(std::size_t row, std::string new_name) {
  if (row >= rows_.size()) return;
  rows_[row].NewName = std::move(new_name);
  Recheck();
}

}  // namespace nalo
