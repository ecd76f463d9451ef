// Rule runs from the main window: the context for the current frame's rule, the
// confirmation window, the apply step, undo, and at start-up the offer to undo a
// batch that an earlier run left unfinished.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTableView>

#include "app/main_window.h"
#include "execution/apply_renames.h"
#include "execution/batch_history.h"
#include "execution/gui/fbatch_progress.h"
#include "execution/gui/fresult.h"
#include "execution/gui/problem_marks.h"
#include "execution/journal_undo.h"
#include "execution/undo_batch.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/entry_list_model.h"
#include "listing/status_text.h"
#include "rules/fix_encoding_rule.h"
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

// A rule run shorter than this shows no progress window.
constexpr int kRuleProgressAfterMs = 500;

// Shows a cursor over the whole program while it lives.
class TCursorShown {
 public:
  explicit TCursorShown(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
  ~TCursorShown() { QApplication::restoreOverrideCursor(); }
  TCursorShown(const TCursorShown&) = delete;
  TCursorShown& operator=(const TCursorShown&) = delete;
};

// What a cancelled batch left alone.
QString CancelledText(std::size_t count) {
  return QStringLiteral("キャンセルしました。%1個は変更していません。").arg(count);
}

}  // namespace

TBatchOptions TFMainFrm::BatchOptions() {
  TBatchOptions options;
  options.Watcher = [this](bool enabled) { watcher_->SetEnabled(enabled); };
  options.JournalFolder = options_.SettingsFolder;
  return options;
}

TRuleContext TFMainFrm::RuleContextFor(const TEntryList& list, std::vector<bool>& selection) const {
  TRuleContext ctx(list);
  if (chk_SelectOnly->isChecked()) {
    selection = SelectionFlags(ListView1->selectionModel(), list.Count());
    ctx.Selection = &selection;
  }
  ctx.Exclusion = Exclusion();
  // The options dialog may have changed the trim option since start-up.
  ctx.Trim = ReadOptionsSettings(TIniFile(MainSettingsPath(options_.SettingsFolder))).StrTrim;
  ctx.FolderMode = !FilesMode();
  ctx.InfoSource = info_source_;
  return ctx;
}

void TFMainFrm::RunRuleAction() {
  if (frame_ == nullptr || Busy()) return;
  std::vector<bool> selection;
  TRuleContext ctx = RuleContextFor(entries_, selection);
  std::vector<TRowClash> clashes;
  TRuleResult result = RunRuleOnWorker(frame_->RuleJob(), ctx, clashes);
  frame_->ShowRuleError(result);
  ShowRuleResult(result, std::move(clashes));
}

void TFMainFrm::FixEncodingClick() {
  if (Busy()) return;
  TRuleContext ctx(entries_);
  std::vector<bool> selection;
  if (chk_SelectOnly->isChecked()) {
    selection = SelectionFlags(ListView1->selectionModel(), entries_.Count());
    ctx.Selection = &selection;
  }
  ctx.FolderMode = !FilesMode();
  std::vector<TRowClash> clashes;
  TRuleResult result = RunRuleOnWorker(RunFixEncodingRule, ctx, clashes);
  ShowRuleResult(result, std::move(clashes));
}

// The rule walks the entries on the progress window's worker, counting them; its
// cancel button ends the walk, and a run that was cancelled shows nothing. The
// clash check of the rows follows on the same worker, so the confirmation window
// opens with its problem marks made; the progress window says so meanwhile.
TRuleResult TFMainFrm::RunRuleOnWorker(const TRuleJob& job, TRuleContext& ctx,
                                       std::vector<TRowClash>& clashes) {
  TFBatchProgress progress(this, QStringLiteral("新しい名前を作成中..."),
                           FromCp932(state_.CurrentFolder));
  progress.SetShowAfter(kRuleProgressAfterMs);
  ctx.BeginRuleRun = [this, &progress] { progress.OnUiThread([this] { BeginRuleRun(); }); };
  ctx.EndRuleRun = [this, &progress] { progress.OnUiThread([this] { EndRuleRun(); }); };
  ctx.StopBefore = [&progress](std::size_t entry) {
    progress.StepDone(entry);
    return progress.CancelFlag().load(std::memory_order_relaxed);
  };
  progress.BeginSteps(ctx.Entries.Count());
  TRuleResult result;
  RunOnWorker(progress, [&] {
    result = job(ctx);
    if (result.Stopped || !result.Message.empty() || result.Rows.empty()) return;
    progress.StepDone(ctx.Entries.Count());
    progress.ShowFolder(QString::fromUtf8(kCheckingNewNamesText));
    clashes = PreviewClashes(result.Rows, ctx.Entries);
  });
  if (result.Stopped || progress.CancelFlag().load()) return SilentResult();
  return result;
}

void TFMainFrm::ShowRuleResult(TRuleResult& result, std::vector<TRowClash> clashes) {
  if (!result.Message.empty()) {
    messenger_->Info(this, FromUtf8(result.Message));
    return;
  }
  if (result.Rows.empty()) {
    if (!result.Silent) messenger_->Info(this, FromUtf8(kMsgNothingToRename));
    return;
  }
  ConfirmAndApplyRows(result.Rows, std::move(clashes), FromUtf8(result.OkCaption),
                      FromUtf8(result.OkHint));
}

