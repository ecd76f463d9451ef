// Code index i is lead 0xF0 + i / 188 with the (i % 188)-th trail byte, skipping
// 0x7F, which is never a trail byte; codes are handed out in that order.
#include "platform/user_area_table.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/unicode_case.h"

namespace nalo {
namespace {

constexpr std::size_t kTrailsPerLead = 188;

std::uint16_t CodeAt(std::size_t index) {
  const std::size_t lead = kUserAreaFirstLead + index / kTrailsPerLead;
  std::size_t trail = 0x40 + index % kTrailsPerLead;
  if (trail >= 0x7F) ++trail;
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

std::optional<std::size_t> IndexOf(std::uint16_t code) {
  const unsigned lead = code >> 8;
  unsigned trail = code & 0xFF;
  if (!IsUserAreaLead(static_cast<unsigned char>(lead)) || trail < 0x40 || trail == 0x7F ||
      trail > 0xFC) {
    return std::nullopt;
  }
  if (trail > 0x7F) --trail;
  return (lead - kUserAreaFirstLead) * kTrailsPerLead + (trail - 0x40);
}

// The other case of a table character, in core form; nothing when it has none
// (or the table has no code left for it).
std::optional<std::string> UserAreaCharCase(std::uint16_t code, bool upper) {
  const std::optional<char32_t> cp = UserAreaCharOf(code);
  if (!cp) return std::nullopt;
  const char32_t mapped = upper ? SimpleUpperCase(*cp) : SimpleLowerCase(*cp);
  if (mapped == *cp) return std::nullopt;
  return CharToCp932(mapped);
}

}  // namespace

TUserAreaTable::TUserAreaTable(std::size_t capacity)
    : capacity_(std::min(capacity, kUserAreaCodes)) {}

TUserAreaTable& TUserAreaTable::Process() {
  static TUserAreaTable& table = [&]() -> TUserAreaTable& {
    static TUserAreaTable process_table;
    SetUserAreaCaseMap(&UserAreaCharCase);
    return process_table;
  }();
  return table;
}

std::optional<std::uint16_t> TUserAreaTable::CodeFor(TForeignUnit unit) {
  std::lock_guard lock(mutex_);
  if (auto it = codes_.find(unit); it != codes_.end()) return it->second;
  if (units_.size() >= capacity_) return std::nullopt;
  const std::uint16_t code = CodeAt(units_.size());
  units_.push_back(unit);
  codes_.emplace(unit, code);
  return code;
}

std::optional<TForeignUnit> TUserAreaTable::UnitOf(std::uint16_t code) const {
  const std::optional<std::size_t> index = IndexOf(code);
  if (!index) return std::nullopt;
  std::lock_guard lock(mutex_);
  if (*index >= units_.size()) return std::nullopt;
  return units_[*index];
}

}  // namespace nalo
