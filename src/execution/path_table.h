// Hash tables for the large batches the apply and undo steps plan: open
// addressing over one flat array sized once for the expected count, so a batch of
// many thousand paths costs no allocation per path. A slot is eight bytes (part of
// the hash and the index of its key), so the probed array stays small enough for
// the cache. TIndexSlots holds only the slots: its keys stay with the caller, who
// tells them apart by index (the moves of a batch are keyed by folder and name
// this way, without a full path each). TPathTable keeps string keys beside the
// slots; its keys are views, whose strings must outlive the table unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace nalo {

// How many keys ahead of the current one a loop over a large table prefetches
// slots: enough to cover a trip to memory at a few nanoseconds per key.
inline constexpr std::size_t kPathTablePrefetchAhead = 8;

class TIndexSlots {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // Room for `expected` keys without growing.
  explicit TIndexSlots(std::size_t expected);

  // Asks for the slot of `hash` ahead of time: a large table is probed at random
  // places, and fetching a few keys ahead hides most of the wait for memory.
  void Prefetch(std::uint64_t hash) const { __builtin_prefetch(&slots_[hash & mask_]); }

  // The index of the key with `hash` for which `same(index)` holds, or npos.
  template <typename Same>
  std::size_t Find(std::uint64_t hash, Same same) const {
    const TSlot& slot = slots_[SlotFor(hash, same)];
    return slot.Entry == 0 ? npos : slot.Entry - 1;
  }

  // Adds the key of `index` unless a key the same (`same`) is there; returns the
  // index the key now stands for: `index` when it was added, the earlier one
  // otherwise. `hash_of(i)` gives the hash of key i again when the table grows.
  template <typename Same, typename HashOf>
  std::size_t Insert(std::uint64_t hash, std::size_t index, Same same, HashOf hash_of) {
    TSlot& slot = slots_[SlotFor(hash, same)];
    if (slot.Entry != 0) return slot.Entry - 1;
    if (index >= kMaxKeys) throw std::length_error("path table full");
    slot = {TagOf(hash), static_cast<std::uint32_t>(index + 1)};
    if (++count_ * 2 > slots_.size()) Grow(hash_of);
    return index;
  }

 private:
  struct TSlot {
    std::uint32_t Tag = 0;    // upper half of the key's hash
    std::uint32_t Entry = 0;  // 1 + the key's index; 0: empty slot
  };
  // Keys a table can hold: a slot stores the index of its key in 32 bits.
  static constexpr std::size_t kMaxKeys = 0xFFFFFFFEu;

  static std::uint32_t TagOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

  // The slot holding the key, or the empty slot where it belongs.
  template <typename Same>
  std::size_t SlotFor(std::uint64_t hash, Same same) const {
    const std::uint32_t tag = TagOf(hash);
    std::size_t i = static_cast<std::size_t>(hash) & mask_;
    while (slots_[i].Entry != 0 && (slots_[i].Tag != tag || !same(slots_[i].Entry - 1))) {
      i = (i + 1) & mask_;
    }
    return i;
  }

  template <typename HashOf>
  void Grow(HashOf hash_of) {
    std::vector<TSlot> old(slots_.size() * 2);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    for (const TSlot& s : old) {
      if (s.Entry == 0) continue;
      std::size_t i = static_cast<std::size_t>(hash_of(s.Entry - 1)) & mask_;
      while (slots_[i].Entry != 0) i = (i + 1) & mask_;
      slots_[i] = s;
    }
  }

  std::vector<TSlot> slots_;
  std::size_t mask_ = 0;
  std::size_t count_ = 0;
};

class TPathTable {
 public:
  static constexpr std::size_t npos = TIndexSlots::npos;

  // Room for `expected` keys without growing.
  explicit TPathTable(std::size_t expected);

  // Adds `key` -> `value` unless the key is present. Returns the value the key
  // now maps to: `value` when it was added, the earlier value otherwise.
  std::size_t Insert(std::string_view key, std::size_t value);
  // The value of `key`, or npos.
  std::size_t Find(std::string_view key) const;

  // The same with the key's hash (HashOf) computed by the caller, who can then
  // reuse it for other tables and prefetch its slot.
  static std::uint64_t HashOf(std::string_view key);
  void Prefetch(std::uint64_t hash) const { slots_.Prefetch(hash); }
  std::size_t Insert(std::string_view key, std::uint64_t hash, std::size_t value);
  std::size_t Find(std::string_view key, std::uint64_t hash) const;

 private:
  struct TEntry {
    std::string_view Key;
    std::size_t Value;
  };

  TIndexSlots slots_;
  std::vector<TEntry> entries_;
};

}  // namespace nalo
