#include "listing/examine_queue.h"

#include <system_error>
#include <utility>

namespace nalo {
namespace {

// Items waiting before the helper thread is started: a listing of a few hundred
// items is done sooner on one thread than a thread is started for it.
constexpr std::size_t kHelperStartItems = 512;

}  // namespace

TExamineQueue::~TExamineQueue() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  helper_wake_.notify_one();
  thread_.join();
}

void TExamineQueue::StartHelper() {
  if (thread_.joinable() || unavailable_) return;
  try {
    thread_ = std::thread([this] { Serve(); });
  } catch (const std::system_error&) {
    unavailable_ = true;
  }
}

void TExamineQueue::Push(std::shared_ptr<TReadFolder> folder) {
  items_ += folder->Items.size();
  const bool has_work = !folder->ToExamine.empty();
  {
    const std::lock_guard lock(mutex_);
    folders_.push_back(std::move(folder));
  }
  if (!has_work) return;
  if (!thread_.joinable() && items_ >= kHelperStartItems) StartHelper();
  if (thread_.joinable()) helper_wake_.notify_one();
}

std::shared_ptr<TReadFolder> TExamineQueue::PopExamined() {
  TReadFolder& oldest = *folders_.front();
  for (;;) {
    while (oldest.ExamineChunk()) {}
    // Every item is claimed now; the helper may still be examining its last chunk.
    if (busy_.load(std::memory_order_acquire) == &oldest) {
      if (TReadFolder* later = FirstWithUnclaimed()) {
        later->ExamineChunk();
        continue;
      }
      std::unique_lock lock(mutex_);
      owner_waits_ = true;
      owner_wake_.wait(lock, [&] { return busy_.load(std::memory_order_relaxed) != &oldest; });
      owner_waits_ = false;
    }
    // The helper picks its folder under the lock, so once the folder is out of the
    // queue it cannot take it on again.
    const std::lock_guard lock(mutex_);
    if (busy_.load(std::memory_order_relaxed) == &oldest) continue;
    std::shared_ptr<TReadFolder> done = std::move(folders_.front());
    folders_.pop_front();
    items_ -= done->Items.size();
    return done;
  }
}

TReadFolder* TExamineQueue::FirstWithUnclaimed() const {
  for (const std::shared_ptr<TReadFolder>& f : folders_) {
    if (!f->AllClaimed()) return f.get();
  }
  return nullptr;
}

void TExamineQueue::Serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    TReadFolder* folder = nullptr;
    helper_wake_.wait(lock, [&] {
      folder = FirstWithUnclaimed();
      return stopping_ || folder != nullptr;
    });
    if (stopping_) return;
    busy_.store(folder, std::memory_order_relaxed);
    lock.unlock();
    while (folder->ExamineChunk()) {}
    lock.lock();
    busy_.store(nullptr, std::memory_order_release);
    if (owner_waits_) owner_wake_.notify_one();
  }
}

}  // namespace nalo
