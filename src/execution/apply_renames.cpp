// ApplyRenames: rows become moves, the batch runner carries them out in a safe
// order, and the entries are then updated row by row from the per-move outcome.
// Folders renamed in the batch carry the entries below them along (Location,
// FullPath and OldPath), deepest folder first as they were renamed.
#include "execution/apply_renames.h"

#include <cerrno>

#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "platform/encoding.h"
#include "rules/rule_messages.h"

namespace nalo {
namespace {

std::vector<std::size_t> RowsToApply(const TConfirmationList& rows,
                                     const std::vector<std::size_t>& selected_rows) {
  if (!selected_rows.empty()) return selected_rows;
  std::vector<std::size_t> all(rows.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  return all;
}

// Paths named with their reason in the failure report, at most: enough to show
// what happened, few enough for a message box.
constexpr std::size_t kMaxReasonLines = 10;

void ForgetLastBatch(TEntryList& entries) {
  for (TListData& entry : entries.Items()) {
    entry.State = kStateUntouched;
    entry.OldPath.clear();
  }
}

// The folders in which the batch renamed something (views into the moves).
std::vector<std::string_view> ChangedFolders(const std::vector<TMove>& moves,
                                             const TBatchOutcome& outcome) {
  std::vector<std::string_view> folders;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (outcome.MoveErrors[i] != 0) continue;
    const std::string_view folder = FolderPartOf(moves[i].From);
    if (folders.empty() || folders.back() != folder) folders.push_back(folder);
  }
  return folders;
}

}  // namespace

TApplyResult ApplyRenames(TEntryList& entries, TConfirmationList& rows,
                          const std::vector<std::size_t>& selected_rows,
                          const TBatchOptions& options) {
  std::vector<std::size_t> applied = RowsToApply(rows, selected_rows);
  std::vector<std::size_t> entry_of;
  {
    TPathIndex index(entries);  // views the FullPath strings: look up before changing them
    std::vector<std::string_view> old_paths;
    old_paths.reserve(applied.size());
    for (std::size_t r : applied) old_paths.push_back(rows[r].OldFullPath);
    entry_of = index.FindAll(old_paths);
  }
  std::vector<TMove> moves;
  moves.reserve(applied.size());
  for (std::size_t k = 0; k < applied.size(); ++k) {
    TConfirmationRow& row = rows[applied[k]];
    row.NewFullPath = std::string(FolderPartOf(row.OldFullPath)) + row.NewName;
    TMove& move = moves.emplace_back(TMove{row.OldFullPath, row.NewFullPath, {}, {}});
    if (entry_of[k] != TPathIndex::npos) {
      const TListData& entry = entries.EntryAt(entry_of[k]);
      move.Item = entry.Identity;
      move.Folder = entry.Location.Identity();
    }
  }
  TBatchOutcome outcome = RunBatch(moves, options, /*write_journal=*/true);
  TApplyResult result;
  if (!outcome.Started) {
    result.Message = outcome.Refusal;
    return result;
  }
  result.Started = true;
  result.Stopped = outcome.Stopped;
  ForgetLastBatch(entries);
  entries.JournalBatch = outcome.Batch;
  std::vector<bool> picked(entries.Count(), false);
  std::string reasons;
  std::size_t reason_lines = 0;
  for (std::size_t k = 0; k < applied.size(); ++k) {
    const TConfirmationRow& row = rows[applied[k]];
    const int error = outcome.MoveErrors[k];
    if (error == kErrNotRun) {
      ++result.NotRun;
      continue;
    }
    bool ok = error == 0;
    ok ? ++result.Renamed : ++result.Failed;
    if (!ok) result.FailedRows.push_back(applied[k]);
    if (const std::string_view reason = RefusalReason(error);
        !reason.empty() && reason_lines++ < kMaxReasonLines) {
      reasons += "\r" + Cp932ToUtf8Lossy(row.OldFullPath) + ": " + std::string(reason);
    }
    if (entry_of[k] == TPathIndex::npos) continue;
    TListData& entry = entries.EntryAt(entry_of[k]);
    if (ok) {
      entry.OldPath = entry.FullPath();
      entry.SetPath(row.NewFullPath);
      entry.State = kStateRenamed;
    } else {
      entry.State = kStateFailed;
    }
    picked[entry_of[k]] = true;
  }
  ForgetFolderNames(entries, ChangedFolders(moves, outcome));
  CarryFolderContents(entries, moves, outcome);
  for (std::size_t e = 0; e < picked.size(); ++e) {
    if (picked[e]) result.SelectedEntries.push_back(e);
  }
  if (result.Failed > 0) result.Message = RenameFailureMessage(result.Failed) + reasons;
  return result;
}

TApplyResult ConfirmAndApply(TEntryList& entries, TConfirmationList& rows,
                             const TConfirmFunction& confirm, const TBatchOptions& options) {
  TApplyResult result;
  if (rows.empty()) {
    result.Message = std::string(kMsgNothingToRename);
    return result;
  }
  auto selected = confirm(rows);
  if (!selected) return result;
  return ApplyRenames(entries, rows, *selected, options);
}

}  // namespace nalo
