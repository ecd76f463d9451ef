// The list is a plain table of at most 21 rows, read again after every undo; the
// undo runs on TFBatchProgress's worker with the watcher paused on this thread,
// and its outcome is told in one message (the items not put back first).
#include "execution/gui/fhistory.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "execution/batch_history.h"
#include "execution/gui/fbatch_progress.h"
#include "platform/file_times.h"
#include "ui/dialog_buttons.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// The state of a batch as the window shows it.
QString StateCaption(const std::optional<TJournalState>& state) {
  if (!state) return QStringLiteral("記録が壊れています");
  switch (*state) {
    case TJournalState::Planned: return QStringLiteral("実行中または途中で終了");
    case TJournalState::Interrupted: return QStringLiteral("中断");
    case TJournalState::Finished: return QStringLiteral("完了");
    case TJournalState::Undone: return QStringLiteral("元に戻した");
    case TJournalState::Discarded: return QStringLiteral("記録を破棄");
    case TJournalState::Pending: return QStringLiteral("元に戻す途中");
    case TJournalState::Partial: return QStringLiteral("一部を元に戻した");
  }
  return {};
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignLeft) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(align | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

TFHistory::TFHistory(THistoryEnv env, QWidget* parent) : QDialog(parent), env_(std::move(env)) {
  setObjectName("FHistory");
  setWindowTitle(QStringLiteral("履歴"));
  setModal(true);
  resize(720, 420);
  ListView1 = new QTableWidget(0, 5, this);
  ListView1->setObjectName("ListView1");
  ListView1->setHorizontalHeaderLabels({QStringLiteral("No."), QStringLiteral("日時"),
                                        QStringLiteral("フォルダ"), QStringLiteral("変更数"),
                                        QStringLiteral("状態")});
  ListView1->verticalHeader()->hide();
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListView1->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  btn_Undo = NamedButton(this, "btn_Undo", QStringLiteral("元に戻す(&U)"));
  btn_Undo->setToolTip(QStringLiteral("まだ元に戻していない一番新しいバッチを元に戻します"));
  btn_Close = NamedButton(this, "btn_Close", QStringLiteral("閉じる"));
  btn_Close->setDefault(true);
  connect(btn_Undo, &QPushButton::clicked, this, &TFHistory::btn_UndoClick);
  connect(btn_Close, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1);
  layout->addLayout(RightAlignedRow({btn_Undo, btn_Close}));
  Refresh();
}

void TFHistory::Refresh() {
  const std::vector<TBatchSummary> batches = ReadHistory(env_.SettingsFolder);
  const std::optional<TUndoableBatch> next = NewestUndoableBatch(env_.SettingsFolder);
  ListView1->clearContents();
  ListView1->setRowCount(static_cast<int>(batches.size()));
  for (std::size_t i = 0; i < batches.size(); ++i) {
    const TBatchSummary& b = batches[i];
    const int row = static_cast<int>(i);
    ListView1->setItem(row, 0, Cell(QString::number(i + 1), Qt::AlignRight));
    ListView1->setItem(row, 1, Cell(FromUtf8(DateTextOf(LocalTimeOf(b.Time)))));
    ListView1->setItem(row, 2, Cell(FromUtf8(b.Folder)));
    ListView1->setItem(row, 3, Cell(QString::number(b.Counts.Renamed), Qt::AlignRight));
    ListView1->setItem(row, 4, Cell(StateCaption(b.State)));
  }
  ListView1->resizeColumnToContents(0);
  ListView1->resizeColumnToContents(1);
  ListView1->resizeColumnToContents(4);
  btn_Undo->setEnabled(next.has_value());
  if (next) ListView1->selectRow(static_cast<int>(next->Number - 1));
}

void TFHistory::btn_UndoClick() {
  const std::optional<TUndoableBatch> next = NewestUndoableBatch(env_.SettingsFolder);
  if (!next) return;
  TFBatchProgress progress(this, QStringLiteral("元に戻しています..."),
                           FromUtf8(next->Summary.Folder));
  const TWatcherSwitch watcher = [this, &progress](bool enabled) {
    if (env_.Watcher) progress.OnUiThread([this, enabled] { env_.Watcher(enabled); });
  };
  progress.BeginSteps(next->Summary.Counts.Renamed);
  TJournalUndoResult result;
  progress.Run([&] {
    result = UndoFromJournal(
        env_.SettingsFolder, watcher,
        [&flag = progress.CancelFlag()] { return flag.load(std::memory_order_relaxed); },
        next->Summary.Batch, [&progress](std::size_t restored) { progress.StepDone(restored); });
  });
  Refresh();
  if (result.Found && env_.AfterUndo) env_.AfterUndo(result);
  Report(result);
}

void TFHistory::Report(const TJournalUndoResult& result) {
  if (!result.Refusal.empty()) {
    env_.Messenger->Warn(this, FromUtf8(result.Refusal));
    return;
  }
  if (!result.Found) return;
  for (const std::string& message : result.Messages) env_.Messenger->Warn(this, FromUtf8(message));
  QString text = QStringLiteral("%1: %2個を元に戻しました。")
                     .arg(FromUtf8(BatchCaption(result.Batch, result.Number)))
                     .arg(result.Restored);
  if (result.Skipped > 0) {
    text += QStringLiteral(
                "\r%1個は元の場所に別の項目があるか、なくなっているため戻しませんでした。"
                "このバッチは一部だけ元に戻したものとします。")
                .arg(result.Skipped);
  }
  if (result.Failed > 0) {
    text +=
        QStringLiteral(
            "\r%1個は戻せませんでした。原因を取り除いてから、もう一度 元に戻す を押してください。")
            .arg(result.Failed);
  }
  if (result.Stopped)
    text += QStringLiteral("\rキャンセルしました。もう一度 元に戻す で続きを戻せます。");
  env_.Messenger->Info(this, text);
}

}  // namespace nalo
