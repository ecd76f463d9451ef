// The state of the listing that a front end owns beside its entry list: sort order,
// whether the last scan completed, the pending undo, the size unit, the current
// folder and the folder history. The two operations here change the order (a
// column click) and the size unit of an already built list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "listing/list_data.h"
#include "listing/list_sort.h"
#include "settings/tab_status.h"

namespace nalo {

struct TListingState {
  std::int32_t SortColumn = kSortByName;
  bool SortAscending = true;
  bool ScanCompleted = true;   // false when the user cancelled the last scan
  bool UndoPending = false;    // some entry is marked renamed by the last batch
  std::int32_t SizeUnit = 0;   // display unit of sizes (TSizeUnit)
  std::int32_t PreviousUnit = 0;  // unit the stored size bounds are expressed in
  std::string CurrentFolder;   // CP932; empty until the first listing
  std::vector<std::string> PathHistory;  // cmb_Path items, sorted, at most 20
  // Names the last scan could not list because the user-area table was full.
  std::size_t UnencodableCount = 0;
  std::vector<std::string> UnencodableExamples;  // UTF-8 paths, the first few
};

// A click on a column header: the sorted column flips its direction, another
// column becomes the sort column in ascending order; the list is re-sorted.
// Returns the new position of each old entry, as SortEntries does.
std::vector<std::uint32_t> SortByColumnClick(TListingState& state, TEntryList& entries,
                                             std::int32_t column);

// Change of the size unit: the stored size bounds are converted from the previous
// unit to the new one, every entry's size text is rebuilt, and the previous unit
// becomes the new one.
void ApplySizeUnit(TListingState& state, std::int32_t new_unit, TTabStatus_Search& search,
                   TEntryList& entries, bool folder_mode);

}  // namespace nalo
