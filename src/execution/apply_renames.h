// Carrying an approved confirmation list onto the disk, and the confirmation step
// around it. Each applied row marks its entry renamed (State 0, OldPath = the path
// before) or failed (State 1), and exactly those entries end up selected. The
// previous batch's undo information is dropped when the new batch starts.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "execution/batch_runner.h"
#include "listing/list_data.h"
#include "rules/confirmation_row.h"

namespace nalo {

// A row the batch failed to apply, and why.
struct TFailedRow {
  std::size_t Row = 0;    // index into the rows
  std::size_t Entry = 0;  // index in the entry list
  // The errno of the refusal, or one of the plan's own refusal codes
  // (kErrItemReplaced and the like).
  int Error = 0;
  std::string OldPath;  // the item's full path before the batch (CP932)
};

struct TApplyResult {
  bool Started = false;        // false: refused (see Message) or not approved
  bool Stopped = false;        // a stop request ended the batch early
  std::size_t Renamed = 0;
  std::size_t Failed = 0;
  std::size_t NotRun = 0;                    // rows a stop request left untouched
  std::vector<TFailedRow> FailedRows;        // in the order applied
  std::vector<std::size_t> SelectedEntries;  // rows of the entry list to select, ascending
  std::string Message;         // failure report or refusal; empty when there is none
};

// Applies the rows `selected_rows` of `rows` (all rows when it is empty), made from
// `entries`, in that order as far as the batch order allows; marks each row whose
// entry it renamed (Renamed). When the journal cannot be written, is locked by
// another batch or holds an unfinished batch, or a row names no entry of the list,
// nothing changes and Message says why. Each move is checked against the identity
// its entry had in the listing.
TApplyResult ApplyRenames(TEntryList& entries, TConfirmationList& rows,
                          const std::vector<std::size_t>& selected_rows,
                          const TBatchOptions& options);

// Shows the list and returns the rows the user selected (empty: all rows), or
// nothing when the user did not approve.
using TConfirmFunction =
    std::function<std::optional<std::vector<std::size_t>>(TConfirmationList& rows)>;

// With no rows, returns the message "該当するファイルがありません。" without asking;
// otherwise asks `confirm` and applies the approved rows.
TApplyResult ConfirmAndApply(TEntryList& entries, TConfirmationList& rows,
                             const TConfirmFunction& confirm, const TBatchOptions& options);

}  // namespace nalo
