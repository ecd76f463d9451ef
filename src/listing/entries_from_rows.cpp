// One entry per accepted row; the date text is derived from the row's day count,
// so it reads exactly what the date conditions were tested on.
#include "listing/entries_from_rows.h"

#include <cmath>
#include <exception>

#include "listing/size_units.h"
#include "platform/file_times.h"

namespace nalo {
namespace {

// Fills a fresh entry in place, moving the row's strings into it.
void FillEntry(TListData& e, TFileInfoRec& row, const TSearchOption& option) {
  e.Name = std::move(row.Name);
  e.SizeText = EntrySizeText(row.Size, option.SizeUnit, option.FolderMode);
  e.DateText = DateTextOf(LocalTimeOfDayCount(row.Modified));
  e.Location = std::move(row.Location);
  e.Size = option.FolderMode ? 0 : row.Size;
  e.FullPath = std::move(row.FullPath);
  e.FileTime = row.FileTime;
  e.State = kStateUntouched;
}

}  // namespace

bool IsWellFormedRow(const TFileInfoRec& row) {
  return !row.Name.empty() && !row.Location.empty() && row.Location.back() == '/' &&
         row.FullPath.size() == row.Location.size() + row.Name.size() &&
         row.FullPath.compare(0, row.Location.size(), row.Location) == 0 &&
         row.FullPath.compare(row.Location.size(), row.Name.size(), row.Name) == 0;
}

bool AppendEntries(TScanRows& rows, const TSearchOption& option, TEntryList& entries) {
  try {
    entries.Reserve(entries.Count() + rows.size());
    for (TFileInfoRec& row : rows) {
      if (!IsWellFormedRow(row)) continue;
      if (!std::isfinite(row.Modified)) return false;
      if (!MatchesSearchOptions(row, option)) continue;
      std::vector<TListData>& items = entries.Items();
      try {
        FillEntry(items.emplace_back(), row, option);
      } catch (...) {
        items.pop_back();  // no half-made entry stays listed
        throw;
      }
    }
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace nalo
