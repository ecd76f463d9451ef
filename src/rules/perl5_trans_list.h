// Expands the search or replacement list of tr/// into character codes. Lists
// are read as characters, never as bytes: the CP932 text is taken as Unicode code
// points, so a range such as あ-ん runs in the order of the kana and maps one to
// one onto ア-ン (in CP932 codes katakana has a gap that would shift the tail).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace nalo {

// Understands ranges "a-z" (a "-" first or last is itself), \\ \- \/ \n \t \r \f
// \a \e, octal \NNN, \xHH, \x{H..} and \cX; any other escaped character stands
// for itself. Throws EPerl5Error for a reversed range or text that is not CP932.
std::vector<std::uint32_t> ExpandTransList(std::string_view cp932_list);

}  // namespace nalo
