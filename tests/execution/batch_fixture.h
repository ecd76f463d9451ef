// Helpers of the execution tests around the shared temporary folder: entries built
// the way a scan would, and a look at the journal a batch left.
#pragma once

#include <string>

#include "execution/batch_history.h"
#include "execution/batch_journal.h"
#include "listing/list_data.h"
#include "support/temp_folder.h"

namespace nalo::testing {

// An entry as the scan makes it for an item in `folder` (which ends with "/").
inline TListData EntryFor(const std::string& folder, const std::string& name) {
  TListData e;
  e.Name = name;
  e.Location = folder;
  return e;
}

// The file of the newest batch of the history in the settings folder `folder`.
inline std::string NewestBatchFile(const std::string& folder) {
  const auto batches = ReadHistory(folder);
  return batches.empty() ? std::string() : batches.front().Path;
}

// Whether the journal in `folder` holds a batch that never reached its end.
inline bool UnfinishedJournal(const std::string& folder) {
  const auto journal = ReadJournal(folder);
  return journal && journal->Unfinished();
}

}  // namespace nalo::testing
