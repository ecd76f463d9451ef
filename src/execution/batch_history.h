// The history of batches in the settings folder: the batch that runs (or was cut
// short) stays in the journal file, and every batch that reached its end moves
// into a history folder, one file per batch named by a sequence number, so that
// keeping the last batches costs one rename per batch and dropping the oldest one
// unlink; nothing already written is written again. A list of the history reads
// the head of each file only. Callers that change anything hold the journal lock.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "execution/batch_journal.h"

namespace nalo {

// The folder of the history inside the settings folder.
inline constexpr const char* kHistoryFolderName = "Nalo_history";

// Batches the history keeps besides the one in the journal file: enough to undo a
// working session step by step, few enough that a list of them stays short.
inline constexpr std::size_t kHistoryBatches = 20;

std::string HistoryFolder(const std::string& folder);

// The batches, newest first: the one in the journal file, then the history.
std::vector<TBatchSummary> ReadHistory(const std::string& folder);

// The newest batch that undo is not done with, and its place in ReadHistory
// (1 = the newest).
struct TUndoableBatch {
  TBatchSummary Summary;
  std::size_t Number = 0;
};
std::optional<TUndoableBatch> NewestUndoableBatch(const std::string& folder);

// "バッチ 2（2026/12/09 10:15、/home/me/photos、12 個）": how messages name batch
// `batch`, number `number` of ReadHistory.
std::string BatchCaption(const TBatchSummary& batch, std::size_t number);

// Whether batch `batch` renamed items in the folder `utf8_folder`, below it, or
// above it (a folder the batch renamed may hold it).
bool BatchTouchesFolder(const TBatchSummary& batch, const std::string& utf8_folder);

// Moves a batch of the journal file that is over (finished, undone or given up)
// into the history, and drops the oldest batches beyond kHistoryBatches. 0, or
// the errno of a move that failed: the batch then stays in the journal file.
int ArchiveSettledJournal(const std::string& folder);

// Appends "undone" for each of `steps` of batch `batch` and, with `all_undone`,
// sets its state to undone; wherever in the history the batch is.
void MarkJournalUndone(const std::string& folder, const std::string& batch,
                       const std::vector<std::size_t>& steps, bool all_undone);

// Gives up the newest batch that undo is not done with, so that undo may go past
// it (and a new batch may start); false when there is none. A batch whose head
// cannot be rewritten is set aside under another name.
bool DiscardJournal(const std::string& folder);

}  // namespace nalo
