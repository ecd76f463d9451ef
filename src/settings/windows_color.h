// Colour values as the settings files store them: 0x00BBGGRR for a plain colour,
// or 0x80000000 plus an index for one of the desktop's system colours, which the
// front end resolves at the moment it paints. The table of named colours is what
// the colour pickers offer: the sixteen basic colours, then the system colours.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace nalo {

// Marks a system colour in the high byte of a colour value.
inline constexpr std::uint32_t kSystemColorFlag = 0x80000000u;
// Indexes of the system colours the list presets use.
inline constexpr int kSysColorWindow = 5;       // window background
inline constexpr int kSysColorWindowText = 8;   // window text
// System colour indexes run from 0 to this value (the info-tip background).
inline constexpr int kMaxSystemColorIndex = 24;

// The colour value of system colour `index`.
constexpr std::int32_t SystemColorValue(int index) {
  return static_cast<std::int32_t>(kSystemColorFlag | static_cast<std::uint32_t>(index));
}

// The system colour index of `value`, or nothing for a plain colour. An index
// beyond kMaxSystemColorIndex is still returned; the front end decides what it shows.
std::optional<int> SystemColorIndex(std::int32_t value);

// A plain colour from its red, green and blue parts.
constexpr std::int32_t PlainColorValue(int red, int green, int blue) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(blue) << 16) |
                                   (static_cast<std::uint32_t>(green) << 8) |
                                   static_cast<std::uint32_t>(red));
}

struct TNamedColor {
  std::int32_t Value;
  const char* Name;  // UTF-8, as the picker shows it
};

// Every colour a picker lists, basic colours first, each value once.
std::span<const TNamedColor> NamedColors();

// Position of `value` in NamedColors(), or nothing when it is not listed.
std::optional<std::size_t> FindNamedColor(std::int32_t value);

}  // namespace nalo
