// Turns the scanner's rows into entries: each well-formed row that passes the
// search conditions becomes a TListData with its size and date texts. A row that
// cannot be converted stops the conversion; the entries made until then stay.
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
// taking the rows in `order` (row indexes, each at most once) and moving the
// strings out of them. Returns false when a row could not be converted (its date
// is not a number, or memory ran out): the rows before it in row order are
// listed, in `order`.
bool AppendEntries(TScanRows& rows, std::span<const std::uint32_t> order,
                   const TSearchOption& option, TEntryList& entries);

}  // namespace nalo
