// The main window's side of the folder tree window: the menu item that shows and
// hides it, listing the folder chosen in the tree, the target mode boxes and the
// sub-folder box (written to Nalo.ini at once), and its state across a restart.
// The window is made at its first use and kept until shutdown.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QTableView>
#include <QTimer>
#include <QTreeView>

#include "app/ffolder_tree_view.h"
#include "app/main_window.h"
#include "settings/ini_file.h"
#include "settings/options_settings.h"
#include "settings/settings_folder.h"
#include "ui/cp932_guard.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// A folder tree window never placed opens this far inside the list's corner.
constexpr int kFolderTreeOffset = 24;

}  // namespace

TFFolderTreeView* TFMainFrm::FolderTreeView() const { return folder_tree_.data(); }

const QObject* TFMainFrm::FolderTreeDockWidget() const { return folder_tree_.data(); }

void TFMainFrm::menu_FolderWinClick() {
  if (folder_tree_ != nullptr && folder_tree_->isVisible()) {
    folder_tree_->close();  // the close reaction writes the sub-folder option
    return;
  }
  CreateFolderTree();
  LoadFolderTreeSubFolder();
  folder_tree_->show();
  folder_tree_->raise();
  Action("menu_FolderWin")->setChecked(true);
}

// Creates the window hidden, floating at the remembered bounds, with the current
// folder selected quietly and the boxes showing the target mode.
void TFMainFrm::CreateFolderTree() {
  if (folder_tree_ != nullptr) return;
  const TFolderWinSettings& saved = settings_.Main.FolderWin;
  folder_tree_ = new TFFolderTreeView(this);
  addDockWidget(Qt::LeftDockWidgetArea, folder_tree_);
  folder_tree_->hide();
  folder_tree_->setFloating(true);
  folder_tree_->SetTopMost(saved.TopMost);
  folder_tree_->setGeometry(saved.Bounds.Left, saved.Bounds.Top, saved.Bounds.Width,
                            saved.Bounds.Height);
  // Never placed (0,0 would cover the menu bar): beside the list, below the tool bar.
  if (saved.Bounds.Left == 0 && saved.Bounds.Top == 0) {
    folder_tree_->move(
        mapToGlobal(ListView1->mapTo(this, QPoint(kFolderTreeOffset, kFolderTreeOffset))));
  }
  folder_tree_->setAttribute(Qt::WA_Moved);
  folder_tree_->installEventFilter(this);  // KeepDockedWidth
  if (!state_.CurrentFolder.empty() && QFileInfo(FromCp932(state_.CurrentFolder)).isDir()) {
    folder_tree_->SelectFolderQuietly(FromCp932(state_.CurrentFolder));
  }
  folder_tree_->SetFilesModeQuietly(FilesMode());
  connect(folder_tree_, &TFFolderTreeView::FolderSelected, this, &TFMainFrm::FolderTreeChange);
  connect(folder_tree_, &TFFolderTreeView::TreeEntered, this, [this] { tree_has_focus_ = true; });
  connect(folder_tree_, &TFFolderTreeView::FilesModeChosen, this,
          [this](bool files_mode) { files_mode ? File2Click() : Folder1Click(); });
  connect(folder_tree_, &TFFolderTreeView::SubFolderClicked, this,
          &TFMainFrm::FolderTreeSubFolderClick);
  connect(folder_tree_, &TFFolderTreeView::Closed, this, &TFMainFrm::FolderTreeClosed);
}

void TFMainFrm::FolderTreeChange(const QString& folder) {
  ListFolder(folder);
  if (ToCp932(folder)) SetGuardedText(cmb_Path, folder);
  if (tree_has_focus_) folder_tree_->ShellTreeView1->setFocus();
}

void TFMainFrm::FolderTreeClosed() {
  Action("menu_FolderWin")->setChecked(false);
  WriteSubFolderNow(folder_tree_->chk_SubFolder->isChecked());
}

void TFMainFrm::FolderTreeSubFolderClick(bool on) {
  WriteSubFolderNow(on);
  settings_.Main.SubFolder = on;
}

// The box shows the option as the file holds it, and the window follows the file.
void TFMainFrm::LoadFolderTreeSubFolder() {
  const bool on = ReadSubFolderOption(TIniFile(MainSettingsPath(options_.SettingsFolder)));
  settings_.Main.SubFolder = on;
  folder_tree_->SetSubFolder(on);
}

void TFMainFrm::WriteSubFolderNow(bool on) {
  try {
    TIniFile ini(MainSettingsPath(options_.SettingsFolder));
    WriteSubFolderOption(ini, on);
    ini.Save();
  } catch (const EIniWriteError& e) {
    messenger_->Error(this, FromUtf8(e.what()));
  }
}

void TFMainFrm::SyncFolderTreeMode() {
  if (folder_tree_ != nullptr) folder_tree_->SetFilesModeQuietly(FilesMode());
}

void TFMainFrm::SetFolderTreeEnabled(bool enabled) {
  if (folder_tree_ != nullptr) folder_tree_->setEnabled(enabled);
}

// At the first showing: the window comes back when it was open at the last
// shutdown, docked with the saved panel width when it was docked. Its folder
// was listed already, so showing it lists nothing.
void TFMainFrm::RestoreFolderTree() {
  const TFolderWinSettings& saved = settings_.Main.FolderWin;
  if (!saved.Status) return;
  const int docked_width = saved.DockPnlWidth;  // the docking below records a width of its own
  CreateFolderTree();
  LoadFolderTreeSubFolder();
  activateWindow();
  folder_tree_->SetSelectionReactionAttached(false);
  if (saved.Dock) folder_tree_->setFloating(false);
  folder_tree_->show();
  folder_tree_->SetSelectionReactionAttached(true);
  Action("menu_FolderWin")->setChecked(true);
  // The dock area takes a width only once the window has laid the new dock out.
  if (!saved.Dock) return;
  QTimer::singleShot(0, this, [this, width = docked_width] {
    if (folder_tree_ != nullptr && !folder_tree_->isFloating()) {
      resizeDocks({folder_tree_}, {width}, Qt::Horizontal);
    }
  });
}

// At shutdown: whether the window is open and docked, its floating bounds and the
// docked width go into the settings record.
void TFMainFrm::TakeFolderTreeState() {
  TFolderWinSettings& w = settings_.Main.FolderWin;
  w.Status = folder_tree_ != nullptr && folder_tree_->isVisible();
  w.Dock = folder_tree_ != nullptr && !folder_tree_->isFloating();
  if (folder_tree_ == nullptr) return;
  if (w.Dock) {
    w.DockPnlWidth = folder_tree_->width();
    return;
  }
  const QRect bounds = folder_tree_->geometry();
  w.Bounds = {bounds.top(), bounds.left(), bounds.height(), bounds.width()};
}

// The panel width is saved whatever the state at shutdown: the width the window
// last had while docked is kept as it is resized there. Docking gives the window
// its width while it is being shown again, before it counts as visible, so only
// a closed window's width is left out.
void TFMainFrm::KeepDockedWidth() {
  if (folder_tree_ != nullptr && !folder_tree_->isFloating() && !folder_tree_->isHidden()) {
    settings_.Main.FolderWin.DockPnlWidth = folder_tree_->width();
  }
}

void TFMainFrm::DestroyFolderTree() {
  if (folder_tree_ == nullptr) return;
  folder_tree_->disconnect(this);
  delete folder_tree_.data();
}

}  // namespace nalo
