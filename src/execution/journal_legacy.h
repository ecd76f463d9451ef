// The journal of the first format, as earlier versions wrote it: no batch name,
// no state line and no checksums; the plan, then "failed" records, "finished"
// once the batch ended and "undone" once it was undone.
//   NALO-BATCH-JOURNAL 1
//   step <device> <inode> <first> <from> <to>   first = 1: <from> is the item's
//                                               name before the batch
//   planned <count>
//   failed <step index> <errno>
//   finished
//   undone
#pragma once

#include <optional>
#include <string_view>

#include "execution/batch_journal.h"

namespace nalo {

inline constexpr std::string_view kFirstFormatMagic = "NALO-BATCH-JOURNAL 1";

// Reads a whole file of the first format into `record`; false when it is
// damaged (an unknown line anywhere but at the very end, or no complete plan).
bool ParseFirstFormat(std::string_view text, TJournalRecord& record);

// The state a file of the first format ends in, from its last bytes: undone,
// finished, or planned when neither line closes it.
TJournalState FirstFormatState(std::string_view tail);

}  // namespace nalo
