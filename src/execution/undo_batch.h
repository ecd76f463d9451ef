// Undoing the last batch from the entry list: every entry with State 0 goes back
// to its OldPath (only the selected ones when "only the selected items" is on,
// after the user agrees). Each undone entry leaves the batch whatever happens; an
// entry whose undo is refused keeps the name it has on disk and gets a message,
// given while the undo goes on.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "execution/batch_runner.h"
#include "listing/list_data.h"

namespace nalo {

struct TUndoRequest {
  bool SelectOnly = false;             // chk_SelectOnly
  std::vector<std::size_t> Selected;   // selected entry rows, used with SelectOnly
  // Asks a Yes/No question; true for Yes. Asked only with SelectOnly.
  std::function<bool(std::string_view question)> AskYesNo;
  // Told each refused item's message as soon as its move failed; the undo goes
  // on once it returns. The messages are in the result's Messages as well.
  std::function<void(std::string_view message)> ItemRefused;
};

struct TUndoResult {
  bool Declined = false;               // the user said No to the question
  std::size_t Restored = 0;
  std::size_t Failed = 0;
  std::size_t NotRun = 0;              // never tried (a stop request): still undoable
  std::size_t StillPending = 0;        // entries still undoable (State 0) afterwards
  std::vector<std::string> Messages;   // one per refused item, in entry order
  std::string Refusal;                 // why nothing was tried (another batch runs)
};

// The journal folder of `options`, when set, is locked for the undo and learns
// that the batch is undone once every entry came back and none is left to undo.
// No new journal is written for an undo.
TUndoResult UndoLastBatch(TEntryList& entries, const TUndoRequest& request,
                          const TBatchOptions& options);

}  // namespace nalo
