// Helpers of the execution tests around the shared temporary folder: entries built
// the way a scan would, and a look at the journal a batch left.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "execution/batch_history.h"
#include "execution/batch_journal.h"
#include "listing/list_data.h"
#include "rules/confirmation_row.h"
#include "support/temp_folder.h"

namespace nalo::testing {

// An entry as the scan makes it for an item in `folder` (which ends with "/").
inline TListData EntryFor(const std::string& folder, const std::string& name) {
  TListData e;
  e.Name = name;
  e.Location = folder;
  return e;
}

// The row that renames the first entry of `entries` whose full path is `path`.
inline TConfirmationRow RowFor(const TEntryList& entries, const std::string& path,
                               std::string new_name) {
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    if (entries.EntryAt(i).FullPath() == path) {
      return {static_cast<std::uint32_t>(i), false, std::move(new_name)};
    }
  }
  ADD_FAILURE() << "no entry at " << path;
  return {};
}

// The file of the newest batch of the history in the settings folder `folder`.
inline std::string NewestBatchFile(const std::string& folder) {
  const auto batches = ReadHistory(folder);
  return batches.empty() ? std::string() : batches.front().Path;
}

// The newest batch of the history in full, or nothing when there is none.
inline std::optional<TJournalRecord> ReadJournal(const std::string& folder) {
  for (const TBatchSummary& batch : ReadHistory(folder)) {
    if (auto record = ReadJournalFile(batch.Path)) return record;
  }
  return std::nullopt;
}

// Whether the journal in `folder` holds a batch that never reached its end (or
// whose state cannot be read) and was neither undone nor discarded.
inline bool UnfinishedJournal(const std::string& folder) {
  const auto journal = ReadJournal(folder);
  if (!journal || UndoSettled(journal->State)) return false;
  return journal->Damaged || journal->State == TJournalState::Planned ||
         journal->State == TJournalState::Interrupted;
}

}  // namespace nalo::testing
