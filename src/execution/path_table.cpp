// Linear probing in a power-of-two array kept at most half full, so a probe
// sequence stays short; each slot keeps the full hash so most mismatches are
// settled without comparing the paths themselves.
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

TPathTable::TPathTable(std::size_t expected)
    : slots_(SlotCountFor(expected)), mask_(slots_.size() - 1) {}

std::size_t TPathTable::SlotFor(std::string_view key, std::uint64_t hash) const {
  std::size_t i = static_cast<std::size_t>(hash) & mask_;
  while (slots_[i].Value != npos && (slots_[i].Hash != hash || slots_[i].Key != key)) {
    i = (i + 1) & mask_;
  }
  return i;
}

std::size_t TPathTable::Insert(std::string_view key, std::size_t value) {
  std::uint64_t hash = std::hash<std::string_view>{}(key);
  TSlot& slot = slots_[SlotFor(key, hash)];
  if (slot.Value != npos) return slot.Value;
  slot = {hash, key, value};
  if (++count_ * 2 > slots_.size()) Grow();
  return value;
}

std::size_t TPathTable::Find(std::string_view key) const {
  return slots_[SlotFor(key, std::hash<std::string_view>{}(key))].Value;
}

void TPathTable::Grow() {
  std::vector<TSlot> old = std::move(slots_);
  slots_.assign(old.size() * 2, TSlot{});
  mask_ = slots_.size() - 1;
  for (const TSlot& slot : old) {
    if (slot.Value != npos) slots_[SlotFor(slot.Key, slot.Hash)] = slot;
  }
}

}  // namespace nalo
