// Undoing batches from the history, newest first, for a fresh process (nalo-cli
// undo, the desktop program's history window and its start-up offer) and for a
// batch cut short by a crash, a kill or a stop signal. Each call undoes the newest
// batch that undo is not done with. Steps are reversed last first; a step is
// reversed only when its target holds the very item it moved (same device and
// inode), its source is free and both lie in the same folder, so nothing is ever
// replaced and nothing leaves its folder.
// A step whose target now holds another item, or is gone while its folder is
// there, is given up for good and reported: the batch then counts as undone in
// part, and the next undo goes on to the batch before it. A step refused for a
// passing reason (permission, a missing folder, a taken name, I/O, a damaged
// record) leaves the batch pending, and the next undo tries it again first.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "execution/batch_journal.h"
#include "execution/watcher_pause.h"

namespace nalo {

struct TJournalUndoResult {
  bool Found = false;                 // a batch that undo was not done with
  std::string Refusal;                // why nothing was tried (another batch runs)
  TBatchSummary Batch;                // the batch the undo worked on
  std::size_t Number = 0;             // its place in the history (1 = the newest)
  std::size_t Restored = 0;           // items back under their names from before the batch
  std::size_t Skipped = 0;            // steps given up for good (listed in Messages)
  std::size_t Failed = 0;             // steps left for the next undo (listed in Messages)
  bool Stopped = false;               // a stop request ended the undo early
  bool Settled = false;               // undo is done with the batch
  std::vector<std::string> Messages;  // one per step that was not undone
};

// Undoes the newest batch that undo is not done with. With `expected_batch`, only
// when that is the batch (the one the user agreed to); otherwise Refusal says so.
// `restored` hears the count of items put back after each one.
TJournalUndoResult UndoFromJournal(const std::string& folder, const TWatcherSwitch& watcher,
                                   const std::function<bool()>& stop_requested = {},
                                   const std::string& expected_batch = {},
                                   const std::function<void(std::size_t)>& restored = {});

}  // namespace nalo
