// The cell is drawn as the style draws an empty item (background, selection,
// focus), then the text in three runs: unchanged start, changed part on the
// highlight, unchanged end.
#include "execution/gui/changed_part_delegate.h"

#include <QApplication>
#include <QPainter>

namespace nalo {
namespace {

QColor HighlightBackground() { return QColor(0x30, 0x40, 0xA0); }

}  // namespace

std::pair<int, int> ChangedPart(const QString& before, const QString& after) {
  const int limit = static_cast<int>(std::min(before.size(), after.size()));
  int head = 0;
  while (head < limit && before[head] == after[head]) ++head;
  if (head > 0 && after[head - 1].isHighSurrogate()) --head;
  int tail = 0;
  while (tail < limit - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  if (tail > 0 && after[after.size() - tail].isLowSurrogate()) --tail;
  return {head, static_cast<int>(after.size()) - head - tail};
}

TChangedPartDelegate::TChangedPartDelegate(int before_column, QObject* parent)
    : QStyledItemDelegate(parent), before_column_(before_column) {}

void TChangedPartDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QString after = opt.text;
  const QString before = index.siblingAtColumn(before_column_).data().toString();
  opt.text.clear();
  const QStyle* style = opt.widget != nullptr ? opt.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

  const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
  const auto [start, length] = ChangedPart(before, after);
  const QFontMetrics metrics(opt.font);
  const QString head = after.left(start);
  const QString middle = after.mid(start, length);
  const QString tail = after.mid(start + length);
  const int x0 = area.left() + 2;
  const int x1 = x0 + metrics.horizontalAdvance(head);
  const int x2 = x1 + metrics.horizontalAdvance(middle);
  const QColor text = opt.palette.color(
      opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text);
  painter->save();
  painter->setClipRect(area);
  painter->setFont(opt.font);
  painter->setPen(index.data(Qt::ForegroundRole).isValid()
                      ? index.data(Qt::ForegroundRole).value<QColor>()
                      : text);
  if (length > 0)
    painter->fillRect(QRect(x1, area.top() + 1, x2 - x1, area.height() - 2), HighlightBackground());
  const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine;
  painter->drawText(QRect(x0, area.top(), x1 - x0, area.height()), flags, head);
  painter->drawText(QRect(x1, area.top(), x2 - x1, area.height()), flags, middle);
  painter->drawText(QRect(x2, area.top(), area.right() - x2 + 1, area.height()), flags, tail);
  painter->restore();
}

}  // namespace nalo
