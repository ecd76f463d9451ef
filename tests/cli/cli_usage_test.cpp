// Exit codes and messages: 2 for every usage error (the parser's own included)
// and for the rules' validation messages, 1 when nothing would change, 0 for
// help. Each row names the case, the arguments, the code and a text stderr holds.
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"

namespace nalo::cli::test {
namespace {

struct TUsageCase {
  const char* Name;
  std::vector<std::string> Args;
  int Code;
  std::string ErrHas;  // a text standard error must hold
};

// Failures and test lists show the case by its name.
void PrintTo(const TUsageCase& c, std::ostream* os) { *os << c.Name; }

// Runs with standard input "a.txt\n" so --names-from - has a name.
const TUsageCase kUsageCases[] = {
    // The parser's own errors.
    {"no-subcommand", {}, 2, "subcommand"},
    {"unknown-subcommand", {"rename"}, 2, ""},
    {"unknown-option", {"list", "d", "--bogus"}, 2, "--bogus"},
    {"missing-dir", {"list"}, 2, "DIR"},
    {"bad-encoding", {"list", "d", "--encoding", "latin1"}, 2, "--encoding"},
    {"bad-sort", {"list", "d", "--sort", "colour"}, 2, "--sort"},
    {"replace-needs-two", {"preview", "--names-from", "-", "--replace", "a"}, 2, "--replace"},
    // Our own checks.
    {"dir-and-names", {"preview", "d", "--names-from", "-", "--add", "X"}, 2, "--names-from"},
    {"no-rule", {"preview", "--names-from", "-"}, 2, "ルールを一つ指定してください"},
    {"two-rules",
     {"preview", "--names-from", "-", "--add", "X", "--perl", "s/a/b/"},
     2,
     "ルールは一つだけ指定してください"},
    {"not-a-bracket-pair",
     {"preview", "--names-from", "-", "--brackets", "(]", "()"},
     2,
     "--brackets"},
    {"count-too-big",
     {"preview", "--names-from", "-", "--replace-with-spaces", "a", "--count", "21"},
     2,
     "--count"},
    {"digits-too-many",
     {"preview", "--names-from", "-", "--number", "P", "--digits", "6"},
     2,
     "--digits"},
    {"start-too-big",
     {"preview", "--names-from", "-", "--number", "P", "--start", "100"},
     2,
     "--start"},
    {"unknown-position",
     {"preview", "--names-from", "-", "--add", "X", "--at", "middle"},
     2,
     "middle"},
    {"after-ext-for-folders",
     {"preview", "--names-from", "-", "--folders", "--add", "X", "--at", "after-ext"},
     2,
     "after-ext"},
    {"move-without-to", {"preview", "--names-from", "-", "--move", "a"}, 2, "--to"},
    {"awk-without-template", {"preview", "--names-from", "-", "--awk", "a"}, 2, "--template"},
    {"bad-date", {"list", "d", "--since", "2024-13-01"}, 2, "--since"},
    {"missing-folder", {"list", "nowhere"}, 2, "nowhere"},
    {"add-info-reads-no-names",
     {"preview", "--names-from", "-", "--add-info", "date"},
     2,
     "--names-from"},
    // The rules' validation messages.
    {"replace-same",
     {"preview", "--names-from", "-", "--replace", "x", "x"},
     2,
     "置換文字列が同じですYO !"},
    {"replace-empty-new",
     {"preview", "--names-from", "-", "--replace", "x", ""},
     2,
     "文字列が入力されていません。"},
    {"brackets-same",
     {"preview", "--names-from", "-", "--brackets", "()", "()"},
     2,
     "置換文字列が同じですYO !"},
    {"add-empty",
     {"preview", "--names-from", "-", "--add", ""},
     2,
     "追加文字列が入力されていません。"},
    {"add-empty-anchor",
     {"preview", "--names-from", "-", "--add", "X", "--at", "before:"},
     2,
     "任意文字列が入力されていません。"},
    {"perl-syntax",
     {"preview", "--names-from", "-", "--perl", "s/(/x/"},
     2,
     "正規表現を確認してください。"},
    {"awk-syntax",
     {"preview", "--names-from", "-", "--awk", "(", "--template", "x"},
     2,
     "右(閉じ)括弧が必要です"},
    // Nothing to rename.
    {"nothing-changes",
     {"preview", "--names-from", "-", "--replace", "q", "x"},
     1,
     "該当するファイルがありません。"},
    // Help and version.
    {"help", {"--help"}, 0, ""},
    {"version", {"--version"}, 0, ""},
};

class CliUsageTable : public TCliTest, public ::testing::WithParamInterface<TUsageCase> {};

TEST_P(CliUsageTable, ExitCodeAndMessage) {
  const TUsageCase& c = GetParam();
  const TCliRun run = Run(c.Args, "a.txt\n");
  EXPECT_EQ(run.Code, c.Code) << run.Err;
  EXPECT_NE(run.Err.find(c.ErrHas), std::string::npos) << run.Err;
  if (c.Code != 0) {
    EXPECT_EQ(run.Out, "");
  }
}

INSTANTIATE_TEST_SUITE_P(Usage, CliUsageTable, ::testing::ValuesIn(kUsageCases),
                         [](const ::testing::TestParamInfo<TUsageCase>& info) {
                           std::string name = info.param.Name;
                           for (char& ch : name) ch = ch == '-' ? '_' : ch;
                           return name;
                         });

// Every subcommand has help with examples on stdout.
class CliHelp : public TCliTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CliHelp, ShowsExamples) {
  const TCliRun run = Run({GetParam(), "--help"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_NE(run.Out.find("Example"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find(std::string("nalo-cli ") + GetParam()), std::string::npos) << run.Out;
}

INSTANTIATE_TEST_SUITE_P(Subcommands, CliHelp,
                         ::testing::Values("list", "preview", "apply", "undo", "info"));

// A value that begins with "-" is given as --option=VALUE.
TEST_F(TCliTest, DashValuesWithEquals) {
  const TCliRun add = Preview({"--add=-x-"}, "a.txt\n");
  EXPECT_EQ(add.Code, 0) << add.Err;
  EXPECT_EQ(add.Out, "a.txt\t-x-a.txt\t.\t\n");
  const TCliRun replace = Preview({"--replace=-a", "b"}, "x-a.txt\n");
  EXPECT_EQ(replace.Code, 0) << replace.Err;
  EXPECT_EQ(replace.Out, "x-a.txt\txb.txt\t.\t\n");
}

// Global options are accepted before and after the subcommand.
TEST_F(TCliTest, GlobalOptionsOnEitherSide) {
  MakeFile("a.txt");
  const std::string other = Root() + "/other";
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--settings-dir", other, "--encoding", "utf8", "apply", "d", "--add", "X", "--yes"},
           {"undo", "--yes", "--settings-dir", other, "--encoding", "utf8"}}) {
    const TCliRun run = Run(args);
    EXPECT_EQ(run.Code, 0) << run.Err;
  }
  EXPECT_EQ(DirNames(), std::vector<std::string>{"a.txt"});
  // The journal went to the folder given, not to NALO_SETTINGS_DIR.
  EXPECT_EQ(Run({"undo", "--yes"}).Code, 1);
}

// The position of a faulty pattern character follows the message.
TEST_F(TCliTest, PatternErrorShowsItsPosition) {
  const TCliRun run = Preview({"--awk", "ab(", "--template", "x"}, "a.txt\n");
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find("位置: "), std::string::npos) << run.Err;
}

}  // namespace
}  // namespace nalo::cli::test
