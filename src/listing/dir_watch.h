// The decisions of the folder watch, without a clock or a thread: TQuietDelay
// reports a change only once the folder has been quiet for the delay, so a burst
// of changes gives one report; TRescanPromptGate keeps a report from opening a
// second re-scan prompt while one is showing. The front end supplies the watch
// thread (platform/dir_watcher.h) and a timer on its own event loop.
#pragma once

#include <chrono>
#include <optional>

namespace nalo {

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

}  // namespace nalo
