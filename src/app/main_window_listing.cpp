// Listing a folder from the main window: the folder to list, then the view,
// captions, history, caption bar and watcher after a scan (the scan itself runs in
// main_window_scan.cpp). Also the watcher's report, dropped folders, size units
// and column sorting.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

#include "app/main_window.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/entry_list_model.h"
#include "listing/gui/yes_no_dialog_ex.h"
#include "listing/list_edit.h"
#include "listing/size_units.h"
#include "listing/status_text.h"
#include "platform/user_area_table.h"
#include "rules/gui/frm_search.h"
#include "ui/cp932_guard.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"
#include "ui/selection.h"

namespace nalo {
namespace {

QString WithoutTrailingSlash(QString folder) {
  while (folder.size() > 1 && folder.endsWith(QChar('/'))) folder.chop(1);
  return folder;
}

QString UnencodableItemsMessage(std::size_t count, const std::vector<std::string>& examples) {
  QString text =
      QStringLiteral(
          "コードページ 932 にない文字が %1 種類を超えたため、%2 個の項目を一覧に含めませんでした。")
          .arg(kUserAreaCodes)
          .arg(count);
  for (const std::string& example : examples) text += QChar('\r') + FromUtf8(example);
  return text;
}

}  // namespace

bool TFMainFrm::ListFolder(const QString& folder) {
  const QString clean = WithoutTrailingSlash(folder);
  const std::optional<std::string> cp932 = ToCp932(clean);
  if (!cp932) {
    messenger_->Warn(this, UnencodableTextMessage(FirstUnencodableChar(clean)));
    return false;
  }
  return ListFolderCp932(*cp932);
}

bool TFMainFrm::RelistFolder() {
  const std::string folder = !state_.CurrentFolder.empty()
                                 ? state_.CurrentFolder
                                 : ToCp932(WithoutTrailingSlash(cmb_Path->currentText())).value_or("");
  if (folder.empty()) return false;
  ListFolderCp932(folder);
  return last_declined_;
}

void TFMainFrm::cmb_PathEnter() {
  tree_has_focus_ = false;
  const QString typed = WithoutTrailingSlash(cmb_Path->currentText().trimmed());
  const QFileInfo info(typed);
  if (!typed.isEmpty() && info.isDir()) {
    const QString folder = WithoutTrailingSlash(info.absoluteFilePath());
    if (ToCp932(folder) != state_.CurrentFolder) {
      ListFolder(folder);
      return;
    }
  }
  RelistFolder();
}

TExclusion TFMainFrm::Exclusion() const {
  TExclusion e;
  e.Text = ToCp932(cmb_notText->currentText()).value_or(std::string());
  e.CaseSensitive = chk_OmojiKomoji->isChecked();
  e.Enabled = chk_not->isChecked();
  return e;
}

// The folder listed before is gone (deleted or moved by another program): its
// rows no longer stand for anything on disk.
void TFMainFrm::ForgetVanishedFolder(const std::string& folder) {
  if (folder != state_.CurrentFolder) return;
  messenger_->Warn(this, QStringLiteral("フォルダが見つかりません。\r%1").arg(FromCp932(folder)));
  entries_.ClearEntries();
  model_->Reset();
  state_.CurrentFolder.clear();
  watcher_->Watch(std::string(), false);
  setWindowTitle(QString::fromUtf8(kAppTitle));
  RefreshStatusCounts();
}

void TFMainFrm::AfterListing(const TListFolderResult& result, const QString& panel1) {
  UpdateColumnCaptions();
  ShowSortIndicator();
  failure_reasons_.Clear();
  model_->Reset();
  ShowPathHistory();
  panel1_->setText(panel1);
  panel0_->setText(
      FromUtf8(StatusCountText(result.Count, state_.ScanCompleted, CountMarks(entries_))));
  setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" - ") + FromCp932(state_.CurrentFolder));
  const QFileInfo listed(FromCp932(state_.CurrentFolder));
  if (!listed.isReadable() || !listed.isExecutable()) {
    messenger_->Warn(
        this, QStringLiteral("フォルダの中を読めません（アクセスが許可されていません）。\r%1")
                  .arg(listed.filePath()));
  }
  if (state_.UnencodableCount > 0) {
    messenger_->Warn(this, UnencodableItemsMessage(state_.UnencodableCount, state_.UnencodableExamples));
  }
}

