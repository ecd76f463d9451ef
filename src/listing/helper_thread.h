// A second thread kept for a whole walk: each large folder hands it half of its
// work, and no folder pays for starting a thread of its own.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace nalo {

class THelperThread {
 public:
  THelperThread() = default;
  THelperThread(const THelperThread&) = delete;
  THelperThread& operator=(const THelperThread&) = delete;
  ~THelperThread();

  // Runs `task` on the helper while the calling thread runs `own`; returns when
  // both are done. The helper starts on first use; when no thread can be had,
  // the calling thread runs `own` and then `task`.
  void RunBeside(const std::function<void()>& task, const std::function<void()>& own);

 private:
  bool Start();
  void Serve();

  std::mutex mutex_;
  std::condition_variable wake_;
  const std::function<void()>* task_ = nullptr;  // set while a task waits or runs
  bool stopping_ = false;
  bool unavailable_ = false;  // a start failed: work stays on the calling thread
  std::thread thread_;
};

}  // namespace nalo
