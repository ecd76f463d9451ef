#include "listing/wildcard_mask.h"

#include <gtest/gtest.h>

namespace nalo {
namespace {

struct TMatchCase {
  const char* label;
  const char* mask;
  const char* name;
  bool matches;
};

class MaskMatch : public ::testing::TestWithParam<TMatchCase> {};

TEST_P(MaskMatch, FollowsWindowsWildcards) {
  const TMatchCase& c = GetParam();
  const std::vector<std::string> masks = ParseMaskList(c.mask);
  ASSERT_EQ(masks.size(), 1u);
  EXPECT_EQ(MatchesMask(masks[0], MaskFoldedName(c.name)), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaskMatch,
    ::testing::Values(
        TMatchCase{"all/no-extension", "*.*", "README", true},
        TMatchCase{"all/dot-file", "*.*", ".profile", true},
        TMatchCase{"star/suffix", "*.jpg", "photo.jpg", true},
        TMatchCase{"star/other-suffix", "*.jpg", "photo.jpeg", false},
        TMatchCase{"case/upper-name", "*.jpg", "PHOTO.JPG", true},
        TMatchCase{"case/upper-mask", "*.JPG", "photo.jpg", true},
        TMatchCase{"question/one-char", "a?c.txt", "abc.txt", true},
        TMatchCase{"question/not-zero", "a?c.txt", "ac.txt", false},
        TMatchCase{"question/double-byte-is-one", "a?c", "a\x95\x5C" "c", true},
        TMatchCase{"dot-star/finds-bare-name", "x.*", "x", true},
        TMatchCase{"dot-star/finds-extension", "x.*", "x.txt", true},
        TMatchCase{"dot-star/not-longer-stem", "x.*", "xy", false},
        TMatchCase{"star/middle-backtracks", "a*b*c", "aXbYbZc", true},
        TMatchCase{"star/middle-fails", "a*b*c", "aXbYbZ", false},
        TMatchCase{"sjis/trail-not-literal", "*\\*", "\x95\x5C.txt", false},
        TMatchCase{"sjis/whole-char", "*\x95\x5C*", "a\x95\x5C.txt", true},
        TMatchCase{"blank/leading-blank-kept", " *.txt", "a.txt", false},
        TMatchCase{"blank/leading-blank-matches", " *.txt", " a.txt", true},
        TMatchCase{"fullwidth/case-folded", "\x82\x60*", "\x82\x81.txt", true}),  // Ａ* finds ａ.txt
    [](const auto& info) {
      std::string label = info.param.label;
      for (char& ch : label) {
        if (ch == '/' || ch == '-') ch = '_';
      }
      return label;
    });

struct TParseCase {
  const char* label;
  const char* text;
  std::vector<std::string> masks;
};

TEST(MaskList, SplitsLowersAndMerges) {
  const TParseCase cases[] = {
      {"duplicates-by-case", "*.JPG;*.jpg", {"*.jpg"}},
      {"star-wins", "*.txt;*", {"*.*"}},
      {"star-dot-star-wins", "*.txt;*.*;*.doc", {"*.*"}},
      {"empty-is-all", "", {"*.*"}},
      {"order-kept", "b*;a*;b*", {"b*", "a*"}},
      {"blanks-kept", " *.txt;*.doc ", {" *.txt", "*.doc "}},
      {"trailing-separator", "*.txt;", {"*.txt"}},
  };
  for (const TParseCase& c : cases) {
    EXPECT_EQ(ParseMaskList(c.text), c.masks) << c.label;
  }
}

}  // namespace
}  // namespace nalo
