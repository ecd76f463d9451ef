// apply and undo on a real temporary folder: which names exist afterwards, what
// the files hold, the exit code and the messages.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "execution/batch_history.h"

namespace nalo::cli::test {
namespace {

using Names = std::vector<std::string>;

TEST_F(TCliTest, ApplyThenUndoRestoresTheFolder) {
  MakeFile("a 1.txt", "one");
  MakeFile("b 2.txt", "two");
  const TCliRun apply = Run({"apply", "d", "--replace", " ", "_", "--yes"});
  EXPECT_EQ(apply.Code, 0) << apply.Err;
  EXPECT_EQ(apply.Out, "a 1.txt\ta_1.txt\t" + Dir() + "\t\nb 2.txt\tb_2.txt\t" + Dir() + "\t\n");
  EXPECT_EQ(DirNames(), (Names{"a_1.txt", "b_2.txt"}));
  EXPECT_EQ(Content("a_1.txt"), "one");

  const TCliRun undo = Run({"undo", "--yes"});
  EXPECT_EQ(undo.Code, 0) << undo.Err;
  EXPECT_EQ(DirNames(), (Names{"a 1.txt", "b 2.txt"}));
  EXPECT_EQ(Content("b 2.txt"), "two");

  const TCliRun again = Run({"undo", "--yes"});
  EXPECT_EQ(again.Code, 1) << again.Err;
  EXPECT_EQ(DirNames(), (Names{"a 1.txt", "b 2.txt"}));
}

// A relative folder is journaled by its absolute path, so undo works anywhere.
TEST_F(TCliTest, UndoFromAnotherWorkingFolder) {
  MakeFile("a.txt");
  ASSERT_EQ(Run({"apply", "./d/", "--add", "X", "--yes"}).Code, 0);
  ASSERT_EQ(DirNames(), (Names{"Xa.txt"}));
  TCliCall call;
  call.Args = {"undo", "--yes"};
  call.WorkDir = "/";
  call.Env["NALO_SETTINGS_DIR"] = Settings();
  const TCliRun undo = RunCli(call);
  EXPECT_EQ(undo.Code, 0) << undo.Err;
  EXPECT_EQ(DirNames(), (Names{"a.txt"}));
}

// A target taken on disk fails that row only; nothing is overwritten.
TEST_F(TCliTest, ApplyWithAClashFailsThatRowOnly) {
  MakeFile("a.txt", "A");
  MakeFile("b.txt", "B");
  MakeFile("ca.txt", "C");
  const TCliRun run = Run({"apply", "d", "--replace", "a", "b", "--yes"});
  EXPECT_EQ(run.Code, 3) << run.Err;
  EXPECT_NE(run.Out.find("a.txt\tb.txt\t" + Dir() + "\texists\n"), std::string::npos) << run.Out;
  EXPECT_NE(run.Err.find("1個、リネーム失敗しました。"), std::string::npos) << run.Err;
  EXPECT_NE(run.Err.find("リネーム失敗: " + Dir() + "/a.txt"), std::string::npos) << run.Err;
  EXPECT_EQ(DirNames(), (Names{"a.txt", "b.txt", "cb.txt"}));
  EXPECT_EQ(Content("a.txt"), "A");
  EXPECT_EQ(Content("b.txt"), "B");
  EXPECT_EQ(Content("cb.txt"), "C");
}

// Without a terminal to ask on, apply refuses unless --yes is given.
TEST_F(TCliTest, ApplyWithoutYesAndNoTerminalRenamesNothing) {
  MakeFile("a.txt");
  const TCliRun run = Run({"apply", "d", "--add", "X"}, "y\n");
  EXPECT_EQ(run.Code, 2);
  EXPECT_NE(run.Err.find("--yes"), std::string::npos) << run.Err;
  EXPECT_EQ(DirNames(), (Names{"a.txt"}));
}

TEST_F(TCliTest, ApplyWithNothingToRename) {
  MakeFile("a.txt");
  const TCliRun run = Run({"apply", "d", "--replace", "q", "x", "--yes"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_NE(run.Err.find("該当するファイルがありません。"), std::string::npos) << run.Err;
  EXPECT_EQ(run.Out, "");
}

// A batch cut short by a crash left a journal without its end line; undo still
// puts back the steps that were done and leaves the rest alone.
TEST_F(TCliTest, UndoAfterACrash) {
  MakeFile("new1.txt", "1");
  MakeFile("old2.txt", "2");
  struct stat one {
  }, two{};
  ASSERT_EQ(stat((Dir() + "/new1.txt").c_str(), &one), 0);
  ASSERT_EQ(stat((Dir() + "/old2.txt").c_str(), &two), 0);
  const std::string folder = Dir() + "/";
  TJournalPlan plan(folder);
  ASSERT_EQ(plan.Begin(Settings()), 0);
  plan.AddStep(one.st_dev, one.st_ino, TStepKind::Plain, folder, "old1.txt", folder, "new1.txt");
  plan.AddStep(two.st_dev, two.st_ino, TStepKind::Plain, folder, "old2.txt", folder, "new2.txt");
  ASSERT_EQ(plan.Commit(), 0);
  const TCliRun run = Run({"undo", "--yes"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(DirNames(), (Names{"old1.txt", "old2.txt"}));
  EXPECT_EQ(Content("old1.txt"), "1");
}

TEST_F(TCliTest, UndoWithoutAJournal) {
  const TCliRun run = Run({"undo", "--yes"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_NE(run.Err.find("元に戻せるリネームがありません。"), std::string::npos) << run.Err;
}

// Folder mode renames folders and leaves the files inside them alone.
TEST_F(TCliTest, ApplyInFolderMode) {
  std::filesystem::create_directory(Dir() + "/old");
  MakeFile("old/inner.txt", "x");
  MakeFile("file.txt");
  const TCliRun run = Run({"apply", "d", "--folders", "--replace", "old", "new", "--yes"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(DirNames(), (Names{"file.txt", "new"}));
  EXPECT_EQ(Content("new/inner.txt"), "x");
}

TEST_F(TCliTest, ApplySelectsByMaskAndSize) {
  MakeFile("a.jpg", "123456");
  MakeFile("b.jpg", "1");
  MakeFile("c.png", "123456");
  const TCliRun run =
      Run({"apply", "d", "--mask", "*.jpg", "--min-size", "2", "--add", "X", "--yes"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(DirNames(), (Names{"Xa.jpg", "b.jpg", "c.png"}));
}

}  // namespace
}  // namespace nalo::cli::test
