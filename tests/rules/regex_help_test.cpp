// The help texts: the Perl5 text's own examples must give the results it
// promises, and both texts name what they must explain.
#include <gtest/gtest.h>

#include <string>

#include "perl5_test_util.h"
#include "rules/regex_help.h"

namespace nalo {
namespace {

// The text between `open` and `close` after `pos`; moves `pos` past it.
std::string Between(std::string_view text, std::string_view open, std::string_view close,
                    std::size_t& pos) {
  std::size_t begin = text.find(open, pos);
  if (begin == std::string_view::npos) return pos = std::string_view::npos, "";
  begin += open.size();
  std::size_t end = text.find(close, begin);
  pos = end;
  return std::string(text.substr(begin, end - begin));
}

TEST(RegexHelp, EveryPerl5ExampleGivesItsResult) {
  int examples = 0;
  for (std::size_t pos = 0;;) {
    std::string subject = Between(kPerl5HelpText, "文字列　『", "』", pos);
    if (pos == std::string_view::npos) break;
    std::string expression = Between(kPerl5HelpText, "正規表現『", "』", pos);
    std::string expected = Between(kPerl5HelpText, "結果：", "\n", pos);
    bool translate = expression.starts_with("tr/");
    EXPECT_EQ(perl5_test::Apply(translate, expression, subject), expected) << expression;
    ++examples;
  }
  EXPECT_EQ(examples, 4);
}

TEST(RegexHelp, Perl5TextNamesEveryItem) {
  for (const char* item : {"◆置換例◆", "◆入換例◆", "◆パターン◆", "◆直前の文字の数量子◆",
                           "◆修飾子◆", "◆非互換◆", "\\w", "\\W", "\\s", "\\S", "\\d", "\\D",
                           "\\b", "\\B", "\\A", "\\Z", "\\t", "\\n", "\\r", "\\f", "\\a", "\\e",
                           "\\033", "\\x1b", "\\c[", "{n}", "{n,}", "{n,m}", "\\G", "\"o\"",
                           "\"x\"", "\"e\""}) {
    EXPECT_NE(kPerl5HelpText.find(item), std::string_view::npos) << item;
  }
}

TEST(RegexHelp, AwkTextNamesEveryItem) {
  for (const char* item : {"◆文字そのもの◆", "\\b", "\\r", "\\n", "\\t", "\\x", "0x08", "0x0D",
                           "0x0A", "0x09", "[0-9０－９]", "[^", "X|Y", "X*", "X+", "X?",
                           "() (X|) は X？と等価の意味を持つ。"}) {
    EXPECT_NE(kAwkHelpText.find(item), std::string_view::npos) << item;
  }
}

TEST(RegexHelp, TextByTag) {
  EXPECT_EQ(RegexHelpText(kPerl5HelpTag), kPerl5HelpText);
  EXPECT_EQ(RegexHelpText(kAwkHelpTag), kAwkHelpText);
  EXPECT_TRUE(RegexHelpText(3).empty());
}

}  // namespace
}  // namespace nalo
