// TWatchThread: one background thread that waits for name changes in a folder
// (items created, deleted or renamed; not changes of contents, size, time or
// attributes), optionally in all its sub-folders, and calls a notice function for
// each wake-up. It is stopped through a wake-up event and joined, so once Stop()
// returns no notice is running or will run.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace nalo {

class TWatchThread {
 public:
  using TNotice = std::function<void()>;

  // Starts watching `cp932_directory` at once. When the folder cannot be watched
  // the thread only waits to be stopped (Watching() is false).
  TWatchThread(const std::string& cp932_directory, bool sub_tree, TNotice notice);
  ~TWatchThread();  // stops and joins
  TWatchThread(const TWatchThread&) = delete;
  TWatchThread& operator=(const TWatchThread&) = delete;

  void Stop();
  bool Watching() const;

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};

}  // namespace nalo
