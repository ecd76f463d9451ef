// TFBatchProgress: runs a batch (apply or undo) on a worker thread while the
// user-interface thread goes on painting, and shows how far it got: a count of
// the steps done, the folder, and a cancel button that ends the batch after the
// move under way. The window appears only once the steps have run for a moment,
// so a small batch shows no flash of it.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <atomic>
#include <cstddef>
#include <functional>

class QLabel;
class QPushButton;

namespace nalo {

class TFBatchProgress : public QDialog {
  Q_OBJECT
 public:
  // The window appears this long after the steps began (well within half a second).
  static constexpr int kShowAfterMs = 200;

  TFBatchProgress(QWidget* parent, const QString& caption, const QString& folder);
  ~TFBatchProgress() override;

  // Runs `work` on a worker thread and returns once it has ended (rethrowing what
  // it threw); this thread's events are handled meanwhile.
  void Run(const std::function<void()>& work);

  // --- called from the worker (or before Run)
  // The steps begin: `total` of them.
  void BeginSteps(std::size_t total);
  void StepDone(std::size_t done) { done_.store(done, std::memory_order_relaxed); }
  const std::atomic<bool>& CancelFlag() const { return cancel_; }
  // Runs `call` on the user-interface thread and waits for it (at once when called
  // on that thread).
  void OnUiThread(const std::function<void()>& call);

  QLabel* Label1 = nullptr;        // "n / total 個"
  QLabel* Label2 = nullptr;        // the folder
  QPushButton* Button1 = nullptr;  // キャンセル

 private:
  void Button1Click();
  void Refresh();

  std::atomic<bool> cancel_{false};
  std::atomic<std::size_t> done_{0};
  std::atomic<std::size_t> total_{0};
  std::atomic<bool> steps_begun_{false};
  QElapsedTimer since_begin_;
  QTimer refresh_;
};

}  // namespace nalo
