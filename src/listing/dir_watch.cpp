// The watcher policy. The watch thread only calls Notice(), which re-arms the quiet
// delay under a mutex and wakes the timer thread; the timer thread sleeps until
// the deadline (re-reading it after every wake-up) and raises OnChange outside the
// lock. Property setters run on the owner's thread, which alone starts and stops
// the watch thread.
#include "listing/dir_watch.h"

#include "platform/dir_watcher.h"
#include "platform/file_ops.h"

namespace nalo {

bool TQuietDelay::Due(TClock::time_point now) {
  if (!deadline_ || now < *deadline_) return false;
  deadline_.reset();
  return true;
}

TDirectoryWatcher::TDirectoryWatcher() : timer_([this] { TimerLoop(); }) {}

TDirectoryWatcher::~TDirectoryWatcher() {
  StopWatch();
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
  }
  wake_.notify_all();
  timer_.join();
}

void TDirectoryWatcher::SetOnChange(TOnChange on_change) {
  std::lock_guard lock(mutex_);
  on_change_ = std::move(on_change);
}

void TDirectoryWatcher::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled) {
    StopWatch();
  } else if (!watch_) {
    StartWatch();
  }
}

void TDirectoryWatcher::SetWatchSubTree(bool sub_tree) {
  if (sub_tree == sub_tree_) return;
  sub_tree_ = sub_tree;
  if (enabled_) StartWatch();
}

void TDirectoryWatcher::SetDirectory(const std::string& directory) {
  if (directory == directory_) return;
  directory_ = directory;
  {
    std::lock_guard lock(mutex_);
    reported_directory_ = directory;
  }
  if (enabled_) StartWatch();
}

int TDirectoryWatcher::DelayTime() const {
  std::lock_guard lock(mutex_);
  return delay_ms_;
}

void TDirectoryWatcher::SetDelayTime(int delay_ms) {
  std::lock_guard lock(mutex_);
  delay_ms_ = delay_ms;
  delay_.SetDelay(delay_ms);
}

void TDirectoryWatcher::StartWatch() {
  StopWatch();
  auto id = IdentityAt(directory_);
  if (directory_.empty() || !id || !id->IsDirectory()) return;
  watch_ = std::make_unique<TWatchThread>(directory_, sub_tree_, [this] { Notice(); });
}

void TDirectoryWatcher::StopWatch() {
  if (!watch_) return;
  watch_->Stop();
  watch_.reset();
}

void TDirectoryWatcher::Notice() {
  {
    std::lock_guard lock(mutex_);
    delay_.Notice(TQuietDelay::TClock::now());
  }
  wake_.notify_all();
}

void TDirectoryWatcher::TimerLoop() {
  std::unique_lock lock(mutex_);
  while (!ending_) {
    auto deadline = delay_.Deadline();
    if (!deadline) {
      wake_.wait(lock);
      continue;
    }
    if (wake_.wait_until(lock, *deadline) != std::cv_status::timeout) continue;
    if (!delay_.Due(TQuietDelay::TClock::now())) continue;
    TOnChange report = on_change_;
    std::string directory = reported_directory_;
    lock.unlock();
    if (report) report(directory);
    lock.lock();
  }
}

}  // namespace nalo
