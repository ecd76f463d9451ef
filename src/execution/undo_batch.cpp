// UndoLastBatch: the undoable entries become moves back to their OldPath and run
// through the same batch runner as a batch (so swapped names and folders with
// renamed contents come back in a safe order), then the entries follow the disk.
#include "execution/undo_batch.h"

#include <algorithm>
#include <optional>

#include "execution/batch_history.h"
#include "execution/batch_journal.h"
#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "listing/status_text.h"

namespace nalo {
namespace {

std::vector<std::size_t> UndoableEntries(const TEntryList& entries, const TUndoRequest& request) {
  std::vector<bool> selected;
  if (request.SelectOnly) {
    selected.assign(entries.Count(), false);
    for (std::size_t i : request.Selected) {
      if (i < selected.size()) selected[i] = true;
    }
  }
  std::vector<std::size_t> undoable;
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    const TListData& e = entries.EntryAt(i);
    if (e.State != kStateRenamed || e.OldPath.empty()) continue;
    if (request.SelectOnly && !selected[i]) continue;
    undoable.push_back(i);
  }
  return undoable;
}

}  // namespace

TUndoResult UndoLastBatch(TEntryList& entries, const TUndoRequest& request,
                          const TBatchOptions& options) {
  TUndoResult result;
  if (request.SelectOnly && !(request.AskYesNo && request.AskYesNo(kMsgUndoSelectedOnly))) {
    result.Declined = true;
    return result;
  }
  std::optional<TJournalLock> lock;
  if (!options.JournalFolder.empty()) {
    lock.emplace(options.JournalFolder, options.LockWaitMs);
    if (!lock->Held()) {
      result.Refusal = lock->Refusal();
      return result;
    }
  }
  std::vector<std::size_t> undoable = UndoableEntries(entries, request);
  TMoveList moves;
  std::size_t name_bytes = 0;
  for (std::size_t i : undoable) {
    const TListData& entry = entries.EntryAt(i);
    name_bytes += entry.Name.size() + NamePartOf(entry.OldPath).size();
  }
  moves.Reserve(undoable.size(), name_bytes);
  for (std::size_t i : undoable) {
    TListData& entry = entries.EntryAt(i);
    // The item goes back to its old name in the folder it is in now (OldPath
    // follows a renamed folder along).
    const std::string path = entry.FullPath();
    moves.Add(entry.Location.str(), entry.Location.Identity(), NamePartOf(path),
              NamePartOf(entry.OldPath), entry.Identity);
    entry.OldPath.clear();
    entry.State = kStateUntouched;
  }
  TBatchOptions run_options = options;
  if (request.ItemRefused) {
    run_options.MoveFailed = [&](std::size_t k, int /*error*/) {
      request.ItemRefused(UndoFailureMessage(moves.From(k), moves.To(k)));
    };
  }
  TBatchOutcome outcome = RunBatch(moves, run_options, /*write_journal=*/false);
  for (std::size_t k = 0; k < undoable.size(); ++k) {
    TListData& entry = entries.EntryAt(undoable[k]);
    if (outcome.MoveErrors[k] == 0) {
      entry.SetPath(moves.To(k));
      ++result.Restored;
    } else if (outcome.MoveErrors[k] == kErrNotRun) {
      entry.OldPath = moves.To(k);
      entry.State = kStateRenamed;
      ++result.NotRun;
    } else {
      result.Messages.push_back(UndoFailureMessage(moves.From(k), moves.To(k)));
      ++result.Failed;
    }
  }
  CarryFolderContents(entries, moves, outcome);
  result.StillPending = CountMarks(entries).Renamed;
  if (result.StillPending == 0 && result.Failed == 0 && lock) {
    MarkJournalUndone(options.JournalFolder, entries.JournalBatch, {}, /*all_undone=*/true);
  }
  return result;
}

}  // namespace nalo
