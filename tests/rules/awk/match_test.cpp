// Leftmost-longest matching: where a match starts and ends, the places where "^"
// and "$" are anchors or literal characters, CR as the line end, and double-byte
// characters taken as units.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "awk_test_util.h"

namespace nalo {
namespace {

using awk_test::FirstMatch;
using awk_test::Sjis;

struct MatchCase {
  const char* name;
  std::string pattern;
  std::string text;
  std::optional<TREMatch> expected;
};

class FirstMatchTable : public testing::TestWithParam<MatchCase> {};

TEST_P(FirstMatchTable, StartAndEnd) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(FirstMatch(c.pattern, c.text), c.expected);
}

std::string CaseName(const testing::TestParamInfo<MatchCase>& info) { return info.param.name; }

constexpr std::optional<TREMatch> kNone = std::nullopt;
constexpr TREMatch M(std::size_t s, std::size_t e) { return TREMatch{s, e}; }

INSTANTIATE_TEST_SUITE_P(
    Semantics, FirstMatchTable,
    testing::Values(
        MatchCase{"leftmost_then_longest", "ab|a", "xab", M(1, 3)},
        MatchCase{"empty_match_at_left_wins", "a*", "baa", M(0, 0)},
        MatchCase{"longest_over_alternatives", "a|ab|abc", "zabcd", M(1, 4)},
        MatchCase{"plus_needs_one", "ba+", "bbaa", M(1, 4)},
        MatchCase{"optional", "colou?r", "color", M(0, 5)},
        MatchCase{"braces_are_literal", "a{2}", "aa a{2}", M(3, 7)},
        MatchCase{"group_in_closure", "(ab)*c", "ababc", M(0, 5)},
        MatchCase{"empty_group_is_empty", "a()b", "ab", M(0, 2)},
        MatchCase{"empty_alternative", "x(a|)y", "xy", M(0, 2)},
        MatchCase{"no_match", "abc", "abd", kNone},
        MatchCase{"empty_pattern_empty_text", "", "", M(0, 0)},
        MatchCase{"nul_escape_never_matches", "a\\0", std::string("a\0", 2), kNone}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Anchors, FirstMatchTable,
    testing::Values(MatchCase{"head_not_after_b", "^a", "ba", kNone},
                    MatchCase{"head_after_lf", "^a", "b\na", M(2, 3)},
                    MatchCase{"head_not_after_cr", "^a", "b\ra", kNone},
                    MatchCase{"head_optional", "^?a", "ba", M(1, 2)},
                    MatchCase{"tail_at_end", "a$", "ba", M(1, 2)},
                    MatchCase{"tail_before_cr", "a$", "a\r\nb", M(0, 1)},
                    MatchCase{"tail_not_before_lf", "a$", "a\nb", kNone},
                    MatchCase{"tail_alone_matches_at_end", "$", "abc", M(3, 3)},
                    MatchCase{"head_tail_empty_text", "^$", "", M(0, 0)},
                    MatchCase{"head_tail_after_last_lf", "^$", "a\n", M(2, 2)},
                    MatchCase{"tail_of_closure_at_end", "a*$", "aab", M(3, 3)},
                    MatchCase{"literal_head_inside", "A^BC", "xA^BC", M(1, 5)},
                    MatchCase{"literal_tail_inside", "a$b", "a$b", M(0, 3)},
                    MatchCase{"literal_head_in_closure", "^*x", "^^x", M(0, 3)},
                    MatchCase{"head_plus_first_anchor_then_literal", "^+x", "^x", M(0, 2)},
                    MatchCase{"head_plus_needs_line_start", "^+x", "a^x", kNone},
                    MatchCase{"head_in_plus_group", "(^a)+", "aa^a", M(0, 1)},
                    MatchCase{"head_in_plus_group_literal_repeat", "(^a)+", "a^a", M(0, 3)},
                    MatchCase{"tail_in_plus_group_is_literal", "(a$)+", "a$a$", M(0, 4)},
                    MatchCase{"head_in_group_matches_xyz_anywhere", "(xyz|^ABC)", "--xyz", M(2, 5)},
                    MatchCase{"head_in_group_abc_not_inside", "(xyz|^ABC)", "-ABC", kNone},
                    MatchCase{"head_in_group_abc_at_start", "(xyz|^ABC)", "ABC", M(0, 3)},
                    MatchCase{"head_in_group_abc_after_lf", "(xyz|^ABC)", "-\nABC", M(2, 5)},
                    MatchCase{"head_alternative_longest", "^b|b*c", "bbc", M(0, 3)},
                    // Former bug: the run without "^" was dropped when the "^" run failed, so an
                    // empty alternative found nothing in an empty text.
                    MatchCase{"empty_alternative_beside_head_empty_text", "|^x", "", M(0, 0)},
                    MatchCase{"tail_in_alternative", "a$|ab", "ab", M(0, 2)},
                    // A literal "^" and a class range over it leave one state: both must work.
                    MatchCase{"literal_head_overlapping_class_z", "x(^y|[!-~]z)", "x^z", M(0, 3)},
                    MatchCase{"literal_head_overlapping_class_y", "x(^y|[!-~]z)", "x^y", M(0, 3)}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    DoubleByte, FirstMatchTable,
    testing::Values(
        MatchCase{"fullwidth_digit_class", Sjis("[０-９]+"), Sjis("第１２話"), M(2, 6)},
        MatchCase{"dot_over_kana", Sjis("あ.う"), Sjis("xあいう"), M(1, 7)},
        MatchCase{"dot_is_one_pair", "^..$", Sjis("あい"), M(0, 4)},
        MatchCase{"hex_8140_fullwidth_space", "\\x8140", Sjis("a　b"), M(1, 3)},
        MatchCase{"trail_5c_is_not_backslash", "\\\\", Sjis("表ソ"), kNone},
        MatchCase{"backslash_after_pair", "\\\\", Sjis("表") + "\\", M(2, 3)},
        MatchCase{"pair_with_trail_5c", Sjis("ソ"), Sjis("表ソ"), M(2, 4)},
        MatchCase{"ascii_class_never_takes_trail", "[@-~]", Sjis("ソ"), kNone},
        MatchCase{"complement_takes_pair", "[^a]", Sjis("aあ"), M(1, 3)},
        MatchCase{"halfwidth_kana_single_byte", "\xB6.", "\xB6\xDE", M(0, 2)},
        MatchCase{"lone_lead_at_end_is_a_character", "a.", "a\x82", M(0, 2)},
        MatchCase{"lone_lead_with_tail", "\\x82$", "b\x82", M(1, 2)}),
    CaseName);

TEST(Search, FindNextSkipsWholePairs) {
  TAWKStr awk;
  awk.SetRegExp("\\\\|\\x5C5C");  // a backslash; the second branch is no character
  EXPECT_EQ(awk.FindNext(Sjis("ソ表") + "\\"), M(4, 5));
}

TEST(Search, FindFromOffsetSeesSuffixAsText) {
  TAWKStr awk;
  awk.SetRegExp("^b");
  EXPECT_EQ(awk.FindFirst("ab", 1), M(1, 2));  // the anchored first search starts a line
  EXPECT_EQ(awk.FindNext("ab", 1), kNone);      // the continued search does not
}

}  // namespace
}  // namespace nalo
