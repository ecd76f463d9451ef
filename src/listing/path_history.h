// The folder history of the folder box: the folders listed before, kept sorted,
// at most kMaxPathHistory of them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nalo {

// The drop-down of the folder box shows twenty lines; the history holds as many.
constexpr std::size_t kMaxPathHistory = 20;

// Sorts the history: by the names' collation (case-insensitive), then bytewise.
void SortPathHistory(std::vector<std::string>& history);

// Adds `folder` unless it is there already (compared exactly: Linux paths are case
// sensitive). With 20 or more items, the 20th in sorted order makes room first
// (only that one: a longer history read from the settings stays as long). The
// items are left sorted.
void AddToPathHistory(std::vector<std::string>& history, const std::string& folder);

}  // namespace nalo
