// preview --names-from: a pure text filter. Names are read as they are (only the
// line end goes), the disk is never touched, clashes are looked for among the
// batch's own rows, and input order is kept unless --sort is given.
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"

namespace nalo::cli::test {
namespace {

struct TNamesCase {
  const char* Name;
  std::vector<std::string> Args;
  std::string Input;
  std::string Out;
};

// Failures and test lists show the case by its name.
void PrintTo(const TNamesCase& c, std::ostream* os) { *os << c.Name; }

const TNamesCase kNamesCases[] = {
    {"spaces-kept", {"--add", "X", "--no-trim"}, "  a b .txt\n", "  a b .txt\tX  a b .txt\t.\t\n"},
    {"crlf-line-ends", {"--add", "X"}, "a.txt\r\nb.txt\r\n", "a.txt\tXa.txt\t.\t\nb.txt\tXb.txt\t.\t\n"},
    {"last-line-without-end", {"--add", "X"}, "a.txt", "a.txt\tXa.txt\t.\t\n"},
    {"empty-lines-skipped", {"--add", "X"}, "\na.txt\n\n", "a.txt\tXa.txt\t.\t\n"},
    {"input-order-kept", {"--add", "X"}, "b.txt\na.txt\n", "b.txt\tXb.txt\t.\t\na.txt\tXa.txt\t.\t\n"},
    {"sorted-on-request", {"--add", "X", "--sort", "name"}, "b.txt\na.txt\n",
     "a.txt\tXa.txt\t.\t\nb.txt\tXb.txt\t.\t\n"},
    {"desc-reverses-input", {"--add", "X", "--desc"}, "a.txt\nc.txt\nb.txt\n",
     "b.txt\tXb.txt\t.\t\nc.txt\tXc.txt\t.\t\na.txt\tXa.txt\t.\t\n"},
    {"sort-desc", {"--add", "X", "--sort", "name", "--desc"}, "a.txt\nc.txt\nb.txt\n",
     "c.txt\tXc.txt\t.\t\nb.txt\tXb.txt\t.\t\na.txt\tXa.txt\t.\t\n"},
    {"forbidden-characters-accepted", {"--replace", "a", "b"}, "a:?.txt\n",
     "a:?.txt\tb:?.txt\t.\tinvalid\n"},
    {"case-only-difference-is-no-duplicate", {"--replace", "1", "2"}, "x1.txt\nX1.TXT\n",
     "x1.txt\tx2.txt\t.\t\nX1.TXT\tX2.TXT\t.\t\n"},
    {"duplicate-targets", {"--number", "P"}, "a.txt\nb.jpg\nc.txt\n",
     "a.txt\tP1.txt\t.\t\nb.jpg\tP2.jpg\t.\t\nc.txt\tP3.txt\t.\t\n"},
    {"same-new-name-twice", {"--brackets", "()", "delete-with-content"}, "a(1).txt\na(2).txt\n",
     "a(1).txt\ta.txt\t.\t\na(2).txt\ta.txt\t.\tduplicate\n"},
    {"too-long", {"--add", std::string(200, 'x')}, std::string(60, 'y') + ".txt\n",
     std::string(60, 'y') + ".txt\t" + std::string(200, 'x') + std::string(60, 'y') +
         ".txt\t.\ttoo-long\n"},
};

class CliNamesTable : public TCliTest, public ::testing::WithParamInterface<TNamesCase> {};

TEST_P(CliNamesTable, PreviewReadsNamesAsText) {
  const TNamesCase& c = GetParam();
  const TCliRun run = Preview(c.Args, c.Input);
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, c.Out) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(NamesFrom, CliNamesTable, ::testing::ValuesIn(kNamesCases),
                         [](const ::testing::TestParamInfo<TNamesCase>& info) {
                           std::string name = info.param.Name;
                           for (char& ch : name) ch = ch == '-' ? '_' : ch;
                           return name;
                         });

// Names that exist on disk are neither renamed nor consulted: a target taken on
// disk is no clash for a list of names.
TEST_F(TCliTest, NamesFromNeverTouchesTheDisk) {
  MakeFile("a.txt", "A");
  MakeFile("b.txt", "B");
  TCliCall call;
  call.Args = {"preview", "--names-from", "-", "--replace", "a", "b"};
  call.Stdin = "a.txt\n";
  call.WorkDir = Dir();
  call.Env["NALO_SETTINGS_DIR"] = Settings();
  const TCliRun run = RunCli(call);
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "a.txt\tb.txt\t.\t\n");
  EXPECT_EQ(DirNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(Content("a.txt"), "A");

  // A name of the list that keeps its name does take its target.
  call.Stdin = "a.txt\nb.txt\n";
  call.Args = {"preview", "--names-from", "-", "--replace", "b", "a"};
  EXPECT_EQ(RunCli(call).Out, "b.txt\ta.txt\t.\texists\n");
}

TEST_F(TCliTest, NamesFromAFile) {
  std::ofstream(Root() + "/names.txt") << "a.txt\n";
  const TCliRun run = Run({"preview", "--names-from", "names.txt", "--add", "X"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "a.txt\tXa.txt\t.\t\n");
}

TEST_F(TCliTest, NamesFromAMissingFileIsAUsageError) {
  const TCliRun run = Run({"preview", "--names-from", "missing.txt", "--add", "X"});
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find("missing.txt"), std::string::npos) << run.Err;
}

TEST_F(TCliTest, NoNamesIsNothingToRename) {
  const TCliRun run = Preview({"--add", "X"}, "");
  EXPECT_EQ(run.Code, 1);
  EXPECT_NE(run.Err.find("該当するファイルがありません。"), std::string::npos) << run.Err;
}

TEST_F(TCliTest, NamesAndArgumentsBeyondShiftJisAreKept) {
  const TCliRun run = Preview({"--add", "é"}, "😀.txt\n");
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "😀.txt\té😀.txt\t.\t\n");
}

}  // namespace
}  // namespace nalo::cli::test
