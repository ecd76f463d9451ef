// TDirWatchBridge: the directory watcher of the main window on the Qt event loop.
// The watch thread's notices reach the user-interface thread as queued calls; the
// core's TQuietDelay decides when the folder has been quiet for DelayTime, and a
// single-shot QTimer owned by that thread only wakes the bridge at its deadline,
// so a burst of changes gives one report.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "listing/dir_watch.h"

namespace nalo {

class TWatchThread;

class TDirWatchBridge : public QObject {
  Q_OBJECT
 public:
  explicit TDirWatchBridge(QObject* parent = nullptr);
  ~TDirWatchBridge() override;

  bool Enabled() const { return enabled_; }
  // Off stops the watch and waits for its thread; on starts it when the folder exists.
  void SetEnabled(bool enabled);
  // Watches the CP932 folder, with its sub-folders when `sub_tree`; the present
  // folder and flag again change nothing (letter case counts: Abc is not abc).
  void Watch(const std::string& directory, bool sub_tree);
  void SetDelayTime(int delay_ms) { delay_.SetDelay(delay_ms); }
  bool Watching() const { return watch_ != nullptr; }
  const std::string& Directory() const { return directory_; }
  bool SubTree() const { return sub_tree_; }
  // Forgets a change not yet reported (the listing about to run shows it anyway).
  void DropPendingReport();

 signals:
  // Raised on the user-interface thread once the folder has been quiet.
  void Changed(const QString& directory);

 private:
  void StartWatch();
  void StopWatch();
  void Notice(unsigned watch_number);
  // Reports the change once its quiet delay is due, else waits for the deadline.
  void CheckDelay();

  bool enabled_ = true;
  bool sub_tree_ = false;
  std::string directory_;
  std::unique_ptr<TWatchThread> watch_;
  unsigned watch_number_ = 0;
  TQuietDelay delay_{kMainWindowDelayTimeMs};
  QTimer timer_;
};

}  // namespace nalo
