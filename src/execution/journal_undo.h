// Undoing the last batch from its journal, for a fresh process (nalo-cli undo, the
// desktop program's start-up offer) and for a batch cut short by a crash, a kill
// or a stop signal. Steps are reversed last first; a step is reversed only when
// its target holds the very item it moved (same device and inode), its source is
// free and both lie in the same folder, so nothing is ever replaced and nothing
// leaves its folder. Each reversed step is marked in the journal; the batch is
// marked undone only when no step is left to undo.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "execution/watcher_pause.h"

namespace nalo {

struct TJournalUndoResult {
  bool Found = false;                 // a journal with a batch that was not undone or discarded
  std::string Refusal;                // why nothing was tried (another batch runs)
  std::size_t Restored = 0;           // items back under their names from before the batch
  std::size_t Failed = 0;             // steps left undone: refused, lost track of, or damaged
  bool Stopped = false;               // a stop request ended the undo early
  std::vector<std::string> Messages;  // one per step that could not be undone
};

TJournalUndoResult UndoFromJournal(const std::string& folder, const TWatcherSwitch& watcher,
                                   const std::function<bool()>& stop_requested = {});

}  // namespace nalo
