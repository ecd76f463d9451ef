// The folders a walk has read and not yet turned into rows, oldest first. A helper
// thread, kept for the whole walk, examines their items (one fstatat each) while
// the walk's thread reads the next folders; when the walk wants the oldest folder,
// it examines what the helper has not taken on yet itself. So both cores look at
// items, and reading, name conversion and sort keys overlap with the looks.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "listing/read_folder.h"

namespace nalo {

class TExamineQueue {
 public:
  TExamineQueue() = default;
  TExamineQueue(const TExamineQueue&) = delete;
  TExamineQueue& operator=(const TExamineQueue&) = delete;
  ~TExamineQueue();  // stops the helper; folders still queued are dropped

  // Queues a folder whose ToExamine is complete. The helper starts once enough
  // items wait to pay for it; without a thread the caller does all the looks.
  void Push(std::shared_ptr<TReadFolder> folder);
  bool Empty() const { return folders_.empty(); }
  std::size_t FolderCount() const { return folders_.size(); }
  std::size_t ItemCount() const { return items_; }
  // Removes the oldest folder once each of its items has been examined. The
  // caller examines the ones no thread has claimed, and while the helper finishes
  // its last chunk there, chunks of later folders. Not for an empty queue.
  std::shared_ptr<TReadFolder> PopExamined();

 private:
  void StartHelper();
  void Serve();
  TReadFolder* FirstWithUnclaimed() const;

  // Only the walk's thread changes the queue; the helper reads it under the lock.
  std::deque<std::shared_ptr<TReadFolder>> folders_;
  std::size_t items_ = 0;  // items of the queued folders
  std::mutex mutex_;
  std::condition_variable helper_wake_;
  std::condition_variable owner_wake_;
  std::atomic<TReadFolder*> busy_{nullptr};  // the folder the helper is examining
  bool owner_waits_ = false;
  bool stopping_ = false;
  bool unavailable_ = false;  // a start failed: the walk's thread does every look
  std::thread thread_;
};

}  // namespace nalo
