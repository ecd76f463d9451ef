// A listing from the main window runs the core's ListFolder on a worker thread
// with the progress window: the re-scan question, the run bracket and the status
// texts are handed to this thread, the scan reports its count and folder, and its
// cancel button stops the scan. The worker fills a list and state of its own; the
// window's list changes only when the scan completed, in one swap, so the view is
// reset once and a cancelled scan leaves the list that was shown.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "app/main_window.h"
#include "execution/gui/fbatch_progress.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/entry_list_model.h"
#include "listing/gui/yes_no_dialog_ex.h"
#include "rules/gui/tab_frame.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// A scan shorter than this shows no progress window.
constexpr int kScanProgressAfterMs = 500;

inline constexpr const char* kScanCancelledText = "検索をキャンセルしました。一覧は前のままです。";

}  // namespace

bool TFMainFrm::ListFolderCp932(const std::string& folder) {
  // A listing or batch under way holds the entries; F5, the watcher and the
  // folder box wait for it to end.
  if (Busy()) {
    last_declined_ = true;
    scan_cancelled_ = false;
    return false;
  }
  last_declined_ = false;
  TListFolderRequest request;
  request.Folder = folder;
  request.FolderMode = !FilesMode();
  request.SubFolders = settings_.Main.SubFolder;
  request.WatcherTriggered = watcher_triggered_;
  request.ReturnEnabled = btn_Return->isEnabled();
  request.KeepListOnCancel = true;
  request.Exclusion = Exclusion();
  StoreTabStatus(kTabSearch);
  const TTabStatus_Search search = settings_.Tabs.Search;
  const QString panel1 = panel1_->text();

  TFBatchProgress progress(this, QStringLiteral("ファイル検索中..."), FromCp932(folder));
  progress.SetShowAfter(kScanProgressAfterMs);
  TListingState scanned_state = state_;
  TEntryList scanned;
  TListFolderResult result;
  const std::string watched_before = watcher_->Directory();
  const bool watched_sub_tree = watcher_->SubTree();
  const TListFolderHooks hooks = ListingHooks(progress, request);
  RunOnWorker(progress,
              [&] { result = nalo::ListFolder(request, search, scanned_state, scanned, hooks); });
  if (result.Cancelled || !result.Listed) {
    watcher_->Watch(watched_before, watched_sub_tree);  // the list shown stays
  }
  // A cancelled scan counts as declined: a mode switch that asked for it goes back.
  last_declined_ = result.Declined || result.Cancelled;
  scan_cancelled_ = result.Cancelled;
  if (result.Cancelled) {
    btn_Return->setEnabled(request.ReturnEnabled);  // the undo of the kept list stands
    ShowPathHistory();
    ShowScanCancelled();
    return false;
  }
  if (!result.Listed) {
    if (!result.Declined) ForgetVanishedFolder(folder);
    return false;
  }
  scanned.JournalBatch = entries_.JournalBatch;
  std::swap(entries_, scanned);
  state_ = std::move(scanned_state);
  watcher_->Watch(state_.CurrentFolder, request.SubFolders);
  AfterListing(result, panel1);
  return true;
}

TListFolderHooks TFMainFrm::ListingHooks(TFBatchProgress& progress,
                                         const TListFolderRequest& request) {
  const bool file_mode = !request.FolderMode;
  TListFolderHooks hooks;
  hooks.Ask = [this, &progress](const TRescanQuestion& q) {
    bool yes = false;
    progress.OnUiThread([&] { yes = AskRescan(q); });
    return yes;
  };
  // The folder is watched from before its scan, so that a change another program
  // makes while the scan runs is reported once it has ended.
  hooks.BeginRun = [this, &progress, &request] {
    progress.OnUiThread([this, &request] {
      watcher_->DropPendingReport();
      watcher_->Watch(request.Folder, request.SubFolders);
      change_during_run_ = false;
      BeginRuleRun();
    });
    progress.BeginSteps(0);
  };
  hooks.EndRun = [this, &progress] { progress.OnUiThread([this] { EndRuleRun(); }); };
  hooks.RunScan = [&progress, file_mode](TFindSearch& finder, const TSearchOption& option,
                                         TScanRows& rows) {
    finder.OnFolder = [&progress](const std::string& folder) {
      progress.ShowFolder(FromCp932(folder));
    };
    finder.OnIdle = [&progress, &finder, &rows] {
      progress.StepDone(rows.size());
      if (progress.CancelFlag().load(std::memory_order_relaxed)) finder.Cancel();
    };
    return finder.Search(option.Folder, option.ExtMask, file_mode, rows, option.SubFolders);
  };
  hooks.ShowProgressText = [this, &progress](std::string_view text) {
    const QString shown = FromUtf8(text);
    progress.ShowFolder(shown);
    progress.OnUiThread([this, shown] { panel1_->setText(shown); });
  };
  hooks.ShowError = [this, &progress](std::string_view text) {
    const QString shown = FromUtf8(text);
    progress.OnUiThread([this, shown] { messenger_->Error(this, shown); });
  };
  return hooks;
}

void TFMainFrm::ShowScanCancelled() { panel1_->setText(QString::fromUtf8(kScanCancelledText)); }

bool TFMainFrm::AskRescan(const TRescanQuestion& question) {
  bool yes = false;
  if (question.UsePromptWindow) {
    if (!prompt_gate_.TryOpen()) return false;  // the prompt showing answers for both
    if (prompt_ == nullptr) prompt_ = new TFYesNoDialogEx(this);
    prompt_->Label3->setText(FromUtf8(question.Message));
    yes = messenger_->ExecModal(*prompt_) == QDialog::Accepted;
    prompt_gate_.Closed();
  } else {
    yes = messenger_->YesNo(this, FromUtf8(question.Message));
  }
  if (yes) btn_Return->setEnabled(false);
  return yes;
}

// Work on a worker marks the window busy for its whole length (the run bracket
// covers only part of it), and a close asked for meanwhile takes effect after it.
void TFMainFrm::RunOnWorker(TFBatchProgress& progress, const std::function<void()>& work) {
  ++worker_runs_;
  TFBatchProgress* outer = std::exchange(running_progress_, &progress);
  if (close_pending_) progress.RequestCancel();
  struct TDone {
    TFMainFrm& window;
    TFBatchProgress* outer;
    ~TDone() {
      window.running_progress_ = outer;
      if (--window.worker_runs_ == 0 && window.close_pending_) {
        QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
      }
      window.ReportChangeAfterRun();
    }
  } done{*this, outer};
  progress.Run(work);
}

// A change reported while work ran is handled once it has ended.
void TFMainFrm::ReportChangeAfterRun() {
  if (worker_runs_ > 0 || close_pending_ || !change_during_run_) return;
  QTimer::singleShot(0, this, [this] {
    if (std::exchange(change_during_run_, false)) DirectoryWatcher1Change();
  });
}

}  // namespace nalo
