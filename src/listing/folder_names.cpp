// Linear probing in a power-of-two array kept at most half full. The key is the
// name's hash with 0 kept free to mark an empty slot.
#include "listing/folder_names.h"

#include <functional>

namespace nalo {
namespace {

constexpr std::size_t kMinSlots = 16;

std::size_t SlotCountFor(std::size_t names) {
  std::size_t slots = kMinSlots;
  while (slots < names * 2) slots *= 2;
  return slots;
}

std::uint64_t KeyOf(std::string_view name) {
  const std::uint64_t hash = std::hash<std::string_view>{}(name);
  return hash == 0 ? 1 : hash;
}

}  // namespace

TFolderNames::TFolderNames(std::size_t expected)
    : slots_(SlotCountFor(expected), 0), mask_(slots_.size() - 1) {}

void TFolderNames::Place(std::uint64_t key) {
  std::size_t i = static_cast<std::size_t>(key) & mask_;
  while (slots_[i] != 0) {
    if (slots_[i] == key) return;
    i = (i + 1) & mask_;
  }
  slots_[i] = key;
  ++count_;
}

void TFolderNames::Add(std::string_view disk_name) {
  Place(KeyOf(disk_name));
  if (count_ * 2 > slots_.size()) Grow();
}

bool TFolderNames::MayHold(std::string_view disk_name) const {
  const std::uint64_t key = KeyOf(disk_name);
  for (std::size_t i = static_cast<std::size_t>(key) & mask_; slots_[i] != 0; i = (i + 1) & mask_) {
    if (slots_[i] == key) return true;
  }
  return false;
}

void TFolderNames::Grow() {
  std::vector<std::uint64_t> old(slots_.size() * 2, 0);
  old.swap(slots_);
  mask_ = slots_.size() - 1;
  count_ = 0;
  for (std::uint64_t key : old) {
    if (key != 0) Place(key);
  }
}

}  // namespace nalo
