// The switch the disk-changing operations use to keep the directory watcher quiet
// while they work, so that the program's own changes are never reported as
// changes made by someone else. The front end passes a function that sets the
// watcher's Enabled; an empty function means there is no watcher.
#pragma once

#include <functional>

namespace nalo {

using TWatcherSwitch = std::function<void(bool enabled)>;

// Turns the watcher off for its lifetime and on again afterwards.
class TWatcherPause {
 public:
  explicit TWatcherPause(const TWatcherSwitch& watcher) : watcher_(watcher) {
    if (watcher_) watcher_(false);
  }
  ~TWatcherPause() {
    if (watcher_) watcher_(true);
  }
  TWatcherPause(const TWatcherPause&) = delete;
  TWatcherPause& operator=(const TWatcherPause&) = delete;

 private:
  const TWatcherSwitch& watcher_;
};

}  // namespace nalo
