// Line classification, name comparison, unquoting and number parsing of the INI
// text layer, as tables of named cases.
#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nalo::ini {
namespace {

struct IntegerCase {
  const char* name;
  const char* text;
  std::optional<long long> expected;
};

TEST(IniText, ParseInteger) {
  const IntegerCase cases[] = {
      {"plain", "12", 12},
      {"blanks-and-sign", "  -7 ", -7},
      {"plus", "+3", 3},
      {"trailing-garbage", "12abc", 12},
      {"letters", "abc", std::nullopt},
      {"empty", "", std::nullopt},
      {"sign-only", "-", std::nullopt},
      {"hex", "0x1F", 31},
      {"hex-colour", "0x00FFFF", 65535},
      {"hex-prefix-without-digits", "0x", 0},
      {"largest", "9223372036854775807", std::numeric_limits<long long>::max()},
      {"smallest", "-9223372036854775808", std::numeric_limits<long long>::min()},
      {"overflow", "9223372036854775808", std::nullopt},
      {"overflow-negative", "-9223372036854775809", std::nullopt},
      {"overflow-hex", "0x10000000000000000", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.expected) << c.name;
}

TEST(IniText, ParseDayCountNeedsTheWholeTextToBeAFiniteNumber) {
  const struct {
    const char* name;
    const char* text;
    std::optional<double> expected;
  } cases[] = {
      {"day-and-time", "37578.5", 37578.5},
      {"blanks", " 1e3 ", 1000.0},
      {"negative", "-1.25", -1.25},
      {"garbage-after", "37578.5x", std::nullopt},
      {"comma-decimal", "37578,5", std::nullopt},
      {"letters", "abc", std::nullopt},
      {"nan", "nan", std::nullopt},
      {"infinity", "inf", std::nullopt},
      {"huge-overflows", "1e999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDayCount(c.text), c.expected) << c.name;
}

TEST(IniText, DayCountTextReadsBackAsTheSameDouble) {
  const double values[] = {0.0,
                           37578.0,
                           37578.123456789012,
                           0.1,
                           1.0 / 3.0,
                           std::nextafter(45000.5, 0.0),
                           2958465.99998843,
                           -693593.0,
                           std::numeric_limits<double>::denorm_min()};
  for (double v : values) {
    const std::string text = FormatDayCount(v);
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    ASSERT_TRUE(ParseDayCount(text).has_value()) << text;
    EXPECT_EQ(*ParseDayCount(text), v) << text;
  }
}

TEST(IniText, TrimLeavesTheSecondByteOfACharacter) {
  EXPECT_EQ(Trim("  a b \t\r"), "a b");
  // 0x83 0x20 is stepped over as one character, so its blank is not trailing.
  EXPECT_EQ(Trim("a\x83 "), "a\x83 ");
  EXPECT_EQ(Trim("a\x83 \t "), "a\x83 ");
  EXPECT_EQ(Trim(" \t "), "");
}

TEST(IniText, NamesEqual) {
  const struct {
    const char* name;
    std::string_view a, b;
    bool equal;
  } cases[] = {
      {"ascii-case", "Option", "OPTION", true},
      {"digits", "Value10", "value10", true},
      {"different-length", "Value1", "Value10", false},
      // The trail bytes 0x41 and 0x61 are letters in ASCII but different characters here.
      {"kanji-trail-not-folded", "\x83\x41", "\x83\x61", false},
      {"kanji-equal", "\x95\x5C", "\x95\x5C", true},
      {"lead-byte-last", "a\x83", "A\x83", true},
  };
  for (const auto& c : cases) EXPECT_EQ(NamesEqual(c.a, c.b), c.equal) << c.name;
}

TEST(IniText, StripQuotes) {
  const struct {
    const char* name;
    std::string_view in, out;
  } cases[] = {
      {"double", "\"x\"", "x"},
      {"single", "'x'", "x"},
      {"blanks-inside-kept", "\"  x \"", "  x "},
      {"mismatched", "\"x'", "\"x'"},
      {"lone-quote", "\"", "\""},
      {"empty-pair", "\"\"", ""},
      {"only-one-pair", "\"\"x\"\"", "\"x\""},
      {"unquoted", "  x", "  x"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripQuotes(c.in), c.out) << c.name;
}

TEST(IniText, ParseLine) {
  const struct {
    const char* name;
    std::string_view line;
    LineKind kind;
    std::string_view key, value;
  } cases[] = {
      {"section", "[Option]", LineKind::kSection, "Option", ""},
      {"section-blanks", "  [ Opt ]  ", LineKind::kSection, "Opt", ""},
      {"section-last-bracket", "[a]b]", LineKind::kSection, "a]b", ""},
      // 0x95 0x5D is one double-byte character; its trail byte is not a closing bracket.
      {"section-kanji-trail-bracket", "[\x95\x5D", LineKind::kOther, "", ""},
      {"section-kanji-name", "[\x95\x5D]", LineKind::kSection, "\x95\x5D", ""},
      {"unclosed-section", "[abc=1", LineKind::kOther, "", ""},
      {"comment", ";c=1", LineKind::kOther, "", ""},
      {"indented-comment", "  ; note", LineKind::kOther, "", ""},
      {"no-name", "=x", LineKind::kOther, "", ""},
      {"no-equals", "key", LineKind::kOther, "", ""},
      {"blank", "   ", LineKind::kOther, "", ""},
      {"key-trimmed", "   Value0 = \"  x\"  ", LineKind::kKey, "Value0", "\"  x\""},
      {"empty-value", "k=", LineKind::kKey, "k", ""},
      {"equals-in-value", "k=a=b", LineKind::kKey, "k", "a=b"},
  };
  for (const auto& c : cases) {
    const ParsedLine p = ParseLine(c.line);
    EXPECT_EQ(p.Kind, c.kind) << c.name;
    EXPECT_EQ(p.Name, c.key) << c.name;
    EXPECT_EQ(p.Value, c.value) << c.name;
  }
}

TEST(IniText, SplitLines) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines("a\r\nb\nc"), (Lines{"a", "b", "c"})) << "mixed ends";
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"})) << "final line end";
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"})) << "blank line";
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF[S]\r\n"), (Lines{"[S]"})) << "byte-order mark";
  EXPECT_EQ(SplitLines(""), (Lines{})) << "empty";
  EXPECT_EQ(SplitLines("a\rb\r\r\nc"), (Lines{"a", "b", "", "c"})) << "lone carriage returns";
}

}  // namespace
}  // namespace nalo::ini
