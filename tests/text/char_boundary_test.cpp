// Character stepping, counting and cutting at character boundaries.
#include <gtest/gtest.h>

#include "sj.h"
#include "text/name_text.h"
#include "text/sjis.h"

namespace nalo {
namespace {

using test::Sj;

TEST(CharBoundary, TrailBytesAreNotBoundaries) {
  struct Row {
    const char* name;
    std::string text;
    std::size_t index;
    bool boundary;
  };
  const Row rows[] = {
      {"sjis/so-trail-0x5C", Sj("ソ"), 1, false},
      {"sjis/hyo-trail-0x5C", Sj("a表b"), 2, false},
      {"sjis/after-pair", Sj("a表b"), 3, true},
      {"sjis/lead-at-end-is-own-char", "ab\x83", 2, true},
      {"sjis/invalid-trail-still-pairs", "\x81 x", 1, false},
      {"sjis/halfwidth-kana-single", Sj("ｶﾞ"), 1, true},
      {"sjis/end-of-text", Sj("表"), 2, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(IsCharBoundary(row.text, row.index), row.boundary);
  }
}

TEST(CharBoundary, CharCountCountsPairsOnce) {
  EXPECT_EQ(CharCount(""), 0u);
  EXPECT_EQ(CharCount(Sj("aソ表ｶﾞ")), 5u);
  EXPECT_EQ(CharCount("a\x83"), 2u);  // lone lead byte at the end
}

TEST(CharBoundary, LimitToBytesNeverCutsAPair) {
  struct Row {
    const char* name;
    std::string text;
    std::size_t max;
    std::string expected;
  };
  const Row rows[] = {
      {"limit/fits", Sj("aソ"), 3, Sj("aソ")},
      {"limit/cut-before-pair", Sj("aソ"), 2, "a"},
      {"limit/cut-between-pairs", Sj("表表表"), 5, Sj("表表")},
      {"limit/zero", Sj("表"), 0, ""},
      {"limit/lone-lead-at-end-counts-one", "ab\x83", 3, "ab\x83"},
      {"limit/single-bytes", "abcdef", 4, "abcd"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(LimitToBytes(row.text, row.max), row.expected);
  }
}

}  // namespace
}  // namespace nalo
