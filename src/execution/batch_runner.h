// Carries out a batch of moves: plans the order, records the plan in the journal,
// then makes one rename call per step with the watcher paused for the whole run.
// A read-only item gets its write permission back just before its move and its
// exact permission bits again right after, wherever the item then is.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "execution/move_plan.h"
#include "execution/watcher_pause.h"
#include "listing/list_data.h"

namespace nalo {

struct TBatchOptions {
  TWatcherSwitch Watcher;     // empty: no watcher to pause
  std::string JournalFolder;  // UTF-8 settings folder; empty: no journal
  // Called after each rename call with the number of calls made so far; tests use
  // it to stop a process in the middle of a batch.
  std::function<void(std::size_t steps_done)> AfterStep;
  // Set (from any thread): no further move starts. A move already under way (an
  // item parked at a temporary name in a cycle) is finished first; the moves
  // never started fail with ECANCELED and their items stay where they are.
  const std::atomic<bool>* Cancel = nullptr;
};

struct TBatchOutcome {
  bool Started = false;
  std::string Refusal;          // why the batch did not start
  std::vector<int> MoveErrors;  // per move: 0 or the errno of its failure
  std::vector<std::optional<TFileIdentity>> Source;  // what each move moved
};

// Runs the moves. With `write_journal` and a journal folder, the plan must be
// recorded first or nothing is renamed.
TBatchOutcome RunBatch(const std::vector<TMove>& moves, const TBatchOptions& options,
                       bool write_journal);

// Carries the entries below every folder the finished batch renamed along with it
// (Location, FullPath, OldPath), deepest folder first as they were renamed.
void CarryFolderContents(TEntryList& entries, const std::vector<TMove>& moves,
                         const TBatchOutcome& outcome);

}  // namespace nalo
