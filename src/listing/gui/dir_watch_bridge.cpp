// The watch thread calls Notice() on its own thread; Notice only posts a call to
// this object, which Qt drops once the object is gone. The thread is joined
// before the object dies, so no notice outlives it. Every watch has a number: a
// notice still queued from an earlier watch (another folder) arms nothing.
#include "listing/gui/dir_watch_bridge.h"

#include <chrono>

#include "platform/dir_watcher.h"
#include "ui/qt_text.h"

namespace nalo {

TDirWatchBridge::TDirWatchBridge(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { CheckDelay(); });
}

TDirWatchBridge::~TDirWatchBridge() { StopWatch(); }

void TDirWatchBridge::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled_) {
    StopWatch();
  } else if (!watch_) {
    StartWatch();
  }
}

void TDirWatchBridge::Watch(const std::string& directory, bool sub_tree) {
  if (directory == directory_ && sub_tree == sub_tree_) return;
  directory_ = directory;
  sub_tree_ = sub_tree;
  if (enabled_) StartWatch();
}

void TDirWatchBridge::DropPendingReport() {
  delay_.Cancel();
  timer_.stop();
}

void TDirWatchBridge::StartWatch() {
  StopWatch();
  if (directory_.empty()) return;
  const unsigned watch_number = ++watch_number_;
  watch_ = std::make_unique<TWatchThread>(directory_, sub_tree_,
                                          [this, watch_number] { Notice(watch_number); });
  if (!watch_->Watching()) watch_.reset();
}

void TDirWatchBridge::StopWatch() {
  DropPendingReport();
  if (!watch_) return;
  watch_->Stop();
  watch_.reset();
}

void TDirWatchBridge::Notice(unsigned watch_number) {
  QMetaObject::invokeMethod(
      this,
      [this, watch_number] {
        if (!watch_ || watch_number != watch_number_) return;
        delay_.Notice(TQuietDelay::TClock::now());
        if (!timer_.isActive()) CheckDelay();
      },
      Qt::QueuedConnection);
}

void TDirWatchBridge::CheckDelay() {
  const auto now = TQuietDelay::TClock::now();
  if (delay_.Due(now)) {
    emit Changed(FromCp932(directory_));
    return;
  }
  const auto deadline = delay_.Deadline();
  if (!deadline) return;
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - now);
  timer_.start(static_cast<int>(wait.count()));
}

}  // namespace nalo
