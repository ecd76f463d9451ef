// s/// through TBRegExp: Perl's replacement syntax, the flags, Shift-JIS names in
// byte mode and in "k" mode, and every construct the layer refuses.
#include <gtest/gtest.h>

#include "perl5_test_util.h"

namespace nalo {
namespace {

using perl5_test::Subst;

struct SubstCase {
  const char* name;
  const char* expression;
  const char* subject;
  const char* expected;  // "<none>" nothing substituted, "error" refused
};

void PrintTo(const SubstCase& c, std::ostream* os) { *os << c.name; }

class SubstTable : public testing::TestWithParam<SubstCase> {};

TEST_P(SubstTable, GivesExpectedName) {
  const SubstCase& c = GetParam();
  EXPECT_EQ(Subst(c.expression, c.subject), c.expected)
      << c.name << ": " << c.expression << " on " << c.subject;
}

std::string CaseName(const testing::TestParamInfo<SubstCase>& info) {
  std::string name = info.param.name;
  for (char& ch : name) {
    if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

const SubstCase kReplacementCases[] = {
    {"help/semicolons", "s/;/,/g", "abc;def;ghi", "abc,def,ghi"},
    {"help/groups", "s/(.*);(.*);(.*)/\"$1\",\"$2\",\"$3\"/", "abc;def;ghi",
     "\"abc\",\"def\",\"ghi\""},
    {"first-only", "s/a/X/", "banana", "bXnana"},
    {"global", "s/a/X/g", "banana", "bXnXnX"},
    {"no-match", "s/z/X/g", "banana", "<none>"},
    {"ignore-case", "s/A/x/gi", "aAbA", "xxbx"},
    {"backslash-refs", "s/(b)(a)/\\2\\1/", "banana", "abnana"},
    {"dollar-ampersand", "s/an/[$&]/g", "banana", "b[an][an]a"},
    {"pre-and-post-match", "s/n/<$`|$'>/", "ana", "a<a|a>a"},
    {"braced-group", "s/(a)/${1}0/", "ab", "a0b"},
    {"two-digit-group-unset", "s/(a)/[$12]/", "ab", "[]b"},
    {"unset-group-empty", "s/(x)?a/[$1]/", "ab", "[]b"},
    {"escape-hex", "s/a/\\x41\\x{42}/", "a", "AB"},
    {"escape-octal", "s/a/\\0101/", "a", "\x08" "1"},
    {"escape-control", "s/a/\\c[/", "a", "\x1b"},
    {"escaped-specials", "s/a/\\$\\&\\\\\\//", "a", "$&\\/"},
    {"literal-dollar-at-end", "s/a/$/", "a", "$"},
    {"upper-all", "s/(\\w+)/\\U$1/", "abc.txt", "ABC.txt"},
    {"upper-first", "s/(\\w+)/\\u$1/", "abc.txt", "Abc.txt"},
    {"lower-until-E", "s/(.*)/\\L$1\\E!/", "ABC", "abc!"},
    {"upper-first-then-lower", "s/(\\w+)/\\u\\L$1/", "hELLO", "Hello"},
    {"upper-skips-double-byte", "s/(.*)/\\U$1/k", "aあb", "AあB"},
    {"empty-matches", "s/x*/-/g", "abc", "-a-b-c-"},
    {"empty-after-nonempty", "s/x*/-/g", "xab", "--a-b-"},
    {"line-start", "s/^/pre_/", "name", "pre_name"},
    {"line-end", "s/\\.txt$/.md/", "a.txt", "a.md"},
    {"multi-line", "s/^/>/mg", "a\nb", ">a\n>b"},
    {"dot-no-newline", "s/a.b/X/", "a\nb", "<none>"},
    {"dot-all", "s/a.b/X/s", "a\nb", "X"},
    {"escaped-delimiter", "s/a\\/b/X/", "a/b", "X"},
    {"quoted", "s/\\Qa.b\\E/X/", "axb a.b", "axb X"},
    {"posix-class", "s/[[:digit:]]+/#/g", "a12b3", "a#b#"},
};
INSTANTIATE_TEST_SUITE_P(Replacement, SubstTable, testing::ValuesIn(kReplacementCases), CaseName);

const SubstCase kShiftJisCases[] = {
    {"kanji/dot-is-one-character", "s/./X/gk", "あいa", "XXX"},
    {"kanji/class", "s/[あい]/X/gk", "あいう", "XXう"},
    {"kanji/range", "s/[ぁ-ん]+/H/k", "ひらがなカナ", "Hカナ"},
    {"kanji/quantifier", "s/あ+/X/k", "ああい", "Xい"},
    {"kanji/full-width-case", "s/ａ/X/ik", "Ａ", "X"},
    {"kanji/empty-matches", "s/x*/-/gk", "あい", "-あ-い-"},
    {"bytes/quantifier-takes-whole-char", "s/あ+/X/", "ああい", "Xい"},
    {"bytes/trail-0x5C-in-expression", "s/ソ/X/", "ソア", "Xア"},
    {"bytes/trail-0x5C-in-replacement", "s/a/ソ表/", "a", "ソ表"},
    {"bytes/no-match-inside-char", "s/\\\\/_/g", "表\\", "表_"},
    {"bytes/trail-letter-untouched", "s/s/x/g", "ピs", "ピx"},
    {"bytes/dot-skips-double-byte", "s/./X/", "あa", "あX"},
    {"bytes/empty-matches-step-whole-chars", "s/x*/-/g", "あ", "-あ-"},
    {"bytes/ascii-around-kana", "s/\\.txt$//", "カナ.txt", "カナ"},
};
INSTANTIATE_TEST_SUITE_P(ShiftJis, SubstTable, testing::ValuesIn(kShiftJisCases), CaseName);

const SubstCase kRefusedCases[] = {
    {"G-anchor", "s/\\Ga/x/", "a", "error"},
    {"modifier-o", "s/a/x/o", "a", "error"},
    {"modifier-x", "s/a/x/x", "a", "error"},
    {"modifier-e", "s/a/x/e", "a", "error"},
    {"inline-x", "s/(?x) a/x/", "a", "error"},
    {"unknown-modifier", "s/a/x/z", "a", "error"},
    {"pattern-scalar", "s/$name/x/", "a", "error"},
    {"pattern-array", "s/a@list/x/", "a", "error"},
    {"pattern-braced-variable", "s/${x}/x/", "a", "error"},
    {"replacement-variable", "s/a/$name/", "a", "error"},
    {"missing-delimiter", "s/a/x", "a", "error"},
    {"only-pattern", "s/a", "a", "error"},
    {"bad-pattern", "s/(/x/", "a", "error"},
    {"unclosed-hex", "s/a/\\x{41/", "a", "error"},
    {"wide-code-without-k", "s/a/\\x{100}/", "a", "error"},
    {"no-cp932-form", "s/a/\\x{1F600}/k", "a", "error"},
    {"translation-given", "tr/a/b/", "a", "error"},
    {"runaway-backtracking", "s/(a+)+$/x/", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!", "error"},
};
INSTANTIATE_TEST_SUITE_P(Refused, SubstTable, testing::ValuesIn(kRefusedCases), CaseName);

const SubstCase kFormerBugs[] = {
    {"dollar-before-paren-is-anchor", "s/(a$)/x/", "ba", "bx"},
    {"dollar-before-bar-is-anchor", "s/a$|b/x/g", "ba", "xx"},
    {"at-sign-alone", "s/@//g", "a@b", "ab"},
};
INSTANTIATE_TEST_SUITE_P(FormerBugs, SubstTable, testing::ValuesIn(kFormerBugs), CaseName);

}  // namespace
}  // namespace nalo
