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

// Whether `path` is the entry's full path, without making it.
bool IsPathOf(const TListData& entry, std::string_view path) {
  if (entry.Legacy) return entry.FullPath() == path;
  const std::string& folder = entry.Location.str();
  return path.size() == folder.size() + entry.Name.size() && path.starts_with(folder) &&
         path.ends_with(entry.Name);
}

// The entry of each applied row, or TPathIndex::npos. A rule run adds its rows in
// entry order, so the rows are matched by walking the entries alongside them; from
// the first row out of that order on (a confirmation list sorted by the user) a
// full-path index finds the rest.
std::vector<std::size_t> EntriesOfRows(const TEntryList& entries, const TConfirmationList& rows,
                                       const std::vector<std::size_t>& applied) {
  std::vector<std::size_t> entry_of(applied.size(), TPathIndex::npos);
  std::size_t k = 0;
  for (std::size_t e = 0; k < applied.size(); ++k, ++e) {
    const std::string& path = rows[applied[k]].OldFullPath;
    while (e < entries.Count() && !IsPathOf(entries.EntryAt(e), path)) ++e;
    if (e == entries.Count()) break;
    entry_of[k] = e;
  }
  if (k == applied.size()) return entry_of;
  const TPathIndex index(entries);
  for (; k < applied.size(); ++k) entry_of[k] = index.Find(rows[applied[k]].OldFullPath);
  return entry_of;
}

// The moves of the applied rows borrow the rows' old and new full paths for the
// batch (a million rows would otherwise hold every path twice) and give them back
// when it is over, whatever happens in between.
class TBorrowedPaths {
 public:
  TBorrowedPaths(TConfirmationList& rows, const std::vector<std::size_t>& applied)
      : rows_(rows), applied_(applied) {
    moves_.reserve(applied.size());
    for (std::size_t r : applied) {
      TConfirmationRow& row = rows[r];
      row.NewFullPath = std::string(FolderPartOf(row.OldFullPath)) + row.NewName;
      moves_.push_back(TMove{std::move(row.OldFullPath), std::move(row.NewFullPath), {}, {}});
    }
  }
  ~TBorrowedPaths() {
    for (std::size_t k = 0; k < applied_.size(); ++k) {
      rows_[applied_[k]].OldFullPath = std::move(moves_[k].From);
      rows_[applied_[k]].NewFullPath = std::move(moves_[k].To);
    }
  }
  TBorrowedPaths(const TBorrowedPaths&) = delete;
  TBorrowedPaths& operator=(const TBorrowedPaths&) = delete;

  std::vector<TMove>& Moves() { return moves_; }

 private:
  TConfirmationList& rows_;
  const std::vector<std::size_t>& applied_;
  std::vector<TMove> moves_;
};

}  // namespace

TApplyResult ApplyRenames(TEntryList& entries, TConfirmationList& rows,
                          const std::vector<std::size_t>& selected_rows,
                          const TBatchOptions& options) {
  const std::vector<std::size_t> applied = RowsToApply(rows, selected_rows);
  const std::vector<std::size_t> entry_of = EntriesOfRows(entries, rows, applied);
  TBorrowedPaths borrowed(rows, applied);
  std::vector<TMove>& moves = borrowed.Moves();
  for (std::size_t k = 0; k < applied.size(); ++k) {
    if (entry_of[k] == TPathIndex::npos) continue;
    const TListData& entry = entries.EntryAt(entry_of[k]);
    moves[k].Item = entry.Identity;
    moves[k].Folder = entry.Location.Identity();
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
    const TMove& move = moves[k];
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
      reasons += "\r" + Cp932ToUtf8Lossy(move.From) + ": " + std::string(reason);
    }
    if (entry_of[k] == TPathIndex::npos) continue;
    TListData& entry = entries.EntryAt(entry_of[k]);
    if (ok) {
      entry.OldPath = move.From;
      entry.SetPath(move.To);
      entry.State = kStateRenamed;
    } else {
      entry.State = kStateFailed;
      result.FailedEntries.push_back({entry_of[k], error});
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
