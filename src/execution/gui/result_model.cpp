// The table over the confirmation rows: texts and problem marks per role; the
// order and the clash verdicts come from the core.
#include "execution/gui/result_model.h"

#include <QColor>
#include <algorithm>

#include "execution/gui/problem_marks.h"
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

}  // namespace

TResultModel::TResultModel(TConfirmationList& rows, const TEntryList& entries, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), entries_(entries) {
  Recheck();
}

void TResultModel::Recheck() {
  clashes_ = PreviewClashes(rows_, entries_);
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
  return FromCp932(ConfirmationColumnText(entries_, rows_[row], index.column()));
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

void TResultModel::SortByColumnClick(int column) {
  sort_.Click(column);
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const std::vector<std::size_t> moved = SortConfirmationRows(entries_, rows_, clashes_, sort_);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& i : before) {
    after.push_back(index(static_cast<int>(moved[static_cast<std::size_t>(i.row())]), i.column()));
  }
  changePersistentIndexList(before, after);
  clashes_.assign(rows_.size(), TRowClash::kNone);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  Recheck();  // the batch order changed, and with it which row of a pair clashes
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
