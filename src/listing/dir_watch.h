// TDirectoryWatcher: watches the listed folder for changes made by other programs
// and reports them once the folder has been quiet for DelayTime milliseconds, so a
// burst of changes gives one report. It owns at most one TWatchThread at a time
// (a change of folder or flags restarts it, Enabled off stops and joins it) and a
// timer thread of its own that raises OnChange; OnChange therefore runs on that
// timer thread, and a front end posts it to its own event loop.
//
// TQuietDelay is the timer's logic without a clock, for front ends that prefer
// their own timer, and TRescanPromptGate keeps a report from opening a second
// re-scan prompt while one is showing.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace nalo {

class TWatchThread;

// Default quiet time before a report, in milliseconds.
inline constexpr int kDefaultDelayTimeMs = 1000;
// The quiet time the main window uses: long enough to fold a copy of many files
// into one report.
inline constexpr int kMainWindowDelayTimeMs = 1500;

// Restart-on-notice one-shot timer: Notice() (re)arms it DelayTime after now; Due()
// fires once when that moment has passed.
class TQuietDelay {
 public:
  using TClock = std::chrono::steady_clock;
  explicit TQuietDelay(int delay_ms = kDefaultDelayTimeMs) : delay_(delay_ms) {}

  void SetDelay(int delay_ms) { delay_ = std::chrono::milliseconds(delay_ms); }
  void Notice(TClock::time_point now) { deadline_ = now + delay_; }
  void Cancel() { deadline_.reset(); }
  bool Armed() const { return deadline_.has_value(); }
  std::optional<TClock::time_point> Deadline() const { return deadline_; }
  // True once when the deadline has passed; the timer is then stopped.
  bool Due(TClock::time_point now);

 private:
  std::chrono::milliseconds delay_;
  std::optional<TClock::time_point> deadline_;
};

// At most one re-scan prompt at a time, and a later change may prompt again.
class TRescanPromptGate {
 public:
  // True when a prompt may open now; the gate then counts it as showing.
  bool TryOpen() {
    if (showing_) return false;
    showing_ = true;
    return true;
  }
  void Closed() { showing_ = false; }
  bool Showing() const { return showing_; }

 private:
  bool showing_ = false;
};

class TDirectoryWatcher {
 public:
  using TOnChange = std::function<void(const std::string& directory)>;

  TDirectoryWatcher();
  ~TDirectoryWatcher();
  TDirectoryWatcher(const TDirectoryWatcher&) = delete;
  TDirectoryWatcher& operator=(const TDirectoryWatcher&) = delete;

  // Set OnChange before the first folder is watched.
  void SetOnChange(TOnChange on_change);

  bool Enabled() const { return enabled_; }
  // Off stops the watch and waits for its thread; on starts it when the folder exists.
  void SetEnabled(bool enabled);

  bool WatchSubTree() const { return sub_tree_; }
  void SetWatchSubTree(bool sub_tree);

  // CP932 path. Setting the present folder again changes nothing; names that
  // differ in letter case are different folders.
  const std::string& Directory() const { return directory_; }
  void SetDirectory(const std::string& directory);

  int DelayTime() const;
  void SetDelayTime(int delay_ms);

  // True while a watch thread exists (Enabled on and the folder exists).
  bool Watching() const { return watch_ != nullptr; }

 private:
  void StartWatch();
  void StopWatch();
  void Notice();
  void TimerLoop();

  bool enabled_ = true;
  bool sub_tree_ = false;
  std::string directory_;
  std::unique_ptr<TWatchThread> watch_;

  mutable std::mutex mutex_;  // guards the members below
  std::condition_variable wake_;
  TQuietDelay delay_;
  int delay_ms_ = kDefaultDelayTimeMs;
  std::string reported_directory_;  // Directory as the timer thread reports it
  TOnChange on_change_;
  bool ending_ = false;
  std::thread timer_;
};

}  // namespace nalo
