// The codec registry window (TFFourCC, "コーデック名登録"): the rows of codecs.dat
// (video mode) or audio.dat (audio mode) in a two-column list, added, changed and
// deleted through the entry dialog and written back as a whole on OK. Cancel
// leaves the file as it was.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "fileinfo/codec_registry.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace nalo {

class TMessenger;

class TFFourCC : public QDialog {
  Q_OBJECT
 public:
  TFFourCC(TMessenger& messenger, std::string settings_dir, TCodecMode mode,
           QWidget* parent = nullptr);

  const std::vector<TCodecRow>& Rows() const { return rows_; }

  // The commands, as the buttons, the menu and the list call them.
  void AddRow();
  void ChangeSelectedRow();
  void DeleteSelectedRows();
  void SortByColumn(int column);
  void Save();

 private:
  void BuildControls();
  void BuildMenu();
  void ShowRows(const std::vector<std::size_t>& selected);
  std::vector<std::size_t> SelectedRows() const;
  void UpdateMenuItems();

  TMessenger& messenger_;
  std::string settings_dir_;
  TCodecMode mode_;
  std::vector<TCodecRow> rows_;  // in display order
  int sort_column_ = 0;
  bool ascending_ = true;

  QTreeWidget* ListView1;
  QLabel* Label1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QPushButton* BitBtn3;
  QPushButton* BitBtn4;
  QMenu* PopupMenu1;
  QAction* N1;
  QAction* M1;
  QAction* Delete1;
};

// Opens the registry of `mode` modally, titled "コーデック名登録(映像)" or
// "コーデック名登録(音声)".
void OpenCodecRegistry(QWidget* parent, TMessenger& messenger, const std::string& settings_dir,
                       TCodecMode mode);

}  // namespace nalo
