// The watch thread calls Notice() on its own thread; Notice only posts a call to
// this object, which Qt drops once the object is gone. The thread is joined
// before the object dies, so no notice outlives it.
#include "listing/gui/dir_watch_bridge.h"

#include "platform/dir_watcher.h"
#include "ui/qt_text.h"

namespace nalo {

TDirWatchBridge::TDirWatchBridge(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setInterval(kMainWindowDelayTimeMs);
  connect(&timer_, &QTimer::timeout, this, [this] { emit Changed(FromCp932(directory_)); });
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

void TDirWatchBridge::SetWatchSubTree(bool sub_tree) {
  if (sub_tree == sub_tree_) return;
  sub_tree_ = sub_tree;
  if (enabled_) StartWatch();
}

void TDirWatchBridge::SetDirectory(const std::string& directory) {
  if (SameFolderIgnoringAsciiCase(directory, directory_)) return;
  directory_ = directory;
  if (enabled_) StartWatch();
}

void TDirWatchBridge::StartWatch() {
  StopWatch();
  if (directory_.empty()) return;
  watch_ = std::make_unique<TWatchThread>(directory_, sub_tree_, [this] { Notice(); });
  if (!watch_->Watching()) watch_.reset();
}

void TDirWatchBridge::StopWatch() {
  if (!watch_) return;
  watch_->Stop();
  watch_.reset();
}

void TDirWatchBridge::Notice() {
  QMetaObject::invokeMethod(this, [this] { timer_.start(); }, Qt::QueuedConnection);
}

}  // namespace nalo
