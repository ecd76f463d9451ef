// One entry per accepted row; the entry keeps the row's day count, so its date
// text reads exactly what the date conditions were tested on.
#include "listing/entries_from_rows.h"

#include <cmath>
#include <exception>


namespace nalo {
namespace {

// Fills a fresh entry in place, moving the row's strings into it.
void FillEntry(TListData& e, TFileInfoRec& row, const TSearchOption& option) {
  e.Name = std::move(row.Name);
  e.Location = std::move(row.Location);
  e.Size = option.FolderMode ? 0 : row.Size;
  e.Modified = row.Modified;
  e.FileTime = row.FileTime;
  e.State = kStateUntouched;
  e.SizeUnit = option.SizeUnit;
  e.FolderMode = option.FolderMode;
  e.Identity = row.Identity;
}

}  // namespace

bool IsWellFormedRow(const TFileInfoRec& row) {
  return !row.Name.empty() && row.Name.find('/') == std::string::npos &&
         row.Name != "." && row.Name != ".." && !row.Location.empty() &&
         row.Location.back() == '/';
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
