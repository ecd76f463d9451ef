// FindInName and ReplaceInName: fixed cases, then both checked against a plain
// reference over every short text of a tiny alphabet that mixes ASCII with lead
// bytes and a byte that is both a backslash and a trail byte.
#include <gtest/gtest.h>

#include <vector>

#include "sj.h"
#include "text/name_text.h"
#include "text/sjis.h"

namespace nalo {
namespace {

using test::Sj;

TEST(FindInName, Cases) {
  struct Row {
    const char* name;
    std::string pattern;
    std::string text;
    int expected;
  };
  const Row rows[] = {
      {"find/plain", "b", "abc", 2},
      {"find/first-of-two", "a", "xaxa", 2},
      {"find/empty-pattern", "", "abc", 0},
      {"find/empty-text", "a", "", 0},
      {"find/backslash-in-hyo", "\\", Sj("表"), 0},
      {"find/backslash-in-so", "\\", Sj("ソ"), 0},
      {"find/backslash-after-so", "\\", Sj("ソ") + "\\", 3},
      {"find/pair-straddling-boundary", Sj("\\表"), Sj("表表"), 0},
      // 0x83 0x83 0x5C: the pair 0x83 0x83, then a backslash; ソ (0x83 0x5C) would
      // only match from the trail byte.
      {"find/so-from-trail", Sj("ソ"), "\x83\x83\x5C", 0},
      {"find/double-byte", Sj("表"), Sj("a表b"), 2},
      {"find/lone-lead-pattern-mid-char", "\x83", Sj("ソ"), 0},
      {"find/lone-lead-pattern-at-end", "\x83", "a\x83", 2},
      {"find/no-exact-case", "A", "a", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FindInName(row.pattern, row.text), row.expected);
  }
}

TEST(ReplaceInName, Cases) {
  struct Row {
    const char* name;
    std::string text, old_pattern, new_text;
    bool all, ignore_case;
    std::string expected;
  };
  const Row rows[] = {
      {"replace/non-overlapping", "aaa", "aa", "b", true, false, "ba"},
      {"replace/inserted-not-searched", "ab", "a", "aa", true, false, "aab"},
      {"replace/first-only", "a-a-a", "a", "x", false, false, "x-a-a"},
      {"replace/all", "a-a-a", "a", "x", true, false, "x-x-x"},
      {"replace/empty-old", "abc", "", "x", true, false, "abc"},
      {"replace/delete", "a b c", " ", "", true, false, "abc"},
      {"replace/no-trail-backslash", Sj("表\\"), "\\", "_", true, false, Sj("表_")},
      {"replace/case-kept-from-input", "AbC abc", "abc", "x", true, true, "x x"},
      {"replace/ignore-case-copies-input", "xAbCy", "b", "-", true, true, "xA-Cy"},
      {"replace/case-sensitive", "ABC abc", "abc", "x", true, false, "ABC x"},
      {"replace/fullwidth-ignore-case", Sj("ａＢｃ"), Sj("ＡＢＣ"), "x", true, true, "x"},
      {"replace/fullwidth-case-sensitive", Sj("ａＢｃ"), Sj("ＡＢＣ"), "x", true, false, Sj("ａＢｃ")},
      {"replace/greek-ignore-case", Sj("αβ"), Sj("Β"), "b", true, true, Sj("α") + "b"},
      // ソ upper-cases to itself; its trail 0x5C must not meet a pattern "\\".
      {"replace/ignore-case-trail", Sj("ソ\\"), "\\", "/", true, true, Sj("ソ") + "/"},
      // The trail byte of Ｂ (0x82 0x61) is 'a': upper-casing must not turn it into 'A'.
      {"replace/ignore-case-trail-letter", Sj("Ｂ"), "A", "x", true, true, Sj("Ｂ")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ReplaceInName(row.text, row.old_pattern, row.new_text, row.all, row.ignore_case),
              row.expected);
  }
}

// --- reference engine over every short text -----------------------------------

// The definition itself: positions that begin a character, the pattern's bytes, and
// the end of the match on a boundary or at the end of the text.
std::size_t ReferenceFind(std::string_view pattern, std::string_view text, std::size_t from) {
  if (pattern.empty()) return std::string_view::npos;
  for (std::size_t p = from; p < text.size(); p += CharLengthAt(text, p)) {
    const std::size_t end = p + pattern.size();
    if (text.substr(p, pattern.size()) != pattern) continue;
    if (end == text.size() || IsCharBoundary(text, end)) return p;
  }
  return std::string_view::npos;
}

std::string ReferenceReplaceAll(std::string_view text, std::string_view pattern,
                                std::string_view with) {
  std::string out;
  std::size_t pos = 0;
  for (std::size_t at; (at = ReferenceFind(pattern, text, pos)) != std::string_view::npos;
       pos = at + pattern.size()) {
    out.append(text.substr(pos, at - pos)).append(with);
  }
  return out.append(text.substr(pos));
}

void AllStrings(std::string_view alphabet, std::size_t max_length, std::vector<std::string>& out) {
  std::vector<std::string> level = {""};
  out.push_back("");
  for (std::size_t n = 1; n <= max_length; ++n) {
    std::vector<std::string> next;
    for (const std::string& s : level) {
      for (char c : alphabet) next.push_back(s + c);
    }
    out.insert(out.end(), next.begin(), next.end());
    level = std::move(next);
  }
}

TEST(FindInName, MatchesReferenceOnAllShortTexts) {
  // 'a', backslash (also a trail byte), two lead bytes, 'b'.
  const std::string alphabet = "a\\\x83\x95" "b";
  std::vector<std::string> texts, patterns;
  AllStrings(alphabet, 6, texts);
  AllStrings(alphabet, 3, patterns);
  for (const std::string& pattern : patterns) {
    for (const std::string& text : texts) {
      const std::size_t expected = ReferenceFind(pattern, text, 0);
      ASSERT_EQ(FindInNameFrom(pattern, text, 0), expected)
          << "pattern " << testing::PrintToString(pattern) << " text "
          << testing::PrintToString(text);
      ASSERT_EQ(ReplaceInName(text, pattern, "#", true, false),
                ReferenceReplaceAll(text, pattern, "#"));
    }
  }
}

}  // namespace
}  // namespace nalo
