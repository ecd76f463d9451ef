// Rule runs from the main window: the context for the current frame's rule, the
// confirmation window, the apply step, undo, and at start-up the offer to undo a
// batch that an earlier run left unfinished.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTableView>

#include "app/main_window.h"
#include "execution/apply_renames.h"
#include "execution/batch_journal.h"
#include "execution/gui/fresult.h"
#include "execution/journal_undo.h"
#include "execution/undo_batch.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/entry_list_model.h"
#include "rules/gui/tab_frame.h"
#include "settings/ini_file.h"
#include "settings/options_settings.h"
#include "settings/settings_folder.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"
#include "ui/selection.h"

namespace nalo {
namespace {

inline constexpr const char* kMsgUnfinishedBatch =
    "前回のリネームが途中で終了しています。\r元に戻しますか？";

}  // namespace

TBatchOptions TFMainFrm::BatchOptions() {
  TBatchOptions options;
  options.Watcher = [this](bool enabled) { watcher_->SetEnabled(enabled); };
  options.JournalFolder = options_.SettingsFolder;
  return options;
}

void TFMainFrm::RunRuleAction() {
  if (frame_ == nullptr) return;
  TRuleContext ctx(entries_);
  std::vector<bool> selection;
  if (chk_SelectOnly->isChecked()) {
    selection = SelectionFlags(ListView1->selectionModel(), entries_.Count());
    ctx.selection = &selection;
  }
  const TExclusionCondition exclusion = Exclusion();
  ctx.exclusion = {exclusion.Enabled, exclusion.Text, exclusion.CaseSensitive};
  // The options dialog may have changed the trim option since start-up.
  ctx.trim = ReadOptionsSettings(TIniFile(MainSettingsPath(options_.SettingsFolder))).StrTrim;
  ctx.folder_mode = !FilesMode();
  ctx.info_source = info_source_;
  ctx.begin_rule_run = [this] { BeginRuleRun(); };
  ctx.end_rule_run = [this] { EndRuleRun(); };
  TRuleResult result = frame_->RunRule(ctx);
  if (!result.message.empty()) {
    messenger_->Info(this, FromUtf8(result.message));
    return;
  }
  if (result.rows.empty()) {
    if (!result.silent) messenger_->Info(this, FromUtf8(kMsgNothingToRename));
    return;
  }
  ConfirmAndApplyRows(result.rows, FromUtf8(result.ok_caption), FromUtf8(result.ok_hint));
}

void TFMainFrm::ConfirmAndApplyRows(TConfirmationList& rows, const QString& ok_caption,
                                    const QString& ok_hint) {
  auto confirm = [&](TConfirmationList& shown) -> std::optional<std::vector<std::size_t>> {
    TFresult window(shown, TResultEnv{messenger_, options_.SettingsFolder, &settings_.Main.ResultForm},
                    this);
    window.setWindowTitle(QString::fromUtf8(kResultCaption));
    window.SetOkButton(ok_caption, ok_hint);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = messenger_->ExecModal(window);
    QApplication::restoreOverrideCursor();
    if (answer != QDialog::Accepted) return std::nullopt;
    return window.SelectedRows();
  };
  const TApplyResult result = ConfirmAndApply(entries_, rows, confirm, BatchOptions());
  model_->EntriesChanged();
  if (result.Started) {
    SelectEntries(result.SelectedEntries);
    if (!result.SelectedEntries.empty()) {
      ListView1->scrollTo(model_->index(static_cast<int>(result.SelectedEntries.front()), 0));
    }
    RefreshStatusCounts();
  }
  if (!result.Message.empty()) messenger_->Warn(this, FromUtf8(result.Message));
}

void TFMainFrm::UndoLastBatchNow() {
  TUndoRequest request;
  request.SelectOnly = chk_SelectOnly->isChecked();
  request.Selected = SelectedEntries();
  request.AskYesNo = [this](std::string_view question) {
    return messenger_->YesNo(this, FromUtf8(question));
  };
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const TUndoResult result = UndoLastBatch(entries_, request, BatchOptions());
  QApplication::restoreOverrideCursor();
  if (!result.Refusal.empty()) messenger_->Warn(this, FromUtf8(result.Refusal));
  for (const std::string& message : result.Messages) messenger_->Warn(this, FromUtf8(message));
  model_->EntriesChanged();
  RefreshStatusCounts();
}

// No gives the unfinished batch up, so that the next batch may start.
void TFMainFrm::OfferJournalUndo() {
  if (options_.SettingsFolder.empty()) return;
  const std::optional<TJournalRecord> journal = ReadJournal(options_.SettingsFolder);
  if (!journal || !journal->Unfinished()) return;
  if (!messenger_->YesNo(this, QString::fromUtf8(kMsgUnfinishedBatch))) {
    const TJournalLock lock(options_.SettingsFolder);
    if (lock.Held()) DiscardJournal(options_.SettingsFolder);
    return;
  }
  const TJournalUndoResult result = UndoFromJournal(options_.SettingsFolder, TWatcherSwitch{});
  if (!result.Refusal.empty()) messenger_->Warn(this, FromUtf8(result.Refusal));
  for (const std::string& message : result.Messages) messenger_->Warn(this, FromUtf8(message));
}

}  // namespace nalo
