// Every rule family through `preview --names-from -`: names go in on standard
// input, rows come out as old<TAB>new<TAB>folder<TAB>problem. Each row of the
// table names one rule option and the names it must give.
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"

namespace nalo::cli::test {
namespace {

struct TRuleCase {
  const char* Name;
  std::vector<std::string> Rule;
  std::vector<std::string> Input;   // names, one per line
  std::vector<std::string> Renamed; // "old>new" per expected row, in order
};

// Failures and test lists show the case by its name.
void PrintTo(const TRuleCase& c, std::ostream* os) { *os << c.Name; }

// The tab-separated rows a names-from preview prints for "old>new" pairs.
std::string ExpectedRows(const std::vector<std::string>& renamed) {
  std::string out;
  for (const std::string& pair : renamed) {
    const std::size_t arrow = pair.find('>');
    out += pair.substr(0, arrow) + "\t" + pair.substr(arrow + 1) + "\t.\t\n";
  }
  return out;
}

std::string JoinLines(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& n : names) text += n + "\n";
  return text;
}

const TRuleCase kRuleCases[] = {
    // Brackets: every pair is replaced unless --first-only; delete modes.
    {"brackets/round-to-lenticular", {"--brackets", "()", "【】"}, {"a (1) (2).txt"},
     {"a (1) (2).txt>a 【1】 【2】.txt"}},
    // --first-only: the leading bracket only; a name not starting with it is left.
    {"brackets/first-only", {"--brackets", "()", "[]", "--first-only"},
     {"(1) (2).txt", "a (1).txt"}, {"(1) (2).txt>[1] (2).txt"}},
    {"brackets/delete", {"--brackets", "()", "delete"}, {"a (1).txt"}, {"a (1).txt>a 1.txt"}},
    {"brackets/delete-with-content", {"--brackets", "()", "delete-with-content"},
     {"a (1).txt"}, {"a (1).txt>a.txt"}},
    {"brackets/full-width-to-half", {"--brackets", "【】", "[]"}, {"【x】y.txt"},
     {"【x】y.txt>[x]y.txt"}},
    {"brackets/full-width-round", {"--brackets", "（）", "()"}, {"（x）.txt"},
     {"（x）.txt>(x).txt"}},
    // Replace: case-insensitive unless asked, every occurrence unless --first-only.
    {"replace/ignores-case", {"--replace", "a", "x"}, {"ABab.txt"}, {"ABab.txt>xBxb.txt"}},
    {"replace/case-sensitive", {"--replace", "a", "x", "--case-sensitive"}, {"ABab.txt"},
     {"ABab.txt>ABxb.txt"}},
    {"replace/first-only", {"--replace", "a", "x", "--first-only"}, {"abab.txt"},
     {"abab.txt>xbab.txt"}},
    {"replace/double-byte", {"--replace", "表", "裏"}, {"表ソ表.txt"}, {"表ソ表.txt>裏ソ裏.txt"}},
    {"replace/keeps-other-names", {"--replace", "q", "x"}, {"q.txt", "a.txt"},
     {"q.txt>x.txt"}},
    // Replace with spaces.
    {"spaces/half-width", {"--replace-with-spaces", "_", "--count", "2"}, {"a_b.txt"},
     {"a_b.txt>a  b.txt"}},
    {"spaces/full-width", {"--replace-with-spaces", "_", "--count", "1", "--full-width"},
     {"a_b.txt"}, {"a_b.txt>a　b.txt"}},
    {"spaces/zero-deletes", {"--replace-with-spaces", "_", "--count", "0"}, {"a_b.txt"},
     {"a_b.txt>ab.txt"}},
    {"spaces/first-only", {"--replace-with-spaces", "_", "--first-only"}, {"a_b_c.txt"},
     {"a_b_c.txt>a b_c.txt"}},
    // Add text at every position.
    {"add/start", {"--add", "X", "--at", "start"}, {"ab.txt"}, {"ab.txt>Xab.txt"}},
    {"add/default-is-start", {"--add", "X"}, {"ab.txt"}, {"ab.txt>Xab.txt"}},
    {"add/end", {"--add", "X", "--at", "end"}, {"ab.txt"}, {"ab.txt>abX.txt"}},
    {"add/after-ext", {"--add", "X", "--at", "after-ext"}, {"ab.txt"}, {"ab.txt>ab.txtX"}},
    {"add/before-string", {"--add", "X", "--at", "before:b"}, {"abb.txt"},
     {"abb.txt>aXbb.txt"}},
    {"add/after-string", {"--add", "X", "--at", "after:a"}, {"aba.txt"},
     {"aba.txt>aXba.txt"}},
    // Convert tab.
    {"number/digits-and-start", {"--number", "P", "--digits", "3", "--start", "7"},
     {"a.txt", "b.jpg"}, {"a.txt>P007.txt", "b.jpg>P008.jpg"}},
    {"extension/replaced", {"--extension", ".md"}, {"a.txt", "b"}, {"a.txt>a.md", "b>b.md"}},
    {"name-case/upper", {"--name-case", "upper"}, {"Ab c.txt"}, {"Ab c.txt>AB C.txt"}},
    {"name-case/lower", {"--name-case", "lower"}, {"AbC.TXT"}, {"AbC.TXT>abc.TXT"}},
    {"name-case/capitalize", {"--name-case", "capitalize"}, {"hELLO.txt"},
     {"hELLO.txt>Hello.txt"}},
    {"ext-case/upper", {"--ext-case", "upper"}, {"a.txt"}, {"a.txt>a.TXT"}},
    {"ext-case/lower", {"--ext-case", "lower"}, {"A.JPG"}, {"A.JPG>A.jpg"}},
    {"ext-case/capitalize", {"--ext-case", "capitalize"}, {"a.JPEG"}, {"a.JPEG>a.Jpeg"}},
    {"convert/half-to-full", {"--convert", "half-to-full"}, {"ab 1.txt"},
     {"ab 1.txt>ａｂ　１.txt"}},
    {"convert/full-to-half", {"--convert", "full-to-half"}, {"ａｂ１.txt"},
     {"ａｂ１.txt>ab1.txt"}},
    {"convert/hira-to-kata", {"--convert", "hira-to-kata"}, {"あいう.txt"},
     {"あいう.txt>アイウ.txt"}},
    {"convert/kata-to-hira", {"--convert", "kata-to-hira"}, {"アイウ.txt"},
     {"アイウ.txt>あいう.txt"}},
    {"convert/trim", {"--convert", "trim"}, {" a .txt"}, {" a .txt>a.txt"}},
    // Move tab.
    {"move-bracket/to-end", {"--move-bracket", "[]", "--to", "end"}, {"[x]abc.txt"},
     {"[x]abc.txt>abc[x].txt"}},
    {"move/to-start", {"--move", "X", "--to", "start"}, {"abXc.txt"}, {"abXc.txt>Xabc.txt"}},
    {"move/ignores-case", {"--move", "x", "--to", "start"}, {"abXc.txt"},
     {"abXc.txt>Xabc.txt"}},
    // Regular expressions.
    {"perl/substitute", {"--perl", "s/b+/B/"}, {"abbc.txt"}, {"abbc.txt>aBc.txt"}},
    {"perl/substitute-global", {"--perl", "s/[0-9]/#/g"}, {"a1b2.txt"},
     {"a1b2.txt>a#b#.txt"}},
    {"perl/transliterate", {"--perl", "tr/a-c/A-C/"}, {"abcd.txt"}, {"abcd.txt>ABCd.txt"}},
    {"awk/first", {"--awk", "[0-9]+", "--template", "(&)"}, {"a1b22.txt"},
     {"a1b22.txt>a(1)b22.txt"}},
    {"awk/all", {"--awk", "[0-9]+", "--template", "(&)", "--all"}, {"a1b22.txt"},
     {"a1b22.txt>a(1)b(22).txt"}},
    // The exclusion condition leaves matching names alone.
    {"not/excludes", {"--add", "X", "--not", "keep"}, {"a.txt", "a_KEEP.txt"},
     {"a.txt>Xa.txt"}},
    {"not/case-sensitive", {"--add", "X", "--not", "keep", "--not-case"}, {"a_KEEP.txt"},
     {"a_KEEP.txt>Xa_KEEP.txt"}},
};

class CliRuleTable : public TCliTest, public ::testing::WithParamInterface<TRuleCase> {};

TEST_P(CliRuleTable, PreviewGivesTheRuleNames) {
  const TRuleCase& c = GetParam();
  const TCliRun run = Preview(c.Rule, JoinLines(c.Input));
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, ExpectedRows(c.Renamed)) << run.Err;
}

std::string CaseName(const ::testing::TestParamInfo<TRuleCase>& info) {
  std::string name = info.param.Name;
  for (char& ch : name) {
    if (ch == '/' || ch == '-') ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Rules, CliRuleTable, ::testing::ValuesIn(kRuleCases), CaseName);

// The rule's description goes to stderr, never into the rows.
TEST_F(TCliTest, DescriptionIsOnStderr) {
  const TCliRun run = Preview({"--replace", "a", "x"}, "a.txt\n");
  EXPECT_EQ(run.Out, "a.txt\tx.txt\t.\t\n");
  EXPECT_NE(run.Err.find("文字列を置換"), std::string::npos) << run.Err;
}

// A name whose double-byte characters carry a 0x5C trail byte holds no backslash.
TEST_F(TCliTest, BackslashNeverMatchesATrailByte) {
  const TCliRun run = Preview({"--replace", "\\", "_"}, "ソ表.txt\n");
  EXPECT_EQ(run.Code, 1) << run.Out;
  EXPECT_EQ(run.Out, "");
}

}  // namespace
}  // namespace nalo::cli::test
