// TEntryListModel: the table model of ListView1, a thin view over the entry list
// owned by the main window. It copies nothing: the row count is the entry count
// taken at the last reset, and each cell is read from the entry when the view asks
// for it, so a list of a million entries scrolls and sorts without copies.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "listing/list_data.h"

namespace nalo {

class TEntryListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kColumnCount = 5;    // name, size, date, location, new name
  static constexpr int kNewNameColumn = 4;  // filled by a provider; empty without one

  explicit TEntryListModel(TEntryList& entries, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The name column is editable in place while a name editor is set; an edit is
  // handed to it unchanged, and the row shows whatever the entry holds afterwards.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  // Type-to-find of the view: whatever column holds the current cell, the first
  // entry from `start` on whose name begins with the typed text (FindEntryByPrefix),
  // answered in the name column.
  QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                        Qt::MatchFlags flags) const override;

  // Receives the edited name of a row (the row is the entry index).
  using TNameEditor = std::function<void(std::size_t row, const QString& text)>;
  void SetNameEditor(TNameEditor editor) { name_editor_ = std::move(editor); }

  // Answers every role of the new-name column (row = entry index).
  using TColumnProvider = std::function<QVariant(std::size_t row, int role)>;
  void SetNewNameProvider(TColumnProvider provider) { new_name_ = std::move(provider); }
  // The new-name column's contents changed.
  void NewNamesChanged();

  // Says why a failed entry failed (empty: not known); shown under the name in
  // the name cell's tooltip of a row with the failed mark.
  using TFailureHint = std::function<std::string(const TListData& entry)>;
  void SetFailureHint(TFailureHint hint) { failure_hint_ = std::move(hint); }

  void SetCaption(int column, const QString& caption);
  QString Caption(int column) const { return captions_[static_cast<std::size_t>(column)]; }

  // The view shows no rows (while a scan rebuilds the list).
  void ShowNothing();
  // The view shows the entry list as it is now.
  void Reset();
  // Runs `reorder`, which moves the entries and returns the new position of each
  // old one; selections and the current row stay on their entries.
  void Reorder(const std::function<std::vector<std::uint32_t>()>& reorder);
  // Texts or markers of existing entries changed.
  void EntriesChanged();

  // The row icons: renamed (State 0), failed (State 1), and kLegacyMark for an
  // untouched entry whose name is legacy Shift-JIS bytes.
  static constexpr int kLegacyMark = 2;
  static QIcon MarkerIcon(int state);

 private:
  QString NameTip(const TListData& entry) const;

  TEntryList& entries_;
  int rows_ = 0;
  std::array<QString, kColumnCount> captions_;
  TNameEditor name_editor_;
  TColumnProvider new_name_;
  TFailureHint failure_hint_;
};

}  // namespace nalo
