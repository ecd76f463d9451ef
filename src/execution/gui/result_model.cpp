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
}  // namespace

QString TResultModel::ProblemText(TRowClash clash) {
  switch (clash) {
    case TRowClash::kExists: return QStringLiteral("同名の項目あり");
    case TRowClash::kDuplicate: return QStringLiteral("名前が重複");
    case TRowClash::kInvalid: return QStringLiteral("使えない名前");
    case TRowClash::kTooLong: return QStringLiteral("名前が長すぎる");
    case TRowClash::kNone: break;
  }
  return {};
}

TResultModel::TResultModel(TConfirmationList& rows, const TEntryList& entries,
                           std::vector<TRowClash> clashes, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), entries_(entries), clashes_(std::move(clashes)) {
  if (clashes_.size() == rows_.size()) {
    CountProblems();
  } else {
    Recheck();
  }
}

std::vector<TRowClash> TResultModel::CheckedClashes() const {
  return PreviewClashes(rows_, entries_);
}

void TResultModel::Recheck() {
  std::vector<TRowClash> clashes;
  run_long_step_(QString::fromUtf8(kCheckingNewNamesText), [&] { clashes = CheckedClashes(); });
  clashes_ = std::move(clashes);
  CountProblems();
  if (!rows_.empty()) {
    emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, kColumnCount - 1));
  }
}

void TResultModel::CountProblems() {
  problem_count_ = static_cast<std::size_t>(std::count_if(
      clashes_.begin(), clashes_.end(), [](TRowClash c) { return c != TRowClash::kNone; }));
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

// The verdicts are made again for the new order: it is the batch order, and with
// it changes which row of a pair clashes.
void TResultModel::SortByColumnClick(int column) {
  sort_.Click(column);
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<std::size_t> moved;
  run_long_step_(QStringLiteral("並べ替えています..."), [&] {
    moved = SortConfirmationRows(entries_, rows_, clashes_, sort_);
    clashes_ = CheckedClashes();
  });
  CountProblems();
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& i : before) {
    after.push_back(index(static_cast<int>(moved[static_cast<std::size_t>(i.row())]), i.column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// The kept rows close up in one pass, however many are removed and wherever they
// are; the view is then told of a new list rather than of each gap.
void TResultModel::RemoveRows(const std::vector<std::size_t>& rows) {
  std::vector<bool> removed(rows_.size(), false);
  for (std::size_t row : rows) {
    if (row < rows_.size()) removed[row] = true;
  }
  beginResetModel();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (removed[i]) continue;
    if (kept != i) rows_[kept] = std::move(rows_[i]);
    ++kept;
  }
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(kept), rows_.end());
  clashes_.assign(rows_.size(), TRowClash::kNone);
  endResetModel();
  Recheck();
}

void TResultModel::SetNewName(std::size_t row, std::string new_name) {
  if (row >= rows_.size()) return;
  rows_[row].NewName = std::move(new_name);
  Recheck();
}

}  // namespace nalo
