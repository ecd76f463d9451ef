// Colour values: telling system colours from plain ones (a plain colour never has
// the high bit set, whatever its parts), the RGB packing, and the picker table
// holding every value once with the colours the presets and defaults use.
#include "settings/windows_color.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/options_settings.h"

namespace nalo {
namespace {

TEST(WindowsColor, SystemOrPlain) {
  EXPECT_EQ(SystemColorIndex(SystemColorValue(kSysColorWindowText)), 8);
  EXPECT_EQ(SystemColorIndex(static_cast<std::int32_t>(0x80000005u)), 5);
  EXPECT_EQ(SystemColorIndex(SystemColorValue(0)), 0);
  EXPECT_EQ(SystemColorIndex(static_cast<std::int32_t>(0x80000063u)), 99) << "unknown index kept";
  EXPECT_FALSE(SystemColorIndex(0));
  EXPECT_FALSE(SystemColorIndex(0x00FFFFFF));
  EXPECT_FALSE(SystemColorIndex(kYellow));
  // Other high bytes are not system colours (0xFF000000 is "none" elsewhere).
  EXPECT_FALSE(SystemColorIndex(static_cast<std::int32_t>(0xFF000008u)));
  EXPECT_FALSE(SystemColorIndex(0x01000008));
}

TEST(WindowsColor, PlainValuesPackBlueGreenRed) {
  EXPECT_EQ(PlainColorValue(255, 255, 0), kYellow);
  EXPECT_EQ(PlainColorValue(0x12, 0x34, 0x56), 0x00563412);
  EXPECT_EQ(PlainColorValue(0, 0, 0), kBlack);
}

TEST(NamedColorTable, EveryValueAndNameOnce) {
  std::set<std::int32_t> values;
  std::set<std::string> names;
  for (const TNamedColor& c : NamedColors()) {
    EXPECT_TRUE(values.insert(c.Value).second) << c.Name;
    EXPECT_TRUE(names.insert(c.Name).second) << c.Name;
  }
  EXPECT_EQ(values.size(), 16u + kMaxSystemColorIndex + 1);
}

TEST(NamedColorTable, FindsPresetColoursAndNothingElse) {
  for (std::int32_t value : {kYellow, kBlack, SystemColorValue(kSysColorWindowText),
                             SystemColorValue(kSysColorWindow), SystemColorValue(kMaxSystemColorIndex)}) {
    const std::optional<std::size_t> at = FindNamedColor(value);
    ASSERT_TRUE(at) << value;
    EXPECT_EQ(NamedColors()[*at].Value, value);
  }
  EXPECT_EQ(FindNamedColor(kBlack), 0u) << "black heads the list";
  EXPECT_FALSE(FindNamedColor(PlainColorValue(1, 2, 3)));
  EXPECT_FALSE(FindNamedColor(SystemColorValue(kMaxSystemColorIndex + 1)));
}

}  // namespace
}  // namespace nalo
