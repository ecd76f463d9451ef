// The history window (TFHistory): the batches of the history, newest first, as
// nalo-cli history lists them (No., 日時, フォルダ, 変更数, 状態), and a button that
// undoes the newest batch not undone yet through the same undo as nalo-cli undo,
// on a worker with the progress window and its cancel button.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "execution/journal_undo.h"
#include "execution/watcher_pause.h"

class QPushButton;
class QTableWidget;

namespace nalo {

class TMessenger;

struct THistoryEnv {
  TMessenger* Messenger = nullptr;
  std::string SettingsFolder;  // UTF-8
  TWatcherSwitch Watcher;      // switched on the user-interface thread
  // Told of every undo that found a batch, once the window shows the new list.
  std::function<void(const TJournalUndoResult&)> AfterUndo;
};

class TFHistory : public QDialog {
  Q_OBJECT
 public:
  explicit TFHistory(THistoryEnv env, QWidget* parent = nullptr);

  // Reads the history again; the row undo would take next is selected.
  void Refresh();
  void btn_UndoClick();

  QTableWidget* ListView1 = nullptr;
  QPushButton* btn_Undo = nullptr;   // 元に戻す(&U)
  QPushButton* btn_Close = nullptr;  // 閉じる

 private:
  void Report(const TJournalUndoResult& result);

  THistoryEnv env_;
};

}  // namespace nalo
