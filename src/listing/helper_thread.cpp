#include "listing/helper_thread.h"

#include <system_error>

namespace nalo {

THelperThread::~THelperThread() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

bool THelperThread::Start() {
  if (thread_.joinable()) return true;
  if (unavailable_) return false;
  try {
    thread_ = std::thread([this] { Serve(); });
    return true;
  } catch (const std::system_error&) {
    unavailable_ = true;
    return false;
  }
}

void THelperThread::RunBeside(const std::function<void()>& task, const std::function<void()>& own) {
  if (!Start()) {
    own();
    task();
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    task_ = &task;
  }
  wake_.notify_all();
  own();
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return task_ == nullptr; });
}

void THelperThread::Serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || task_ != nullptr; });
    if (task_ == nullptr) return;  // stopping with nothing left to do
    const std::function<void()>& task = *task_;
    lock.unlock();
    task();
    lock.lock();
    task_ = nullptr;
    wake_.notify_all();
  }
}

}  // namespace nalo
