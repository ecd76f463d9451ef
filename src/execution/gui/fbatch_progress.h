// TFBatchProgress: runs long work (apply, undo, a scan, a rule run) on a worker
// thread while the user-interface thread goes on painting, and shows how far it
// got: a count of the steps done, the folder, and a cancel button that ends the
// work after the step under way. The window appears only once the steps have run
// for a moment, so short work shows no flash of it.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>

class QLabel;
class QPushButton;

namespace nalo {

class TFBatchProgress : public QDialog {
  Q_OBJECT
 public:
  // By default the window appears this long after the steps began.
  static constexpr int kShowAfterMs = 200;

  TFBatchProgress(QWidget* parent, const QString& caption, const QString& folder);
  ~TFBatchProgress() override;

  // Runs `work` on a worker thread and returns once it has ended (rethrowing what
  // it threw); this thread's events are handled meanwhile.
  void Run(const std::function<void()>& work);
  // How long after the steps began the window appears.
  void SetShowAfter(int ms) { show_after_ms_ = ms; }
  // The cancel button's effect, for a caller that ends the work by other means.
  void RequestCancel();

  // --- called from the worker (or before Run)
  // The steps begin: `total` of them, or an unknown number when 0.
  void BeginSteps(std::size_t total);
  void StepDone(std::size_t done) { done_.store(done, std::memory_order_relaxed); }
  const std::atomic<bool>& CancelFlag() const { return cancel_; }
  // The folder (or other text) shown under the count.
  void ShowFolder(const QString& text);
  // Runs `call` on the user-interface thread and waits for it (at once when called
  // on that thread); the window does not appear while it runs.
  void OnUiThread(const std::function<void()>& call);

  QLabel* Label1 = nullptr;        // "n / total 個", or "n 個" with no total
  QLabel* Label2 = nullptr;        // the folder
  QPushButton* Button1 = nullptr;  // キャンセル

 private:
  void Refresh();
  void RefreshFolder();

  std::atomic<bool> cancel_{false};
  std::atomic<std::size_t> done_{0};
  std::atomic<std::size_t> total_{0};
  std::atomic<bool> steps_begun_{false};
  std::mutex folder_lock_;
  QString folder_;  // the next text of Label2; guarded by folder_lock_
  bool folder_changed_ = false;
  int show_after_ms_ = kShowAfterMs;
  int ui_calls_ = 0;  // OnUiThread calls under way (this thread only)
  QElapsedTimer since_begin_;
  QTimer refresh_;
};

}  // namespace nalo