// The batch options of a run on TFBatchProgress's worker: the watcher is switched
// on this thread, the window's cancel button stops the batch between moves and
// its count follows the steps.
TBatchOptions TFMainFrm::WorkerBatchOptions(TFBatchProgress& progress) {
  TBatchOptions options = BatchOptions();
  options.Watcher = [this, &progress](bool enabled) {
    progress.OnUiThread([this, enabled] { watcher_->SetEnabled(enabled); });
  };
  options.StopRequested = [&flag = progress.CancelFlag()] {
    return flag.load(std::memory_order_relaxed);
  };
  options.AfterStep = [&progress](std::size_t done) { progress.StepDone(done); };
  options.StepFolder = [&progress](std::string_view folder) {
    if (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
    progress.ShowFolder(QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size())));
  };
  return options;
}

// The entries change on the worker: the list does not paint them meanwhile.
void TFMainFrm::HoldListPainting(bool hold) { ListView1->setUpdatesEnabled(!hold); }

void TFMainFrm::ConfirmAndApplyRows(TConfirmationList& rows, std::vector<TRowClash> clashes,
                                    const QString& ok_caption, const QString& ok_hint) {
  auto confirm = [&](TConfirmationList& shown) -> std::optional<std::vector<std::size_t>> {
    TFresult window(shown,
                    TResultEnv{messenger_, options_.SettingsFolder, &settings_.Main.ResultForm,
                               &entries_, std::move(clashes)},
                    this);
    window.setWindowTitle(QString::fromUtf8(kResultCaption));
    window.SetOkButton(ok_caption, ok_hint);
    // One font for every row, the list's own: the default one lacks the Japanese
    // glyphs, and rows with them would be drawn in a fallback font.
    window.ListView1->setFont(ListView1->font());
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = messenger_->ExecModal(window);
    QApplication::restoreOverrideCursor();
    if (answer != QDialog::Accepted) return std::nullopt;
    return window.SelectedRows();
  };
  // The confirmation window opens on this thread; the apply runs on the worker.
  TFBatchProgress progress(this, QStringLiteral("リネーム中..."), FromCp932(state_.CurrentFolder));
  auto confirm_here = [&](TConfirmationList& shown) {
    std::optional<std::vector<std::size_t>> answer;
    progress.OnUiThread([&] {
      answer = confirm(shown);
      if (answer) HoldListPainting(true);
    });
    if (answer) progress.BeginSteps(answer->empty() ? shown.size() : answer->size());
    return answer;
  };
  TApplyResult result;
  const TBatchOptions options = WorkerBatchOptions(progress);
  RunOnWorker(progress, [&] { result = ConfirmAndApply(entries_, rows, confirm_here, options); });
  HoldListPainting(false);
  model_->EntriesChanged();
  if (result.Started) {
    failure_reasons_.Keep(entries_, result.FailedRows);
    SelectEntries(result.SelectedEntries);
    if (!result.SelectedEntries.empty()) {
      ListView1->scrollTo(model_->index(static_cast<int>(result.SelectedEntries.front()), 0));
    }
    RefreshStatusCounts();
  }
  if (!result.Message.empty()) messenger_->Warn(this, FromUtf8(result.Message));
  if (result.NotRun > 0) messenger_->Info(this, CancelledText(result.NotRun));
}

// The hourglass covers the whole undo; the question before it and the message of
// each refused item, shown as soon as the item failed while the worker waits, come
// with the normal cursor, and the undo then goes on under the hourglass.
void TFMainFrm::UndoLastBatchNow() {
  TUndoRequest request;
  request.SelectOnly = chk_SelectOnly->isChecked();
  request.Selected = SelectedEntries();

  TFBatchProgress progress(this, QStringLiteral("元に戻しています..."),
                           FromCp932(state_.CurrentFolder));
  request.AskYesNo = [this, &progress](std::string_view question) {
    bool yes = false;
    progress.OnUiThread([&] {
      const TCursorShown normal(Qt::ArrowCursor);
      yes = messenger_->YesNo(this, FromUtf8(question));
    });
    return yes;
  };
  request.ItemRefused = [this, &progress](std::string_view message) {
    progress.OnUiThread([&] {
      const TCursorShown normal(Qt::ArrowCursor);
      messenger_->Warn(this, FromUtf8(message));
    });
  };
  progress.BeginSteps(request.SelectOnly ? request.Selected.size() : CountMarks(entries_).Renamed);
  TUndoResult result;
  const TBatchOptions options = WorkerBatchOptions(progress);
  {
    const TCursorShown hourglass(Qt::WaitCursor);
    HoldListPainting(true);
    RunOnWorker(progress, [&] { result = UndoLastBatch(entries_, request, options); });
    HoldListPainting(false);
    model_->EntriesChanged();
    RefreshStatusCounts();
  }
  if (!result.Refusal.empty()) messenger_->Warn(this, FromUtf8(result.Refusal));
  if (result.NotRun > 0) messenger_->Info(this, CancelledText(result.NotRun));
}

// No gives the unfinished batch up, so that the next batch may start.
void TFMainFrm::OfferJournalUndo() {
  if (options_.SettingsFolder.empty()) return;
  if (!JournalBlocksNextBatch(options_.SettingsFolder)) return;
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
