// Settings files as the desktop program writes them (CP932, CRLF, quoted
// strings): --from-settings runs the saved rule, every other rule option ignores
// the saved state, and the saved trim option holds for all rules.
#include <ostream>
#include <string>

#include "cli/cli_fixture.h"

namespace nalo::cli::test {
namespace {

// 表 in CP932; its trail byte is a backslash.
const std::string kHyo = "\x95\x5C";

// A replace tab saved with "表" -> "_", case-sensitive, first occurrence only.
const std::string kReplaceTab =
    "[Option]\r\nOStsIdx=1\r\nStrOldStr=\"" + kHyo + "\"\r\nStrNewStr=\"_\"\r\n"
    "StrOKCHK=1\r\nStrFMuchCHK=1\r\n";

TEST_F(TCliTest, FromSettingsRunsTheSavedReplaceRule) {
  WriteSettingsFile("Nalo_Tab2.ini", kReplaceTab);
  const TCliRun run = Preview({"--from-settings", "replace"}, "表a表.txt\n");
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "表a表.txt\t_a表.txt\t.\t\n");
  EXPECT_NE(run.Err.find("文字列を置換：\"表\"→\"_\""), std::string::npos) << run.Err;
}

TEST_F(TCliTest, FromSettingsWithoutAFileUsesTheDefaults) {
  const TCliRun run = Preview({"--from-settings", "replace"}, "a.txt\n");
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find("置換文字列が同じですYO !"), std::string::npos) << run.Err;
}

// The saved case and first-only boxes do not leak into --replace.
TEST_F(TCliTest, RuleOptionsIgnoreTheSavedState) {
  WriteSettingsFile("Nalo_Tab2.ini", kReplaceTab);
  const TCliRun run = Preview({"--replace", "a", "x"}, "AaA.txt\n");
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "AaA.txt\txxx.txt\t.\t\n");
}

struct TTrimCase {
  const char* Name;
  std::string NaloIni;
  std::vector<std::string> Extra;
  std::string NewName;
};

// Failures and test lists show the case by its name.
void PrintTo(const TTrimCase& c, std::ostream* os) { *os << c.Name; }

const TTrimCase kTrimCases[] = {
    {"on-by-default", "", {}, "a.txt"},
    {"off-in-settings", "[SpaceOption]\r\nStrTrim=0\r\n", {}, "a .txt"},
    {"off-by-option", "", {"--no-trim"}, "a .txt"},
    {"off-by-option-too", "[SpaceOption]\r\nStrTrim=1\r\n", {"--no-trim"}, "a .txt"},
};

class CliTrimTable : public TCliTest, public ::testing::WithParamInterface<TTrimCase> {};

TEST_P(CliTrimTable, TrimFollowsSettingsAndOption) {
  const TTrimCase& c = GetParam();
  if (!c.NaloIni.empty()) WriteSettingsFile("Nalo.ini", c.NaloIni);
  std::vector<std::string> rule = {"--replace-with-spaces", "x", "--first-only"};
  rule.insert(rule.end(), c.Extra.begin(), c.Extra.end());
  const TCliRun run = Preview(rule, "ax.txt\n");
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "ax.txt\t" + c.NewName + "\t.\t\n");
}

INSTANTIATE_TEST_SUITE_P(Trim, CliTrimTable, ::testing::ValuesIn(kTrimCases),
                         [](const ::testing::TestParamInfo<TTrimCase>& info) {
                           std::string name = info.param.Name;
                           for (char& ch : name) ch = ch == '-' ? '_' : ch;
                           return name;
                         });

// The saved case box of the exclusion condition applies to a saved rule.
TEST_F(TCliTest, FromSettingsTakesTheSavedExclusionCase) {
  WriteSettingsFile("Nalo_Tab3.ini", "[Option]\r\nAStsIdx=0\r\nStr1=\"X\"\r\nALIdx=0\r\n");
  WriteSettingsFile("Nalo.ini", "[NotCheck]\r\nCheck=1\r\nOK=1\r\n");
  const TCliRun run =
      Preview({"--from-settings", "add", "--not", "KEEP"}, "a_keep.txt\nb_KEEP.txt\n");
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "a_keep.txt\tXa_keep.txt\t.\t\n");
}

}  // namespace
}  // namespace nalo::cli::test
