// The names a folder held when the scan read it: every directory entry, whether a
// mask matched it or not and whatever its kind, as its bytes on disk. The clash
// check asks it whether a new name is taken instead of looking at the disk once
// per row. Names are kept as 64-bit hashes in an open-addressing set (16 bytes a
// name), so a hit only says the name may be there: two names can share a hash,
// and the caller confirms a hit on the disk. A miss is certain.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace nalo {

class TFolderNames {
 public:
  // Room for `expected` names without growing.
  explicit TFolderNames(std::size_t expected);

  void Add(std::string_view disk_name);
  // False when the folder certainly held no such name when it was read.
  bool MayHold(std::string_view disk_name) const;

 private:
  void Place(std::uint64_t key);
  void Grow();

  std::vector<std::uint64_t> slots_;  // 0: empty
  std::size_t mask_ = 0;
  std::size_t count_ = 0;
};

}  // namespace nalo
