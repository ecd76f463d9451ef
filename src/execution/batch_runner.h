// Carries out a batch of moves: plans the order, records the plan in the journal,
// then makes one rename call per step with the watcher paused for the whole run.
// A batch that writes the journal holds the journal's lock from before the plan
// to after the outcome, and does not start while the journal holds a batch that
// never reached its end. A stop request ends the batch between two steps, never
// while an item sits under a temporary name.
// A read-only item gets its write permission back just before its move and its
// exact permission bits again right after, wherever the item then is.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "execution/batch_journal.h"
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
  // Asked before each step; true ends the batch there (Ctrl-C, SIGTERM).
  std::function<bool()> StopRequested;
  // Told, on the batch's thread, of each move as soon as it failed (the moves the
  // plan refused before the first step) with its errno; the batch goes on after.
  std::function<void(std::size_t move, int error)> MoveFailed;
  // Told, before a step, of the folder it works in (UTF-8, with its closing "/")
  // whenever that differs from the previous step's, for a progress display.
  std::function<void(std::string_view folder)> StepFolder;
  // How long to wait for another batch holding the journal's lock.
  int LockWaitMs = kJournalLockWaitMs;
};

struct TBatchOutcome {
  bool Started = false;
  std::string Refusal;          // why the batch did not start
  std::vector<int> MoveErrors;  // per move: 0, kErrNotRun, or the errno of its failure
  // Per move: the mode of the item when its first step looked at it; 0 when no
  // step did.
  std::vector<mode_t> Modes;
  bool Stopped = false;  // a stop request ended the batch early
  std::string Batch;     // the journal's name of the batch ("" without one)
};

// Runs the moves. With `write_journal` and a journal folder, the plan must be
// recorded first or nothing is renamed.
TBatchOutcome RunBatch(const TMoveList& moves, const TBatchOptions& options, bool write_journal);

// Carries the entries below every folder the finished batch renamed along with it
// (Location, FullPath, OldPath), deepest folder first as they were renamed.
void CarryFolderContents(TEntryList& entries, const TMoveList& moves, const TBatchOutcome& outcome);

}  // namespace nalo
