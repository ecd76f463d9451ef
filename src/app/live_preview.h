// TLivePreview: the new-name column of the main list. While the column is shown,
// every change of the current tab's rule, of the exclusion condition, of the
// selection-only option or of the list itself starts a new preview shortly after
// (the changes of one burst of typing make one run). The run happens on a worker
// over a copy of the entries; a result is shown only when no change came after it.
// A message of the rule goes to the status bar, never to a message box.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "execution/preview_worker.h"

class QAction;
class QLabel;
class QTableView;

namespace nalo {

class TEntryListModel;
class TFMainFrm;

class TLivePreview : public QObject {
  Q_OBJECT
 public:
  static constexpr int kDelayMs = 150;

  TLivePreview(TFMainFrm& window, TEntryListModel& model, QAction& toggle);
  ~TLivePreview() override;

  bool Enabled() const;
  // A change that the preview depends on: the shown names become stale and a new
  // run starts after kDelayMs.
  void Schedule();
  // Starts watching the controls of the frame now on screen.
  void WatchFrame();

  // What the column shows for an entry (display, foreground and tooltip roles).
  QVariant Cell(std::size_t entry, int role) const;
  // The status-bar text of the preview: the rule's message, or empty.
  QString StatusText() const;

 signals:
  // A run of `generation` was sent to the worker.
  void Started(quint64 generation);
  // The result of the newest run is on screen; `complete` is false for the first part.
  void Shown(quint64 generation, bool complete);
  // A run was stopped, or its result came after a newer change and was dropped.
  void Cancelled(quint64 generation);

 private:
  void Toggle(bool on);
  void Clear();
  void Start();
  void ListChanged();
  void Show(TPreviewResult result);
  std::size_t VisibleEnd() const;
  std::shared_ptr<const TEntryList> Snapshot();

  TFMainFrm& window_;
  TEntryListModel& model_;
  QAction& toggle_;
  QTableView* view_;
  QLabel* status_;
  QTimer delay_;
  std::uint64_t generation_ = 0;
  std::shared_ptr<const TEntryList> snapshot_;  // null when the list changed since
  TPreviewResult shown_;
  std::unique_ptr<TPreviewWorker> worker_;  // made at the first run
};

}  // namespace nalo
