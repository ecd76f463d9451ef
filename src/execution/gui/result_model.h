// TResultModel: the table model of the confirmation window, a view over the
// confirmation rows a rule produced. Sorting and removing rows change the row
// vector itself, so the rows the apply step receives are exactly what the user
// sees, in the order shown.
#pragma once

#include <QAbstractTableModel>
#include <cstddef>
#include <vector>

#include "rules/confirmation_row.h"

namespace nalo {

class TResultModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kColumnCount = 3;  // old name, new name, folder

  explicit TResultModel(TConfirmationList& rows, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  TConfirmationList& Rows() { return rows_; }

  // A click on a column: the sort column flips its direction, another column
  // becomes the sort column in ascending order. Returns the new position of each
  // old row (old index -> new index).
  std::vector<std::size_t> SortByColumnClick(int column);
  int SortColumn() const { return sort_column_; }
  bool SortAscending() const { return sort_ascending_; }

  // Removes the rows (any order, repeats ignored).
  void RemoveRows(std::vector<std::size_t> rows);
  void SetNewName(std::size_t row, std::string new_name);

 private:
  TConfirmationList& rows_;
  int sort_column_ = 0;
  bool sort_ascending_ = false;
};

}  // namespace nalo
