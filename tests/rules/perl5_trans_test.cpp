// tr/// through TBRegExp: ranges over characters (kana included), the flags c, d,
// s and k, Perl's rules for short and empty replacement lists, refused lists.
#include <gtest/gtest.h>

#include "perl5_test_util.h"

namespace nalo {
namespace {

using perl5_test::Trans;

struct TransCase {
  const char* name;
  const char* expression;
  const char* subject;
  const char* expected;  // "<none>" nothing found, "error" refused
};

void PrintTo(const TransCase& c, std::ostream* os) { *os << c.name; }

class TransTable : public testing::TestWithParam<TransCase> {};

TEST_P(TransTable, GivesExpectedName) {
  const TransCase& c = GetParam();
  EXPECT_EQ(Trans(c.expression, c.subject), c.expected)
      << c.name << ": " << c.expression << " on " << c.subject;
}

std::string CaseName(const testing::TestParamInfo<TransCase>& info) {
  std::string name = info.param.name;
  for (char& ch : name) {
    if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

const TransCase kCases[] = {
    {"help/upper-case", "tr/a-z/A-Z/", "abc;def;ghi", "ABC;DEF;GHI"},
    {"help/kana", "tr/あ-ん/ア-ン/", "あ;い;う", "ア;イ;ウ"},
    {"kana/with-k", "tr/あ-ん/ア-ン/k", "あ;い;う", "ア;イ;ウ"},
    {"kana/past-the-katakana-gap", "tr/あ-ん/ア-ン/", "みむめもん", "ミムメモン"},
    {"kana/back-to-hiragana", "tr/ァ-ン/ぁ-ん/k", "カタカナ", "かたかな"},
    {"trail-letter-untouched", "tr/a-z/A-Z/", "ピs", "ピS"},
    {"trail-0x5C-in-list", "tr/ソ/X/", "ソ\\", "X\\"},
    {"delete", "tr/a-c//d", "abcd", "d"},
    {"squeeze", "tr/a-z//s", "aabbcc", "abc"},
    {"squeeze-translated-only", "tr/a/b/s", "aabb", "bbb"},
    {"squeeze-over-deleted", "tr/ab/x/ds", "aba", "x"},
    {"complement", "tr/a-z/_/c", "ab1あ", "ab__"},
    {"complement-delete", "tr/a-z//cd", "a1b2", "ab"},
    {"complement-squeeze", "tr/a-zA-Z/ /cs", "a--b  c", "a b c"},
    {"short-list-repeats-last", "tr/a-e/xy/", "abcde", "xyyyy"},
    {"short-list-delete", "tr/a-e/xy/d", "abcde", "xy"},
    {"first-occurrence-wins", "tr/aa/xy/", "a", "x"},
    {"escaped-dash", "tr/a\\-z/X/", "a-mz", "XXmX"},
    {"dash-first-and-last", "tr/-a-/X/", "-ba-", "XbXX"},
    {"escapes", "tr/\\x41\\101\\t/abc/", "AA\t", "aac"},
    {"count-only", "tr/a//", "banana", "banana"},
    {"nothing-found", "tr/z/y/", "banana", "<none>"},
    {"empty-subject", "tr/a/b/", "", "<none>"},
    {"reversed-range", "tr/z-a/x/", "a", "error"},
    {"unknown-modifier", "tr/a/b/g", "a", "error"},
    {"modifier-r", "tr/a/b/r", "a", "error"},
    {"missing-delimiter", "tr/a/b", "a", "error"},
    {"substitution-given", "s/a/b/", "a", "error"},
    {"no-cp932-form", "tr/a/\\x{1F600}/", "a", "error"},
};
INSTANTIATE_TEST_SUITE_P(Translation, TransTable, testing::ValuesIn(kCases), CaseName);

}  // namespace
}  // namespace nalo
