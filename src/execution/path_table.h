// A hash table from path to index for the large batches the apply and undo steps
// plan: open addressing over one flat array sized once for the expected count, so
// a batch of many thousand paths costs no allocation per path. A slot is eight
// bytes (part of the hash and the place of the key in a side list), so the probed
// array stays small enough for the cache. Keys are views: the strings they view
// must outlive the table and stay unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace nalo {

// How many keys ahead of the current one a loop over a large table prefetches
// slots: enough to cover a trip to memory at a few nanoseconds per key.
inline constexpr std::size_t kPathTablePrefetchAhead = 8;

class TPathTable {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // Room for `expected` keys without growing.
  explicit TPathTable(std::size_t expected);

  // Adds `key` -> `value` unless the key is present. Returns the value the key
  // now maps to: `value` when it was added, the earlier value otherwise.
  std::size_t Insert(std::string_view key, std::size_t value);
  // The value of `key`, or npos.
  std::size_t Find(std::string_view key) const;

  // The same with the key's hash (HashOf) computed by the caller, who can then
  // reuse it for other tables and ask for its slot ahead of time (Prefetch): a
  // large table is probed at random places, and fetching a few keys ahead hides
  // most of the wait for memory.
  static std::uint64_t HashOf(std::string_view key);
  void Prefetch(std::uint64_t hash) const;
  std::size_t Insert(std::string_view key, std::uint64_t hash, std::size_t value);
  std::size_t Find(std::string_view key, std::uint64_t hash) const;

 private:
  struct TEntry {
    std::string_view Key;
    std::size_t Value;
  };
  struct TSlot {
    std::uint32_t Tag = 0;    // upper half of the key's hash
    std::uint32_t Entry = 0;  // 1 + index into entries_; 0: empty slot
  };
  // The slot holding `key`, or the empty slot where it belongs.
  std::size_t SlotFor(std::string_view key, std::uint64_t hash) const;
  void Grow();

  std::vector<TSlot> slots_;
  std::vector<TEntry> entries_;
  std::size_t mask_ = 0;
};

}  // namespace nalo
