// A folder the walk has read: its directory, kept open for the looks at its items,
// and one record per directory entry. The items a look is wanted for are examined
// in chunks claimed through one counter, so the walk's thread and the helper
// thread (examine_queue.h) can both work on the same folder, each item by one of
// them only.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dir_scan.h"

namespace nalo {

// One directory entry remembered until the folder's rows are made.
struct TFolderItem {
  std::string Utf8Name;
  std::string Name;        // CP932; empty when the name has no core form
  std::string FoldedName;  // lower-cased for the masks
  bool Legacy = false;     // the on-disk bytes are legacy CP932
  TDirEntryType Type = TDirEntryType::Unknown;
  std::uint64_t Inode = 0;
  bool StatTried = false;
  std::optional<TItemStat> Stat;  // filled on first need
  std::uint32_t KeyBegin = 0;     // the name's sort key in TReadFolder::Keys
  std::uint32_t KeyEnd = 0;
};

struct TReadFolder {
  TDirReader Dir;
  std::string Location;  // CP932, with a trailing "/"
  std::vector<TFolderItem> Items;
  std::string Keys;  // the sort keys of the items' names, when the scan makes them
  // The items to examine, and how many of them a thread has taken on so far.
  std::vector<TFolderItem*> ToExamine;
  std::atomic<std::size_t> Claimed{0};

  // Claims the next chunk of items and examines them; false when every item was
  // claimed already (by either thread).
  bool ExamineChunk();
  bool AllClaimed() const { return Claimed.load(std::memory_order_relaxed) >= ToExamine.size(); }
};

}  // namespace nalo
