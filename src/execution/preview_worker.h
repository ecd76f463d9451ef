// The computation behind the new-name column and the thread it runs on. A request
// carries everything a run reads (a copy of the entry list, the selection flags,
// the conditions and the rule with its record), so the worker shares nothing with
// the window. Only the newest request counts: posting one stops the run in
// progress before its next entry, and a request replaced while waiting never runs.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "execution/rename_preview.h"
#include "listing/list_data.h"
#include "rules/rule_run.h"

namespace nalo {

struct TPreviewRequest {
  std::uint64_t Generation = 0;
  std::shared_ptr<const TEntryList> Entries;
  std::optional<std::vector<bool>> Selection;  // set when only the selection is renamed
  TExclusion Exclusion;
  bool Trim = true;
  bool FolderMode = false;
  TInfoTextSource InfoSource;  // over a copy of the information settings
  TRuleJob Job;
  // Entries [0, FirstPart) are computed and delivered first, with the marks found
  // within them; 0 when the whole list comes at once.
  std::size_t FirstPart = 0;
};

struct TPreviewResult {
  std::uint64_t Generation = 0;
  bool Cancelled = false;  // a newer request came first: nothing else is valid
  bool Complete = false;   // false: only the first part, without marks from the disk
  std::string Message;     // the rule's message (UTF-8); empty when the rows are valid
  TConfirmationList Rows;
  std::vector<TRowClash> Clashes;        // one per row
  std::vector<std::int32_t> RowOfEntry;  // per entry: its row, or -1 (name unchanged)
};

// Runs the request's rule as the action button does and marks the rows as the
// confirmation window does. With `first_part` only the entries before FirstPart
// are walked and only clashes within them are marked. `stop` is asked before each
// entry; nothing is returned when it said stop.
std::optional<TPreviewResult> ComputePreview(const TPreviewRequest& request, bool first_part,
                                             const std::function<bool()>& stop);

// Two threads: one computes the first parts, the other the whole results, so the
// visible rows of a new request come at once even while the clash check of an
// older whole result (which cannot stop midway) is still running.
class TPreviewWorker {
 public:
  // `deliver` is called on a worker thread: with the first part (when the request
  // has one and it is still the newest), and with the whole result or, when a newer
  // request came first, with Cancelled set. The first part may come after the
  // whole result.
  explicit TPreviewWorker(std::function<void(TPreviewResult)> deliver);
  ~TPreviewWorker();
  TPreviewWorker(const TPreviewWorker&) = delete;
  TPreviewWorker& operator=(const TPreviewWorker&) = delete;

  // Makes `generation` the newest: a run of an older one stops before its next entry.
  void Supersede(std::uint64_t generation);
  void Post(TPreviewRequest request);

 private:
  struct TLane {
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<TPreviewRequest> pending;
    std::thread thread;
  };

  void Loop(TLane& lane, bool first_part);
  // Hands the request to the lane; returns the request it replaced, if any.
  static std::optional<TPreviewRequest> Hand(TLane& lane, TPreviewRequest request);
  void Run(const TPreviewRequest& request, bool first_part);
  void DeliverCancelled(std::uint64_t generation);
  bool Stale(std::uint64_t generation) const { return newest_.load() != generation; }

  std::function<void(TPreviewResult)> deliver_;
  std::atomic<std::uint64_t> newest_{0};
  std::atomic<bool> quit_{false};
  TLane first_;
  TLane whole_;
};

}  // namespace nalo
