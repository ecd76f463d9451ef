// The columns of a confirmation row, read from its entry. Before the apply the
// entry still has the name the row replaces; after it, a renamed entry keeps that
// name as the last part of OldPath (in its present folder: a folder renamed in the
// same batch carries OldPath along).
#include "rules/confirmation_row.h"

namespace nalo {
namespace {

// Whether the apply step renamed the row's entry and the entry still holds the
// path from before (an undo clears it).
bool HoldsOldPath(const TListData& entry, const TConfirmationRow& row) {
  return row.Renamed && entry.State == kStateRenamed && !entry.OldPath.empty();
}

}  // namespace

std::string_view RowOldName(const TEntryList& entries, const TConfirmationRow& row) {
  const TListData& entry = entries.EntryAt(row.Entry);
  if (!HoldsOldPath(entry, row)) return entry.Name;
  const std::string_view path = entry.OldPath;
  return path.substr(path.rfind('/') + 1);  // npos + 1 == 0: a bare name
}

std::string_view RowFolder(const TEntryList& entries, const TConfirmationRow& row) {
  const std::string_view location = entries.EntryAt(row.Entry).Location.str();
  if (location.size() <= 1) return location;  // "" or the root "/"
  return location.substr(0, location.size() - 1);
}

}  // namespace nalo
