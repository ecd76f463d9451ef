// The AWK string functions: Sub, GSub (empty matches, double-byte characters, CR
// LF, line starts), replacement templates and the former bugs that must not
// come back.
#include <gtest/gtest.h>

#include <string>

#include "awk_test_util.h"
#include "rules/awk/re_error.h"
#include "rules/awk/replacement_template.h"

namespace nalo {
namespace {

using awk_test::Sjis;

struct GSubCase {
  const char* name;
  std::string pattern;
  std::string tmpl;
  std::string text;
  std::string result;
  int count;
};

class GSubTable : public testing::TestWithParam<GSubCase> {};

TEST_P(GSubTable, ResultAndCount) {
  const GSubCase& c = GetParam();
  TAWKStr awk;
  awk.SetRegExp(c.pattern);
  std::string text = c.text;
  EXPECT_EQ(awk.GSub(c.tmpl, text), c.count);
  EXPECT_EQ(text, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GSubTable,
    testing::Values(
        GSubCase{"every_a", "a", "[&]", "banana", "b[a]n[a]n[a]", 3},
        GSubCase{"empty_pattern_between_chars", "", "x", "ab", "xaxb", 2},
        GSubCase{"empty_pattern_empty_text", "", "x", "", "x", 1},
        GSubCase{"no_match_unchanged", "z", "x", "abc", "abc", 0},
        GSubCase{"empty_match_never_splits_pair", "", "x", Sjis("あい"), Sjis("xあxい"), 2},
        GSubCase{"star_on_pairs", "b*", "-", Sjis("あbb"), Sjis("-あ-"), 2},
        GSubCase{"empty_after_nonempty", "a*", "-", "baaac", "-b--c", 3},
        GSubCase{"tail_before_each_crlf", "$", "x", "a\r\nb", "ax\r\nbx", 2},
        GSubCase{"head_after_each_lf", "^", "> ", "a\nb", "> a\n> b", 2},
        GSubCase{"head_word_after_lf", "^a", "A", "aa\naa", "Aa\nAa", 2},
        GSubCase{"class_of_fullwidth_digits", Sjis("[０-９]"), "#", Sjis("第１２話"),
                 Sjis("第##話"), 2},
        GSubCase{"whole_name", ".*", "<&>", "a.txt", "<a.txt>", 1}),
    [](const testing::TestParamInfo<GSubCase>& info) { return std::string(info.param.name); });

// Former bugs: each row is a fault that once existed in this design.
INSTANTIATE_TEST_SUITE_P(
    FormerBugs, GSubTable,
    testing::Values(
        // An empty match at a CR that is not followed by LF stepped over the CR and
        // the first byte of the next pair, splitting it.
        GSubCase{"cr_before_pair", "", "x", "\r" + Sjis("あ"), "x\rx" + Sjis("あ"), 2},
        // An empty match at a CR that ends the text read past the end.
        GSubCase{"cr_at_end", "", "x", "a\r", "xax\r", 2},
        // A lead byte that ends the text was read together with a byte past the end.
        GSubCase{"lone_lead_at_end", "", "x", "a\x82", "xax\x82", 2}),
    [](const testing::TestParamInfo<GSubCase>& info) { return std::string(info.param.name); });

TEST(Sub, ReplacesFirstMatchOnly) {
  TAWKStr awk;
  awk.SetRegExp("a");
  std::string text = "banana";
  EXPECT_TRUE(awk.Sub("[&]", text));
  EXPECT_EQ(text, "b[a]nana");
}

TEST(Sub, EmptyMatchInsertsWithoutRemoving) {
  TAWKStr awk;
  awk.SetRegExp("x*");
  std::string text = "ab";
  EXPECT_TRUE(awk.Sub("-", text));
  EXPECT_EQ(text, "-ab");
}

TEST(Sub, NoMatchLeavesTextAlone) {
  TAWKStr awk;
  awk.SetRegExp("q");
  std::string text = "ab";
  EXPECT_FALSE(awk.Sub("-", text));
  EXPECT_EQ(text, "ab");
}

struct TemplateCase {
  const char* name;
  std::string tmpl;
  std::string expanded;  // for the matched text "M"
};

class Templates : public testing::TestWithParam<TemplateCase> {};

TEST_P(Templates, Expand) {
  EXPECT_EQ(TReplacementTemplate(GetParam().tmpl).Expand("M"), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Templates,
    testing::Values(TemplateCase{"ampersand_is_match", "[&]", "[M]"},
                    TemplateCase{"twice", "&&", "MM"},
                    TemplateCase{"escaped_ampersand", "\\&", "&"},
                    TemplateCase{"backslash", "\\\\", "\\"},
                    TemplateCase{"escaped_backslash_then_ampersand", "\\\\&", "&"},
                    TemplateCase{"hex_26_acts_as_ampersand", "\\x26", "M"},
                    TemplateCase{"controls", "a\\tb\\n", "a\tb\n"},
                    TemplateCase{"octal", "\\101", "A"},
                    TemplateCase{"pair_with_trail_5c", Sjis("表&"), Sjis("表") + "M"},
                    TemplateCase{"empty", "", ""}),
    [](const testing::TestParamInfo<TemplateCase>& info) { return std::string(info.param.name); });

TEST(Templates, MalformedEscapeIsAnError) {
  TAWKStr awk;
  awk.SetRegExp("a");
  std::string text = "a";
  EXPECT_THROW(awk.Sub("\\x", text), ERegExpParser);
  EXPECT_EQ(text, "a");
  EXPECT_THROW(awk.GSub("x\\", text), ERegExpParser);
  EXPECT_EQ(text, "a");
}

}  // namespace
}  // namespace nalo
