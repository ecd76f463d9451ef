// The buttons and menu commands of the main window that are not listings or rule
// runs: the action and return buttons, the folder picker, "Explore", the target
// mode switch, selection commands, the list's copies and removal, the combo
// clipboard commands and the about box.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

#include "app/main_window.h"
#include "listing/gui/entry_list_model.h"
#include "listing/list_edit.h"
#include "rules/gui/frm_search.h"
#include "rules/rule_messages.h"
#include "ui/cp932_guard.h"
#include "ui/fabout.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"
#include "ui/selection.h"

namespace nalo {

void TFMainFrm::btn_ActionClick() {
  tree_has_focus_ = false;
  if (current_tab_ != kTabSearch && chk_SelectOnly->isChecked() &&
      SelectedRowCount(ListView1->selectionModel()) == 0) {
    messenger_->Info(this, FromUtf8(kMsgNoSelection));
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (current_tab_ == kTabSearch) {
    RelistFolder();
  } else {
    RunRuleAction();
  }
  QApplication::restoreOverrideCursor();
}

void TFMainFrm::btn_ReturnClick() {
  if (current_tab_ != kTabSearch) {
    UndoLastBatchNow();
    return;
  }
  if (auto* search = qobject_cast<TFrm_Search*>(frame_)) search->ClearConditions();
  chk_not->setChecked(false);
  chk_SelectOnly->setChecked(false);
  UpdateExclusionEnabling();
  RelistFolder();
}

void TFMainFrm::Btn_FolderClick() {
  const bool exists = !state_.CurrentFolder.empty() && QFileInfo(FromCp932(state_.CurrentFolder)).isDir();
  const QString start = exists ? cmb_Path->currentText() : QString();
  const std::optional<QString> folder = messenger_->PickFolder(
      this, QStringLiteral("リネームしたいファイルが存在するフォルダを選んで下さい。"), start);
  if (!folder) return;
  tree_has_focus_ = false;
  ListFolder(*folder);
}

void TFMainFrm::SpeedButton1Click() {
  const QString folder = state_.CurrentFolder.empty() ? cmb_Path->currentText()
                                                      : FromCp932(state_.CurrentFolder);
  if (folder.isEmpty() || messenger_->OpenFolder(folder)) return;
  messenger_->Warn(this,
                   QStringLiteral("フォルダを開くプログラムが見つかりません。\r%1").arg(folder));
}

void TFMainFrm::R1Click() {
  if (state_.CurrentFolder.empty()) return;
  tree_has_focus_ = false;
  ListFolderCp932(state_.CurrentFolder);
}

void TFMainFrm::File2Click() { SwitchTargetMode(true); }

void TFMainFrm::Folder1Click() { SwitchTargetMode(false); }

// The mode goes back when the listing in the new mode was declined or cancelled.
void TFMainFrm::SwitchTargetMode(bool files_mode) {
  Action(files_mode ? "File2" : "Folder1")->setChecked(true);
  ApplyTargetMode(files_mode);
  if (RelistFolder()) {
    Action(files_mode ? "Folder1" : "File2")->setChecked(true);
    ApplyTargetMode(!files_mode);
    if (scan_cancelled_) ShowScanCancelled();
  }
  SyncFolderTreeMode();
}

void TFMainFrm::N4Click() {
  ListView1->selectAll();
  ListView1->setFocus();
}

void TFMainFrm::I1Click() {
  InvertSelection(ListView1);
  ListView1->setFocus();
}

std::vector<std::size_t> TFMainFrm::SelectedEntries() const {
  return SelectedRows(ListView1->selectionModel());
}

void TFMainFrm::SelectEntries(const std::vector<std::size_t>& rows) { SelectRows(ListView1, rows); }

void TFMainFrm::menu_DelClick() {
  if (Busy()) return;  // a worker holds the entries
  const std::vector<std::size_t> rows = SelectedEntries();
  if (rows.empty()) return;
  ListView1->clearSelection();
  RemoveEntries(entries_, rows);
  model_->Reset();
  RefreshStatusCounts();
}

void TFMainFrm::CopyEntryText(const std::string& cp932) {
  QApplication::clipboard()->setText(FromCp932(cp932));
  messenger_->Beep();
}

void TFMainFrm::pmn_NameClick() {
  const std::vector<std::size_t> rows = SelectedEntries();
  if (rows.size() == 1) CopyEntryText(NameCopyText(entries_.EntryAt(rows.front())));
}

void TFMainFrm::pmn_SizeClick() {
  const std::vector<std::size_t> rows = SelectedEntries();
  if (rows.size() == 1) CopyEntryText(SizeCopyText(entries_.EntryAt(rows.front())));
}

void TFMainFrm::pmn_PathClick() {
  const std::vector<std::size_t> rows = SelectedEntries();
  if (rows.size() == 1) CopyEntryText(PathCopyText(entries_.EntryAt(rows.front())));
}

// The combo of the current tab with the recorded Tag; the exclusion box for 99.
QComboBox* TFMainFrm::PopupTarget() const {
  if (popup_tag_ == 99) return cmb_notText;
  return frame_ != nullptr ? frame_->ComboForTag(popup_tag_) : nullptr;
}

void TFMainFrm::PopMenuClick(int command) {
  QComboBox* combo = PopupTarget();
  QLineEdit* edit = combo != nullptr ? combo->lineEdit() : nullptr;
  if (edit == nullptr) return;
  if (command == 1 && edit->hasSelectedText()) {
    QApplication::clipboard()->setText(edit->selectedText());
    edit->del();
  } else if (command == 2 && edit->hasSelectedText()) {
    QApplication::clipboard()->setText(edit->selectedText());
  } else if (command == 3) {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) return;
    const std::optional<QString> limited = LimitedPasteText(text);
    if (!limited) {
      messenger_->Warn(this, UnencodableTextMessage(FirstUnencodableChar(text)));
      return;
    }
    edit->insert(*limited);
  }
}

void TFMainFrm::About1Click() {
  TFAbout about(this);
  messenger_->ExecModal(about);
}

}  // namespace nalo
