// TFFolderTreeView: the folder tree window beside the main window. A dock widget
// that floats as a tool window or docks at the left of the entry list; it shows
// the folders of the disk from "/" down (hidden folders left out), the target
// mode boxes, the sub-folder search box and a button to go one folder up. It
// decides nothing itself: every choice of the user is reported by a signal, and
// the main window sets its boxes back "quietly", without those signals.
#pragma once

#include <QDockWidget>
#include <QString>

class QCheckBox;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace nalo {

// Smallest size of the floating window: the boxes and the button stay readable.
inline constexpr int kFolderTreeMinWidth = 212;
inline constexpr int kFolderTreeMinHeight = 150;

class TFFolderTreeView : public QDockWidget {
  Q_OBJECT
 public:
  explicit TFFolderTreeView(QWidget* parent = nullptr);

  // Selects `folder` (UTF-8 path) without reporting FolderSelected.
  void SelectFolderQuietly(const QString& folder);
  // Path of the selected folder; empty when none is selected.
  QString SelectedFolder() const;
  // Checks "ファイル" or "フォルダ" without reporting FilesModeChosen.
  void SetFilesModeQuietly(bool files_mode);
  void SetSubFolder(bool on);
  // Keeps the floating window above all other windows.
  void SetTopMost(bool on);
  bool TopMost() const { return top_most_; }
  // While detached, a change of the selected folder is not reported.
  void SetSelectionReactionAttached(bool attached) { reaction_attached_ = attached; }

  // "一つ上": selects the parent folder unless the root is selected.
  void btn_UpClick();

  QTreeView* ShellTreeView1 = nullptr;
  QLabel* Label1 = nullptr;
  QRadioButton* rbtn_File = nullptr;
  QRadioButton* rbtn_Folder = nullptr;
  QCheckBox* chk_SubFolder = nullptr;
  QPushButton* btn_Up = nullptr;

 signals:
  void FolderSelected(const QString& folder);
  void TreeEntered();
  void FilesModeChosen(bool files_mode);
  void SubFolderClicked(bool on);
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildContents();
  void BuildTree(QWidget* owner);
  void FloatingChanged(bool floating);
  void SelectIndexQuietly(const QModelIndex& index);
  // Scrolls the selected folder into view while no user has moved the tree since.
  void KeepCurrentInView();

  QFileSystemModel* model_ = nullptr;
  bool reaction_attached_ = true;
  bool scroll_pending_ = false;  // the selected folder is kept in view
  bool top_most_ = false;
};

}  // namespace nalo
