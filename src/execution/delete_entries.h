// Deleting the selected entries from disk, to the trash or directly, one shell
// delete per item with the watcher paused. Deleted items leave the entry list;
// failed ones stay and are only counted.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "execution/watcher_pause.h"
#include "listing/list_data.h"

namespace nalo {

struct TDeleteResult {
  std::size_t Deleted = 0;
  std::size_t Failed = 0;
  std::string Message;  // the report; empty when nothing was tried
};

// Shows the delete dialog: nothing when cancelled, true for "可能ならゴミ箱へ",
// false for "直削除".
using TAskDeleteMode = std::function<std::optional<bool>()>;

// Deletes the entries at `selected` (entry-list order is kept; repeats ignored).
// With no selection the dialog is not shown and nothing happens.
TDeleteResult DeleteSelectedEntries(TEntryList& entries, const std::vector<std::size_t>& selected,
                                    const TAskDeleteMode& ask, const TWatcherSwitch& watcher);

}  // namespace nalo
