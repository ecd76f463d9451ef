// ApplyRenames: rows become moves, the batch runner carries them out in a safe
// order, and the entries are then updated row by row from the per-move outcome.
// Folders renamed in the batch carry the entries below them along (Location,
// FullPath and OldPath), deepest folder first as they were renamed. A row names
// its entry by index, so the moves are made from the entries' folders and names
// and the rows' new names, without a full path per row.
#include "execution/apply_renames.h"

#include <cerrno>

#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "platform/encoding.h"
#include "rules/rule_messages.h"

namespace nalo {
namespace {

// The rows to apply: `selected_rows`, or every row when it is empty.
class TAppliedRows {
 public:
  TAppliedRows(const TConfirmationList& rows, const std::vector<std::size_t>& selected)
      : rows_(rows), selected_(selected) {}
  std::size_t size() const { return selected_.empty() ? rows_.size() : selected_.size(); }
  std::size_t operator[](std::size_t k) const { return selected_.empty() ? k : selected_[k]; }
  // Whether every row to apply is a row of the list naming an entry of `entries`.
  bool Valid(const TEntryList& entries) const {
    for (std::size_t k = 0; k < size(); ++k) {
      const std::size_t r = (*this)[k];
      if (r >= rows_.size() || rows_[r].Entry >= entries.Count()) return false;
    }
    return true;
  }

 private:
  const TConfirmationList& rows_;
  const std::vector<std::size_t>& selected_;
};

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
std::vector<std::string_view> ChangedFolders(const TMoveList& moves, const TBatchOutcome& outcome) {
  std::vector<std::string_view> folders;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (outcome.MoveErrors[i] != 0) continue;
    const std::string_view folder = moves.FolderOf(i);
    if (folders.empty() || folders.back() != folder) folders.push_back(folder);
  }
  return folders;
}

// The name of the entry's item on disk: a legacy name stands as its disk bytes.
std::string_view DiskFormName(const TListData& entry, std::string& scratch) {
  if (!entry.Legacy) return entry.Name;
  scratch = entry.FullPath();
  return NamePartOf(scratch);
}

TMoveList MovesOf(const TEntryList& entries, const TConfirmationList& rows,
                  const TAppliedRows& applied) {
  TMoveList moves;
  std::size_t bytes = 0;
  for (std::size_t k = 0; k < applied.size(); ++k) {
    const TConfirmationRow& row = rows[applied[k]];
    bytes += entries.EntryAt(row.Entry).Name.size() + row.NewName.size();
  }
  moves.Reserve(applied.size(), bytes);
  std::string scratch;
  for (std::size_t k = 0; k < applied.size(); ++k) {
    const TConfirmationRow& row = rows[applied[k]];
    const TListData& entry = entries.EntryAt(row.Entry);
    moves.Add(entry.Location.str(), entry.Location.Identity(), DiskFormName(entry, scratch),
              row.NewName, entry.Identity);
  }
  return moves;
}

}  // namespace

TApplyResult ApplyRenames(TEntryList& entries, TConfirmationList& rows,
                          const std::vector<std::size_t>& selected_rows,
                          const TBatchOptions& options) {
  const TAppliedRows applied(rows, selected_rows);
  TApplyResult result;
  if (!applied.Valid(entries)) {
    result.Message = std::string(kMsgRowsOutOfDate);
    return result;
  }
  const TMoveList moves = MovesOf(entries, rows, applied);
  TBatchOutcome outcome = RunBatch(moves, options, /*write_journal=*/true);
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
  std::string new_path;
  for (std::size_t k = 0; k < applied.size(); ++k) {
    const int error = outcome.MoveErrors[k];
    if (error == kErrNotRun) {
      ++result.NotRun;
      continue;
    }
    bool ok = error == 0;
    ok ? ++result.Renamed : ++result.Failed;
    if (const std::string_view reason = RefusalReason(error);
        !reason.empty() && reason_lines++ < kMaxReasonLines) {
      reasons += "\r" + Cp932ToUtf8Lossy(moves.From(k)) + ": " + std::string(reason);
    }
    TConfirmationRow& row = rows[applied[k]];
    TListData& entry = entries.EntryAt(row.Entry);
    if (!ok) result.FailedRows.push_back({applied[k], row.Entry, error, moves.From(k)});
    if (ok) {
      const std::string& folder = moves.FolderOf(k);
      entry.OldPath.assign(folder).append(moves.FromName(k));
      new_path.assign(folder).append(moves.ToName(k));
      entry.SetPath(new_path);
      entry.State = kStateRenamed;
      row.Renamed = true;
    } else {
      entry.State = kStateFailed;
    }
    picked[row.Entry] = true;
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