void TFMainFrm::ShowPathHistory() {
  cmb_Path->clear();
  for (const std::string& folder : state_.PathHistory) cmb_Path->addItem(FromCp932(folder));
  cmb_Path->setCurrentIndex(-1);
  SetGuardedText(cmb_Path, FromCp932(state_.CurrentFolder));
}

void TFMainFrm::UpdateColumnCaptions() {
  const bool folder_mode = !FilesMode();
  model_->SetCaption(0, FromUtf8(NameColumnCaption(folder_mode)));
  model_->SetCaption(1, FromUtf8(SizeColumnCaption(folder_mode, state_.SizeUnit)));
}

// A report while a listing or a rule run is under way is dropped: the run's own
// scan shows the folder as it is, and a nested listing would pull the entries
// from under the run.
// The question showing answers for a report; a report during work waits for it.
void TFMainFrm::DirectoryWatcher1Change() {
  if (prompt_gate_.Showing()) return;
  if (Busy()) {
    change_during_run_ = true;
    return;
  }
  watcher_triggered_ = true;
  if (!state_.CurrentFolder.empty()) ListFolderCp932(state_.CurrentFolder);
  watcher_triggered_ = false;
}

void TFMainFrm::DropPaths(const QStringList& paths) {
  if (paths.size() != 1) return;
  const QFileInfo info(paths.front());
  if (!info.isDir()) return;
  tree_has_focus_ = false;
  ListFolder(info.absoluteFilePath());
}

void TFMainFrm::ListView1SelectItem() {
  const std::size_t selected = SelectedRowCount(ListView1->selectionModel());
  if (selected == 0) return;
  panel0_->setText(FromUtf8(SelectionText(entries_.Count(), state_.ScanCompleted, selected)));
}

// The selection and the current row stay on the same files while the rows move.
void TFMainFrm::ListView1ColumnClick(int column) {
  if (Busy()) return;                      // a worker holds the entries
  if (column >= kListColumnCount) return;  // the new-name column does not sort
  model_->Reorder([&] { return SortByColumnClick(state_, entries_, column); });
  ShowSortIndicator();
}

void TFMainFrm::ShowSortIndicator() {
  QHeaderView* header = ListView1->horizontalHeader();
  header->setSortIndicatorShown(true);
  header->setSortIndicator(state_.SortColumn,
                           state_.SortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TFMainFrm::Menu_SizeClick(int unit) {
  if (Busy()) return;  // a worker holds the entries
  if (auto* search = qobject_cast<TFrm_Search*>(frame_)) search->SetSizeUnit(unit);
  ApplySizeUnitNow(unit);
}

void TFMainFrm::ApplySizeUnitNow(int unit) {
  auto* search = qobject_cast<TFrm_Search*>(frame_);
  if (search != nullptr) search->StoreTabStatus(settings_.Tabs);
  nalo::ApplySizeUnit(state_, unit, settings_.Tabs.Search, entries_, !FilesMode());
  if (search != nullptr) {
    search->SetSizeBounds(settings_.Tabs.Search.MinSize, settings_.Tabs.Search.MaxSize);
    search->SetUnitCaption(FromUtf8(SizeUnitWord(unit)));
  }
  UpdateColumnCaptions();
  model_->EntriesChanged();
  for (QAction* a : unit_group_->actions()) a->setChecked(a->data().toInt() == unit);
}

}  // namespace nalo
