// How the characters of the user-defined area (lead bytes 0xF0-0xF9) change case.
// Those codes stand for characters code page 932 lacks; only the boundary that
// hands them out knows which character each is, so it installs the mapping here
// when it creates its table, before any such code can reach a name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace nalo {

inline constexpr unsigned char kUserAreaFirstLead = 0xF0;
inline constexpr unsigned char kUserAreaLastLead = 0xF9;

constexpr bool IsUserAreaLead(unsigned char b) {
  return b >= kUserAreaFirstLead && b <= kUserAreaLastLead;
}

// The other case of the character behind `code` in core form, or nothing when it
// has none.
using TUserAreaCaseMap = std::optional<std::string> (*)(std::uint16_t code, bool upper);

void SetUserAreaCaseMap(TUserAreaCaseMap map);

// The installed mapping's answer; nothing when no mapping is installed.
std::optional<std::string> UserAreaCase(std::uint16_t code, bool upper);

}  // namespace nalo
