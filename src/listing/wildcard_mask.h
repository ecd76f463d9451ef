// File-name masks as the folder scan uses them: a ";"-separated mask text becomes a
// list of lower-cased masks, each matched against names with "*" (any run of
// characters) and "?" (one character). Matching steps over Shift-JIS characters as
// units and ignores letter case; "*.*" matches every name and a mask ending in ".*"
// also matches a name without an extension ("x.*" finds "x").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nalo {

// The mask that stands for every name.
inline constexpr std::string_view kAllFilesMask = "*.*";

// Splits a mask text at ";" and line breaks, lower-cases it, keeps the first of
// duplicate masks and drops empty ones; masks are otherwise kept as written
// (blanks included). When "*" or "*.*" is among them the list is just "*.*".
// An empty text gives "*.*".
std::vector<std::string> ParseMaskList(std::string_view mask_text);

// The name lower-cased the way masks are, for matching.
std::string MaskFoldedName(std::string_view name);

// Whether `folded_name` (see MaskFoldedName) matches the lower-cased `mask`.
bool MatchesMask(std::string_view mask, std::string_view folded_name);

}  // namespace nalo
