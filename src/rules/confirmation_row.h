// One row of the confirmation list: what a rule proposes for one entry, held as
// the entry's index in the list the rule ran over and the new name. The other
// columns (old name, folder) are read from the entry when shown,
// so a million rows take little more than their new names. The apply step marks
// the rows whose entries it renamed; their old name then comes from the entry's
// OldPath, so a row shows the name before the batch also afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "listing/list_data.h"

namespace nalo {

struct TConfirmationRow {
  std::uint32_t Entry = 0;  // index of the entry in the list the rows were made from
  bool Renamed = false;     // set by the apply step when it renamed the entry
  std::string NewName;      // the proposed name (column "変更後"); may be edited
};

// A million rows are held at once with their entries.
static_assert(sizeof(TConfirmationRow) <= 40, "TConfirmationRow grew beyond its memory budget");

using TConfirmationList = std::vector<TConfirmationRow>;

// The name of the row's item before the batch (column "変更前").
std::string_view RowOldName(const TEntryList& entries, const TConfirmationRow& row);
// The folder of the row's item without its closing "/", but "/" for the root
// ("場所"); the folder the item is in now.
std::string_view RowFolder(const TEntryList& entries, const TConfirmationRow& row);

}  // namespace nalo
