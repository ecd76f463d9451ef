// The folder history of the folder box: the folders listed before, kept sorted,
// at most kMaxPathHistory of them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nalo {

// The drop-down of the folder box shows twenty lines; the history holds as many.
constexpr std::size_t kMaxPathHistory = 20;

// Adds `folder` unless it is there already (compared exactly: Linux paths are case
// sensitive). To make room, the items from the 20th in sorted order on are dropped
// first. The items are left in sorted order (case-insensitive, then bytewise).
void AddToPathHistory(std::vector<std::string>& history, const std::string& folder);

}  // namespace nalo
