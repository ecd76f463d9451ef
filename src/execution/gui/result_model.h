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
#include <functional>
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
  // instead of a look at the disk per row. `clashes`, one per row, are the
  // verdicts already made for the rows as given; without them the model makes its
  // own.
  TResultModel(TConfirmationList& rows, const TEntryList& entries,
               std::vector<TRowClash> clashes = {}, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Runs a long step over all rows (a sort, a clash check) and returns when it is
  // done; `what` says what it does. The step reads the rows and may reorder them,
  // so the list must not paint meanwhile.
  using TLongStepRunner =
      std::function<void(const QString& what, const std::function<void()>& step)>;
  // By default the steps run at once, on this thread.
  void SetLongStepRunner(TLongStepRunner runner) { run_long_step_ = std::move(runner); }

  TConfirmationList& Rows() { return rows_; }
  std::size_t ProblemCount() const { return problem_count_; }
  // The text of the problem column for `clash` (empty for kNone).
  static QString ProblemText(TRowClash clash);

  // A click on a column sorts the rows (TConfirmationSort::Click); selections
  // and the current row stay on their rows.
  void SortByColumnClick(int column);
  int SortColumn() const { return sort_.Column; }
  bool SortAscending() const { return sort_.Ascending; }

  // Removes the rows (any order, repeats ignored); the view sees a reset.
  void RemoveRows(const std::vector<std::size_t>& rows);
  void SetNewName(std::size_t row, std::string new_name);

 private:
  // Runs the clash preview over the rows as they stand now.
  void Recheck();
  std::vector<TRowClash> CheckedClashes() const;
  void CountProblems();

  TConfirmationList& rows_;
  const TEntryList& entries_;
  std::vector<TRowClash> clashes_;
  std::size_t problem_count_ = 0;  // rows of clashes_ other than kNone
  TConfirmationSort sort_;
  TLongStepRunner run_long_step_ = [](const QString&, const std::function<void()>& step) {
    step();
  };
};

}  // namespace nalo
