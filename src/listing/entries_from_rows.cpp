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
  e.SizeUnit = static_cast<std::int8_t>(option.SizeUnit);
  e.FolderMode = option.FolderMode;
  e.Identity = row.Identity;
  e.Legacy = row.Legacy;
}

// The rows before the first well-formed one whose date is not a number.
std::size_t ConvertibleRowCount(const TScanRows& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!std::isfinite(rows[i].Modified) && IsWellFormedRow(rows[i])) return i;
  }
  return rows.size();
}

}  // namespace

bool IsWellFormedRow(const TFileInfoRec& row) {
  return !row.Name.empty() && row.Name.find('/') == std::string::npos &&
         row.Name != "." && row.Name != ".." && !row.Location.empty() &&
         row.Location.back() == '/';
}

bool AppendEntries(TScanRows& rows, std::span<const std::uint32_t> order,
                   const TSearchOption& option, TEntryList& entries) {
  const std::size_t convertible = ConvertibleRowCount(rows);
  try {
    entries.Reserve(entries.Count() + convertible);
    for (const std::uint32_t index : order) {
      if (index >= convertible) continue;
      TFileInfoRec& row = rows[index];
      if (!IsWellFormedRow(row)) continue;
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
  return convertible == rows.size();
}

}  // namespace nalo
