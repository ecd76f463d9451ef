// Cells are read with a bounds check against both the shown row count and the
// entry list itself, so a view that asks in the middle of a rebuild gets nothing
// rather than a stale entry. The marker icons are drawn once.
#include "listing/gui/entry_list_model.h"

#include <QPainter>
#include <QPixmap>
#include <limits>

#include "listing/list_edit.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Icons are drawn at this size; the view scales them to its row height.
constexpr int kIconSize = 16;

// Thick strokes of one colour on a transparent square.
QIcon DrawIcon(const QColor& colour, std::initializer_list<QLine> strokes) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour, 3));
  for (const QLine& stroke : strokes) p.drawLine(stroke);
  return QIcon(pixmap);
}

QIcon DrawRenamedIcon() {  // a green tick
  return DrawIcon(QColor(0, 200, 0), {QLine(3, 8, 7, 12), QLine(7, 12, 13, 3)});
}

QIcon DrawFailedIcon() {  // a red cross
  return DrawIcon(QColor(230, 30, 30), {QLine(3, 3, 13, 13), QLine(13, 3, 3, 13)});
}

QIcon DrawLegacyIcon() {  // a blue frame: the name is stored in Shift-JIS bytes
  return DrawIcon(QColor(30, 90, 220), {QLine(3, 3, 13, 3), QLine(13, 3, 13, 13),
                                        QLine(13, 13, 3, 13), QLine(3, 13, 3, 3)});
}

// Said beside the name of a legacy entry when the pointer rests on it.
constexpr const char* kLegacyHint = "（Shift-JIS の名前。変更すると UTF-8 で書きます）";

std::string CellText(const TListData& entry, int column) {
  switch (column) {
    case 0: return entry.Name;
    case 1: return entry.SizeText();
    case 2: return entry.DateText();
    default: return entry.Location;
  }
}

}  // namespace

TEntryListModel::TEntryListModel(TEntryList& entries, QObject* parent)
    : QAbstractTableModel(parent), entries_(entries) {
  captions_ = {QStringLiteral("ファイル名"), QStringLiteral("サイズ（バイト）"),
               QStringLiteral("更新日時"), QStringLiteral("場所"), QStringLiteral("変更後")};
}

int TEntryListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int TEntryListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant TEntryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ ||
      static_cast<std::size_t>(index.row()) >= entries_.Count()) {
    return {};
  }
  if (index.column() == kNewNameColumn) {
    return new_name_ ? new_name_(static_cast<std::size_t>(index.row()), role) : QVariant();
  }
  const TListData& entry = entries_.EntryAt(static_cast<std::size_t>(index.row()));
  switch (role) {
    case Qt::DisplayRole: return FromCp932(CellText(entry, index.column()));
    case Qt::ToolTipRole:
      if (index.column() == 0) return NameTip(entry);
      return FromCp932(CellText(entry, index.column()));
    case Qt::EditRole:
      if (index.column() == 0) return FromCp932(entry.Name);
      return {};
    case Qt::DecorationRole:
      if (index.column() != 0) return {};
      if (entry.State != kStateUntouched) return MarkerIcon(entry.State);
      if (entry.Legacy) return MarkerIcon(kLegacyMark);
      return {};
    case Qt::TextAlignmentRole:
      if (index.column() == 1) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
      return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QString TEntryListModel::NameTip(const TListData& entry) const {
  QString tip = FromCp932(entry.Name);
  if (entry.Legacy) tip += QString::fromUtf8(kLegacyHint);
  if (entry.State == kStateFailed && failure_hint_) {
    const std::string reason = failure_hint_(entry);
    if (!reason.empty()) tip += QStringLiteral("\n") + FromUtf8(reason);
  }
  return tip;
}

Qt::ItemFlags TEntryListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() == 0 && name_editor_) flags |= Qt::ItemIsEditable;
  return flags;
}

bool TEntryListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !name_editor_ || !index.isValid() || index.column() != 0 ||
      index.row() >= rows_) {
    return false;
  }
  name_editor_(static_cast<std::size_t>(index.row()), value.toString());
  emit dataChanged(index, index);
  return true;
}

QVariant TEntryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (role == Qt::DisplayRole) return captions_[static_cast<std::size_t>(section)];
  if (role == Qt::TextAlignmentRole && section == 1) {
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

void TEntryListModel::SetCaption(int column, const QString& caption) {
  if (column < 0 || column >= kColumnCount) return;
  captions_[static_cast<std::size_t>(column)] = caption;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void TEntryListModel::ShowNothing() {
  beginResetModel();
  rows_ = 0;
  endResetModel();
}

void TEntryListModel::Reset() {
  beginResetModel();
  const std::size_t limit = static_cast<std::size_t>(std::numeric_limits<int>::max());
  rows_ = static_cast<int>(std::min(entries_.Count(), limit));
  endResetModel();
}

void TEntryListModel::Reorder(const std::function<std::vector<std::uint32_t>()>& reorder) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const std::vector<std::uint32_t> moved = reorder();
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& i : before) {
    const auto row = static_cast<std::size_t>(i.row());
    after.push_back(row < moved.size() ? index(static_cast<int>(moved[row]), i.column())
                                       : QModelIndex());
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TEntryListModel::EntriesChanged() {
  if (rows_ == 0) return;
  emit dataChanged(index(0, 0), index(rows_ - 1, kColumnCount - 1));
}

void TEntryListModel::NewNamesChanged() {
  if (rows_ == 0) return;
  emit dataChanged(index(0, kNewNameColumn), index(rows_ - 1, kNewNameColumn));
}

QIcon TEntryListModel::MarkerIcon(int state) {
  static const QIcon renamed = DrawRenamedIcon();
  static const QIcon failed = DrawFailedIcon();
  static const QIcon legacy = DrawLegacyIcon();
  if (state == kLegacyMark) return legacy;
  return state == kStateRenamed ? renamed : failed;
}

QModelIndexList TEntryListModel::match(const QModelIndex& start, int role, const QVariant& value,
                                       int hits, Qt::MatchFlags flags) const {
  const bool type_to_find =
      role == Qt::DisplayRole && hits == 1 && (flags & Qt::MatchTypeMask) == Qt::MatchStartsWith;
  if (!type_to_find) return QAbstractTableModel::match(start, role, value, hits, flags);
  const std::optional<std::string> text = ToCp932(value.toString());
  if (!text || rows_ == 0) return {};
  const std::size_t from = start.isValid() ? static_cast<std::size_t>(start.row()) : 0;
  const std::optional<std::size_t> found =
      FindEntryByPrefix(entries_, *text, from, flags.testFlag(Qt::MatchWrap));
  if (!found || *found >= static_cast<std::size_t>(rows_)) return {};
  return {index(static_cast<int>(*found), 0)};
}

}  // namespace nalo
