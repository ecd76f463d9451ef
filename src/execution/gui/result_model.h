// TResultModel: the table model of the confirmation window, a view over the
// confirmation rows a rule produced. Sorting (the core's SortConfirmationRows) and
// removing rows change the row vector itself, so the rows the apply step receives
// are exactly what the user sees, in the order shown; a sort moves the persistent
// indexes along, so a selection stays on its rows. Each row also carries the verdict of the core's
// clash preview (the one nalo-cli shows), checked again after every change, so the rows that would
// fail are marked before anything is applied.
#pragma once

#include <QAbstractTableModel>
#include <cstddef>
#include <vector>

#include "execution/confirmation_sort.h"
#include "execution/rename_preview.h"
#include "rules/confirmation_row.h"

namespace nalo {

class TResultModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kColumnCount = 4;  // old name, new name, folder, problem

  // `entries` are the entries the rows were made from: the rows' old names and
  // folders are theirs, and targets are answered from the names the scan kept
  // instead of a look at the disk per row.
  TResultModel(TConfirmationList& rows, const TEntryList& entries, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  TConfirmationList& Rows() { return rows_; }
  std::size_t ProblemCount() const;

  // A click on a column sorts the rows (TConfirmationSort::Click); selections
  // and the current row stay on their rows.
  void SortByColumnClick(int column);
  int SortColumn() const { return sort_.Column; }
  bool SortAscending() const { return sort_.Ascending; }

  // Removes the rows (any order, repeats ignored).
  void RemoveRows(std::vector<std::size_t> rows);
  void SetNewName(std::size_t row, std::string new_name);

 private:
  // Runs the clash preview over the rows as they stand now.
  void Recheck();

  TConfirmationList& rows_;
  const TEntryList& entries_;
  std::vector<TRowClash> clashes_;
  TConfirmationSort sort_;
};

}  // namespace nalo
