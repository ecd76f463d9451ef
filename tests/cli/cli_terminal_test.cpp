// apply at a terminal: it asks before renaming and honours the answer, and a
// long batch draws a progress bar. Without a terminal neither appears.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"

namespace nalo::cli::test {
namespace {

using Names = std::vector<std::string>;

class CliTerminalTest : public TCliTest {
 protected:
  TCliRun Answer(std::vector<std::string> args, const std::string& answer) {
    TCliCall call;
    call.Args = std::move(args);
    call.WorkDir = Root();
    call.Env["NALO_SETTINGS_DIR"] = Settings();
    return RunCliOnTerminal(call, "[y/N]", answer);
  }
};

TEST_F(CliTerminalTest, NoLeavesTheFolderAlone) {
  MakeFile("a.txt");
  const TCliRun run = Answer({"apply", "d", "--add", "X"}, "n\n");
  EXPECT_EQ(run.Code, 1) << run.Out;
  EXPECT_NE(run.Out.find("1 個の名前を変更しますか？"), std::string::npos) << run.Out;
  EXPECT_EQ(DirNames(), Names{"a.txt"});
}

TEST_F(CliTerminalTest, YesRenames) {
  MakeFile("a.txt");
  const TCliRun run = Answer({"apply", "d", "--add", "X"}, "y\n");
  EXPECT_EQ(run.Code, 0) << run.Out;
  EXPECT_EQ(DirNames(), Names{"Xa.txt"});
}

TEST_F(CliTerminalTest, UndoAsksToo) {
  MakeFile("a.txt");
  ASSERT_EQ(Run({"apply", "d", "--add", "X", "--yes"}).Code, 0);
  const TCliRun no = Answer({"undo"}, "n\n");
  EXPECT_EQ(no.Code, 1) << no.Out;
  // The question names the batch: its number, time, folder and count.
  EXPECT_NE(no.Out.find("バッチ 1（"), std::string::npos) << no.Out;
  EXPECT_NE(no.Out.find("、" + Dir() + "、1 個）を元に戻しますか？"), std::string::npos) << no.Out;
  EXPECT_EQ(DirNames(), Names{"Xa.txt"});
  const TCliRun yes = Answer({"undo"}, "y\n");
  EXPECT_EQ(yes.Code, 0) << yes.Out;
  EXPECT_EQ(DirNames(), Names{"a.txt"});
}

// Enough renames for the bar (it stays away from short batches).
constexpr int kLongBatch = 2500;

TEST_F(CliTerminalTest, LongBatchShowsProgressOnlyOnATerminal) {
  for (int i = 0; i < kLongBatch; ++i) std::ofstream(Dir() + "/f" + std::to_string(i));
  const TCliRun terminal = Answer({"apply", "d", "--add", "X"}, "y\n");
  EXPECT_EQ(terminal.Code, 0);
  EXPECT_NE(terminal.Out.find("100%"), std::string::npos);
  const TCliRun piped = Run({"undo", "--yes"});
  EXPECT_EQ(piped.Code, 0) << piped.Err;
  const TCliRun again = Run({"apply", "d", "--add", "X", "--yes"});
  EXPECT_EQ(again.Code, 0);
  EXPECT_EQ(again.Err.find("%"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(Dir() + "/Xf0"));
}

}  // namespace
}  // namespace nalo::cli::test
