// Linear probing in a power-of-two array kept at most half full, so a probe
// sequence stays short. The lower bits of the hash pick the slot and the upper
// half is kept in it, so most mismatches are settled without looking at a key.
#include "execution/path_table.h"

#include <functional>

namespace nalo {
namespace {

// Smallest table: a few slots are cheaper than a special case for empty batches.
constexpr std::size_t kMinSlots = 16;

std::size_t SlotCountFor(std::size_t keys) {
  std::size_t slots = kMinSlots;
  while (slots < keys * 2) slots *= 2;  // at most half full
  return slots;
}

}  // namespace

TIndexSlots::TIndexSlots(std::size_t expected)
    : slots_(SlotCountFor(expected)), mask_(slots_.size() - 1) {}

TPathTable::TPathTable(std::size_t expected) : slots_(expected) { entries_.reserve(expected); }

std::uint64_t TPathTable::HashOf(std::string_view key) {
  return std::hash<std::string_view>{}(key);
}

std::size_t TPathTable::Insert(std::string_view key, std::size_t value) {
  return Insert(key, HashOf(key), value);
}

std::size_t TPathTable::Find(std::string_view key) const { return Find(key, HashOf(key)); }

std::size_t TPathTable::Insert(std::string_view key, std::uint64_t hash, std::size_t value) {
  const std::size_t index = slots_.Insert(
      hash, entries_.size(), [&](std::size_t i) { return entries_[i].Key == key; },
      [&](std::size_t i) { return i == entries_.size() ? hash : HashOf(entries_[i].Key); });
  if (index == entries_.size()) entries_.push_back({key, value});
  return entries_[index].Value;
}

std::size_t TPathTable::Find(std::string_view key, std::uint64_t hash) const {
  const std::size_t index =
      slots_.Find(hash, [&](std::size_t i) { return entries_[i].Key == key; });
  return index == npos ? npos : entries_[index].Value;
}

}  // namespace nalo
