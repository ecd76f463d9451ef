// Linear probing in a power-of-two array kept at most half full, so a probe
// sequence stays short. The lower bits of the hash pick the slot and the upper
// half is kept in it, so most mismatches are settled without looking at a key.
#include "execution/path_table.h"

#include <functional>
#include <stdexcept>

namespace nalo {
namespace {

// Smallest table: a few slots are cheaper than a special case for empty batches.
constexpr std::size_t kMinSlots = 16;

// Keys a table can hold: a slot stores the place of its key in 32 bits.
constexpr std::size_t kMaxKeys = 0xFFFFFFFEu;

std::size_t SlotCountFor(std::size_t keys) {
  std::size_t slots = kMinSlots;
  while (slots < keys * 2) slots *= 2;  // at most half full
  return slots;
}

std::uint32_t TagOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

}  // namespace

TPathTable::TPathTable(std::size_t expected)
    : slots_(SlotCountFor(expected)), mask_(slots_.size() - 1) {
  entries_.reserve(expected);
}

std::size_t TPathTable::SlotFor(std::string_view key, std::uint64_t hash) const {
  const std::uint32_t tag = TagOf(hash);
  std::size_t i = static_cast<std::size_t>(hash) & mask_;
  while (slots_[i].Entry != 0 &&
         (slots_[i].Tag != tag || entries_[slots_[i].Entry - 1].Key != key)) {
    i = (i + 1) & mask_;
  }
  return i;
}

std::uint64_t TPathTable::HashOf(std::string_view key) {
  return std::hash<std::string_view>{}(key);
}

void TPathTable::Prefetch(std::uint64_t hash) const {
  __builtin_prefetch(&slots_[static_cast<std::size_t>(hash) & mask_]);
}

std::size_t TPathTable::Insert(std::string_view key, std::size_t value) {
  return Insert(key, HashOf(key), value);
}

std::size_t TPathTable::Find(std::string_view key) const { return Find(key, HashOf(key)); }

std::size_t TPathTable::Insert(std::string_view key, std::uint64_t hash, std::size_t value) {
  TSlot& slot = slots_[SlotFor(key, hash)];
  if (slot.Entry != 0) return entries_[slot.Entry - 1].Value;
  if (entries_.size() >= kMaxKeys) throw std::length_error("path table full");
  entries_.push_back({key, value});
  slot = {TagOf(hash), static_cast<std::uint32_t>(entries_.size())};
  if (entries_.size() * 2 > slots_.size()) Grow();
  return value;
}

std::size_t TPathTable::Find(std::string_view key, std::uint64_t hash) const {
  const TSlot& slot = slots_[SlotFor(key, hash)];
  return slot.Entry == 0 ? npos : entries_[slot.Entry - 1].Value;
}

void TPathTable::Grow() {
  slots_.assign(slots_.size() * 2, TSlot{});
  mask_ = slots_.size() - 1;
  for (std::size_t e = 0; e < entries_.size(); ++e) {
    std::uint64_t hash = HashOf(entries_[e].Key);
    std::size_t i = static_cast<std::size_t>(hash) & mask_;
    while (slots_[i].Entry != 0) i = (i + 1) & mask_;
    slots_[i] = {TagOf(hash), static_cast<std::uint32_t>(e + 1)};
  }
}

}  // namespace nalo
