// Syntax of the AWK engine: every parser error with its message and position,
// escapes, class scanning, range refinement and complemented classes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "awk_test_util.h"
#include "rules/awk/re_chars.h"
#include "rules/awk/re_error.h"
#include "rules/awk/re_parser.h"
#include "rules/awk/re_scanner.h"

namespace nalo {
namespace {

using awk_test::FirstMatch;
using awk_test::Sjis;

struct ErrorCase {
  const char* name;
  std::string pattern;
  std::string_view message;
  std::size_t position;
};

class ParserErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(ParserErrors, MessageAndPosition) {
  const ErrorCase& c = GetParam();
  TREParser parser(c.pattern);
  try {
    parser.Run();
    FAIL() << "no error for " << c.pattern;
  } catch (const ERegExpParser& e) {
    EXPECT_EQ(e.what(), std::string(c.message));
    EXPECT_EQ(e.Position(), c.position);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParserErrors,
    testing::Values(
        ErrorCase{"lead_byte_last", "a\x82", kMsgBadDoubleByte, 2},
        ErrorCase{"backslash_last", "ab\\", kMsgBackslashAtEnd, 4},
        ErrorCase{"hex_without_digits", "\\xg", kMsgBadHex, 3},
        ErrorCase{"hex_at_end", "a\\x", kMsgBadHex, 4},
        ErrorCase{"octal_above_ffff", "\\777777", kMsgBadOctal, 8},
        ErrorCase{"bracket_last", "a[", kMsgNeedRightBracket, 3},
        ErrorCase{"class_never_closed", "[abc", kMsgNeedRightBracket, 5},
        ErrorCase{"class_ends_after_dash", "[a-", kMsgNeedRightBracket, 4},
        ErrorCase{"range_reversed", "[z-a]", kMsgBadRange, 5},
        ErrorCase{"empty_class", "[]", kMsgBadClass, 3},
        ErrorCase{"empty_negated_class", "[^]", kMsgBadClass, 4},
        ErrorCase{"unmatched_rparen", "ab)", kMsgExtraChars, 4},
        ErrorCase{"unclosed_group", "(ab", kMsgNeedRightParen, 4},
        ErrorCase{"double_star", "a**", kMsgNeedCharOrParen, 4},
        ErrorCase{"star_then_plus", "a*+", kMsgNeedCharOrParen, 4},
        ErrorCase{"quantifier_first", "*a", kMsgNeedCharOrParen, 2},
        ErrorCase{"quantifier_after_bar", "a|+b", kMsgNeedCharOrParen, 4},
        ErrorCase{"quantifier_in_group", "(?)", kMsgNeedCharOrParen, 3},
        ErrorCase{"rbracket_outside_class", "a]", kMsgNeedCharOrParen, 3},
        ErrorCase{"double_byte_positions", "\x83\x5C" "(", kMsgNeedRightParen, 4}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

TEST(Parser, EmptyPatternIsOneEmptyNode) {
  TREParser parser("");
  parser.Run();
  EXPECT_EQ(parser.Tree().Node(parser.Root()).Op, TREOp::Empty);
  EXPECT_EQ(parser.Tree().NodeCount(), 1u);
}

std::vector<TRETokenKind> Tokens(std::string_view pattern) {
  TREScanner scanner(pattern);
  std::vector<TRETokenKind> kinds;
  while (scanner.GetToken() != tkEnd) kinds.push_back(scanner.Token());
  return kinds;
}

TEST(Scanner, DashAtClassEdgesIsOrdinary) {
  const std::vector<TRETokenKind> char_char{tkClassBegin, tkChar, tkChar, tkClassEnd};
  EXPECT_EQ(Tokens("[a-]"), char_char);
  EXPECT_EQ(Tokens("[-a]"), char_char);
  const std::vector<TRETokenKind> range_char_char{tkClassBegin, tkRange, tkChar, tkChar, tkClassEnd};
  EXPECT_EQ(Tokens("[a-c-e]"), range_char_char);
  EXPECT_EQ(Tokens("a{1}-"), (std::vector<TRETokenKind>(5, tkChar)));
  EXPECT_EQ(Tokens("[^^.*$(]"),
            (std::vector<TRETokenKind>{tkNegClassBegin, tkChar, tkChar, tkChar, tkChar, tkChar,
                                       tkClassEnd}));
}

TEST(Scanner, FullWidthDigitRangeIsOneRangeOfCodes) {
  const std::string pattern = Sjis("[０-９]");  // the scanner does not copy it
  TREScanner scanner(pattern);
  scanner.GetToken();
  ASSERT_EQ(scanner.GetToken(), tkRange);
  EXPECT_EQ(scanner.Code(), 0x824F);
  EXPECT_EQ(scanner.HighCode(), 0x8258);
}

struct ClassCase {
  const char* name;
  std::string pattern;
  std::string members;  // every ASCII character the class matches, ascending
};

class ClassMembers : public testing::TestWithParam<ClassCase> {};

TEST_P(ClassMembers, MatchExactlyTheListedCharacters) {
  TAWKStr awk;
  awk.SetRegExp("^" + GetParam().pattern + "$");
  std::string matched;
  for (int c = 1; c < 128; ++c) {
    if (awk.FindFirst(std::string(1, static_cast<char>(c)))) matched.push_back(static_cast<char>(c));
  }
  EXPECT_EQ(matched, GetParam().members);
}

std::string AllAsciiExcept(std::string_view excluded) {
  std::string s;
  for (int c = 1; c < 128; ++c) {
    if (c != '\n' && c != '\r' && excluded.find(static_cast<char>(c)) == std::string_view::npos) {
      s.push_back(static_cast<char>(c));
    }
  }
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassMembers,
    testing::Values(ClassCase{"a_dash", "[a-]", "-a"}, ClassCase{"dash_a", "[-a]", "-a"},
                    ClassCase{"a_c_dash_e", "[a-c-e]", "-abce"},
                    ClassCase{"overlapping_ranges", "[a-z0-9a-f]",
                              "0123456789abcdefghijklmnopqrstuvwxyz"},
                    ClassCase{"escaped_bracket", "[\\]x]", "]x"},
                    ClassCase{"complement_acb", "[^acb]", AllAsciiExcept("abc")},
                    ClassCase{"complement_range_and_char", "[^b-y0]", AllAsciiExcept("0bcdefghijklmnopqrstuvwxy")},
                    ClassCase{"dot", ".", AllAsciiExcept("")}),
    [](const testing::TestParamInfo<ClassCase>& info) { return std::string(info.param.name); });

TEST(Parser, RefinedLeavesArePairwiseDisjoint) {
  TREParser parser("[a-z0-9a-f]|[c-x]+|.|[^m]");
  parser.Run();
  std::vector<TRECodeRange> ranges;
  for (auto id : parser.Tree().Leaves())
    ranges.push_back({parser.Tree().Node(id).Low, parser.Tree().Node(id).High});
  std::sort(ranges.begin(), ranges.end(), [](auto a, auto b) { return a.Low < b.Low; });
  for (std::size_t i = 1; i < ranges.size(); ++i) EXPECT_LT(ranges[i - 1].High, ranges[i].Low);
}

TEST(Parser, RepeatedClassSharesItsLeaves) {
  TREParser once("[a-f]");
  once.Run();
  TREParser thrice("[a-f][a-f][a-f]");
  thrice.Run();
  EXPECT_EQ(thrice.Tree().Leaves().size(), once.Tree().Leaves().size());
}

// A complemented class that leaves nothing of "." matches nothing at all.
TEST(Parser, ComplementOfEverythingMatchesNothing) {
  EXPECT_FALSE(FirstMatch("[^\\x01-\\xFCFC]", "abc\x88\x9F"));
  EXPECT_FALSE(FirstMatch("[^\\x01-\\x09\\x0b\\x0c\\x0e-\\xfcfc]", "x"));
  EXPECT_EQ(FirstMatch("x([^\\x01-\\xFCFC]|a)", "xa"), (TREMatch{0, 2}));
}

struct EscapeCase {
  const char* name;
  std::string text;
  std::string unescaped;
};

class Escapes : public testing::TestWithParam<EscapeCase> {};

TEST_P(Escapes, Unescape) { EXPECT_EQ(UnescapeText(GetParam().text), GetParam().unescaped); }

INSTANTIATE_TEST_SUITE_P(
    Table, Escapes,
    testing::Values(EscapeCase{"hex_41", "\\x41", "A"}, EscapeCase{"octal_101", "\\101", "A"},
                    EscapeCase{"hex_8140_fullwidth_space", "\\x8140", "\x81\x40"},
                    EscapeCase{"hex_fifth_digit_stays", "\\x00410", std::string("A0")},
                    EscapeCase{"octal_seventh_digit_stays", "\\0001017", "A7"},
                    EscapeCase{"controls", "\\b\\n\\r\\t", "\b\n\r\t"},
                    EscapeCase{"other_is_itself", "\\d\\.\\\\\\[\\&", "d.\\[&"},
                    EscapeCase{"nul", "\\0", std::string(1, '\0')},
                    EscapeCase{"trail_5c_is_not_escape", "\x95\x5C" "n", "\x95\x5C" "n"},
                    EscapeCase{"escaped_double_byte", "\\\x95\x5C", "\x95\x5C"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

TEST(Escapes, UnescapeErrorsCarryPositions) {
  try {
    UnescapeText("ab\x82");
    FAIL();
  } catch (const ERegExpParser& e) {
    EXPECT_EQ(e.what(), std::string(kMsgBadDoubleByte));
    EXPECT_EQ(e.Position(), 3u);
  }
  EXPECT_THROW(UnescapeText("x\\"), ERegExpParser);
  EXPECT_THROW(UnescapeText("\\xZ"), ERegExpParser);
}

}  // namespace
}  // namespace nalo
