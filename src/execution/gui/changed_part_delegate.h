// TChangedPartDelegate: paints a new name with the part that differs from the
// present name on a highlighted background, so a glance down the confirmation
// list shows what each rename changes.
#pragma once

#include <QStyledItemDelegate>
#include <utility>

namespace nalo {

// The part of `after` that differs from `before`, as (start, length): what is left
// of `after` once the longest common beginning and then the longest common end
// (not overlapping it) are taken away. Surrogate pairs are never split.
std::pair<int, int> ChangedPart(const QString& before, const QString& after);

class TChangedPartDelegate : public QStyledItemDelegate {
 public:
  // `before_column` holds the present name of the row.
  TChangedPartDelegate(int before_column, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  int before_column_;
};

}  // namespace nalo
