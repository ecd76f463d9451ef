// Entry lists for tests that need entries by folder and name only, with no item
// on disk behind them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "listing/list_data.h"

namespace nalo::testing {

// An entry per (folder, name), in order; each folder ends in "/".
inline TEntryList EntriesOf(const std::vector<std::pair<std::string, std::string>>& items) {
  TEntryList entries;
  for (const auto& [folder, name] : items) {
    TListData e;
    e.Name = name;
    e.Location = folder;
    entries.Add(e);
  }
  return entries;
}

}  // namespace nalo::testing
