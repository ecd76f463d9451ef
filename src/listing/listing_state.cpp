// Column clicks and unit changes on a built list; both leave the entries' other
// fields alone.
#include "listing/listing_state.h"

#include "listing/size_units.h"

namespace nalo {

std::vector<std::uint32_t> SortByColumnClick(TListingState& state, TEntryList& entries,
                                             std::int32_t column) {
  if (column == state.SortColumn) {
    state.SortAscending = !state.SortAscending;
  } else {
    state.SortColumn = column;
    state.SortAscending = true;
  }
  return SortEntries(entries, state.SortColumn, state.SortAscending);
}

void ApplySizeUnit(TListingState& state, std::int32_t new_unit, TTabStatus_Search& search,
                   TEntryList& entries, bool folder_mode) {
  state.SizeUnit = new_unit;
  search.MinSize = ConvertSizeBound(search.MinSize, state.PreviousUnit, new_unit);
  search.MaxSize = ConvertSizeBound(search.MaxSize, state.PreviousUnit, new_unit);
  search.SizeUnit = new_unit;
  for (TListData& e : entries.Items()) {
    e.SizeUnit = new_unit;
    e.FolderMode = folder_mode;
  }
  state.PreviousUnit = new_unit;
}

}  // namespace nalo
