// What the listing saw of an item or a folder: its device and inode. The apply
// step compares them with what sits at the path just before it renames, so an
// item or folder swapped for another one (or for a link) after the listing is
// never renamed in its place.
#pragma once

#include <cstdint>

namespace nalo {

struct TItemIdentity {
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  // False for entries that did not come from a scan (names read from a list).
  bool Known() const { return Inode != 0; }
  friend bool operator==(const TItemIdentity&, const TItemIdentity&) = default;
};

}  // namespace nalo
