// Turns the scanner's rows into entries: each well-formed row that passes the
// search conditions becomes an entry, the row itself moved into the list. A row
// that cannot be converted stops the conversion; the rows before it are listed.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "listing/find_search.h"
#include "listing/list_data.h"
#include "listing/search_option.h"

namespace nalo {

// Shown once when a row cannot be turned into an entry.
inline constexpr std::string_view kRowConversionError = "Error!! Vastrelに連絡してください。";

// Whether a row describes one item consistently: a bare name (no "/", not "." or
// "..") and a folder ending in "/".
bool IsWellFormedRow(const TFileInfoRec& row);

// Appends an entry for each well-formed row that MatchesSearchOptions accepts,
// taking the rows in `order` (row indexes, each at most once) and moving them into
// the list; `rows` is left empty. Returns false when a row could not be converted
// (its date is not a number): the rows before it in row order are listed, in
// `order`. When memory runs out, nothing is added and false is returned.
bool AppendEntries(TScanRows& rows, std::span<const std::uint32_t> order,
                   const TSearchOption& option, TEntryList& entries);

}  // namespace nalo
