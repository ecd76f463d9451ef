// The history is sorted by the same case-insensitive key as entry names, with the
// raw bytes deciding between folders that differ only in case.
#include "listing/path_history.h"

#include <algorithm>

#include "listing/list_sort.h"

namespace nalo {

void SortPathHistory(std::vector<std::string>& history) {
  std::stable_sort(history.begin(), history.end(), [](const std::string& a, const std::string& b) {
    const std::string ka = NameSortKey(a), kb = NameSortKey(b);
    return ka != kb ? ka < kb : a < b;
  });
}

void AddToPathHistory(std::vector<std::string>& history, const std::string& folder) {
  if (std::find(history.begin(), history.end(), folder) != history.end()) return;
  SortPathHistory(history);
  if (history.size() >= kMaxPathHistory) history.erase(history.begin() + (kMaxPathHistory - 1));
  history.push_back(folder);
  SortPathHistory(history);
}

}  // namespace nalo
