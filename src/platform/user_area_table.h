// The user-defined area of code page 932 (lead bytes 0xF0-0xF9) as the home of
// everything a name on disk or a typed text holds that code page 932 cannot: a
// character without a CP932 form, a private-use character, or a single byte that
// is not part of any text. Each such unit is given the next free code of the area
// the first time it is met and keeps it for the life of the process, so the rules
// see one ordinary double-byte character and the way out finds the unit again.
// One table serves the whole process; every call is safe from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "text/user_area_case.h"

namespace nalo {

// Codes of the area: ten lead bytes 0xF0-0xF9, each with the 188 trail bytes
// 0x40-0x7E and 0x80-0xFC.
inline constexpr std::size_t kUserAreaCodes = 1880;

// A unit the table holds: a Unicode code point, or kByteUnitBase + a byte value
// for a byte of a name that is neither UTF-8 nor code page 932.
using TForeignUnit = std::uint32_t;
inline constexpr TForeignUnit kByteUnitBase = 0x110000;

constexpr bool IsByteUnit(TForeignUnit unit) { return unit >= kByteUnitBase; }

class TUserAreaTable {
 public:
  // A table of `capacity` codes (at most kUserAreaCodes).
  explicit TUserAreaTable(std::size_t capacity = kUserAreaCodes);

  // The table of the process.
  static TUserAreaTable& Process();

  // The double-byte code of `unit`, given now if it has none; nothing when every
  // code is taken.
  std::optional<std::uint16_t> CodeFor(TForeignUnit unit);
  // The unit behind `code`, or nothing when the code was never given.
  std::optional<TForeignUnit> UnitOf(std::uint16_t code) const;

 private:
  mutable std::mutex mutex_;
  std::size_t capacity_;
  std::vector<TForeignUnit> units_;  // by code index
  std::unordered_map<TForeignUnit, std::uint16_t> codes_;
};

}  // namespace nalo
