// Operations of the list view on the entry list that are not drawing: type-to-find,
// removing selected entries from the list (never from disk), the texts copied to
// the clipboard and the enabling of the context menu by selection count.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listing/list_data.h"

namespace nalo {

// The first entry from `start` on whose name begins with `text`, both upper-cased
// in ASCII; continues at entry 0 after the last one only when `wrap` is set, and
// gives up on coming back to `start`.
std::optional<std::size_t> FindEntryByPrefix(const TEntryList& entries, std::string_view text,
                                             std::size_t start, bool wrap);

// Removes the entries at the given rows (any order, repeats allowed, rows out of
// range ignored); returns how many were removed. Files on disk are not touched.
std::size_t RemoveEntries(TEntryList& entries, const std::vector<std::size_t>& rows);

// Clipboard texts of one entry (CP932, like the entry): the name, the size text
// without "," separators ("フォルダ" in folder mode), the full path.
std::string NameCopyText(const TListData& entry);
std::string SizeCopyText(const TListData& entry);
std::string PathCopyText(const TListData& entry);

// Enabling of the context menu: the one-entry items (copies, renames) and the
// items that work on any selection (remove from list, delete).
struct TMenuEnabling {
  bool OneEntryItems = false;
  bool SelectionItems = false;
};
TMenuEnabling MenuEnablingFor(std::size_t selected_count);

}  // namespace nalo
