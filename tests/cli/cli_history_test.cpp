// nalo-cli history and the stepwise undo on a real folder, through real nalo-cli
// processes: batches undone one after another, a step whose target changed, a
// batch left pending by a passing failure, and the listing in every format.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"

namespace nalo::cli::test {
namespace {

using Contents = std::map<std::string, std::string>;
using States = std::vector<std::string>;

class TCliHistoryTest : public TCliTest {
 protected:
  // name -> content of every file in the folder.
  Contents Folder() const {
    Contents files;
    for (const std::string& name : DirNames()) files[name] = Content(name);
    return files;
  }
  // The state column of each row of nalo-cli history, newest first.
  std::vector<std::string> StateColumn() {
    std::vector<std::string> states;
    for (const std::string& line : Lines(Run({"history"}).Out)) {
      states.push_back(line.substr(line.rfind('\t') + 1));
    }
    return states;
  }
};

// A replace, then a numbering, then a case change; each undo takes the newest
// batch left and the folder comes back byte for byte.
TEST_F(TCliHistoryTest, ThreeBatchesUndoneInTurnRestoreTheNames) {
  MakeFile("[tag] 写真 1.jpg", "photo one");
  MakeFile("[tag] 写真 2.jpg", "photo two");
  MakeFile("メモ ①.txt", "memo");
  std::vector<Contents> before = {Folder()};
  const std::vector<std::vector<std::string>> batches = {
      {"--replace", " ", "_"}, {"--number", "P", "--digits", "2"}, {"--ext-case", "upper"}};
  for (const auto& rule : batches) {
    std::vector<std::string> args = {"apply", "d", "--yes"};
    args.insert(args.end(), rule.begin(), rule.end());
    const TCliRun run = Run(args);
    ASSERT_EQ(run.Code, 0) << run.Err;
    before.push_back(Folder());
  }
  EXPECT_EQ(before.back(),
            (Contents{{"P01.JPG", "photo one"}, {"P02.JPG", "photo two"}, {"P03.TXT", "memo"}}));
  EXPECT_EQ(StateColumn(), (States{"finished", "finished", "finished"}));
  const std::vector<States> after = {{"undone", "finished", "finished"},
                                     {"undone", "undone", "finished"},
                                     {"undone", "undone", "undone"}};
  for (std::size_t k = 0; k < 3; ++k) {
    const TCliRun undo = Run({"undo", "--yes"});
    EXPECT_EQ(undo.Code, 0) << undo.Err;
    EXPECT_NE(undo.Err.find("バッチ " + std::to_string(k + 1) + "（"), std::string::npos)
        << undo.Err;
    EXPECT_EQ(Folder(), before[2 - k]) << k;
    EXPECT_EQ(StateColumn(), after[k]) << k;
  }
  const TCliRun none = Run({"undo", "--yes"});
  EXPECT_EQ(none.Code, 1) << none.Err;
  EXPECT_EQ(Folder(), before[0]);
}

// The newest batch's target now holds another file: that step is given up and
// reported (exit 3), the batch counts as partly undone, and the batch before it
// is undone in full by the next undo.
TEST_F(TCliHistoryTest, ChangedTargetIsSkippedAndOlderBatchesStayUndoable) {
  MakeFile("x1.dat", "x1");
  MakeFile("k.dat", "k");
  ASSERT_EQ(Run({"apply", "d", "--replace", "x", "y", "--yes"}).Code, 0);
  ASSERT_EQ(Run({"apply", "d", "--add", "Z", "--yes"}).Code, 0);
  std::filesystem::create_directory(Root() + "/aside");
  std::filesystem::rename(Dir() + "/Zk.dat", Root() + "/aside/Zk.dat");
  MakeFile("Zk.dat", "someone else's");

  const TCliRun first = Run({"undo", "--yes"});
  EXPECT_EQ(first.Code, 3) << first.Err;
  EXPECT_NE(first.Err.find(Dir() + "/Zk.dat は別の項目に置き換わったか、なくなっています。"),
            std::string::npos)
      << first.Err;
  EXPECT_NE(first.Err.find(": 1 個を元に戻しました。\n1 個は元の場所に別の項目があるか"),
            std::string::npos)
      << first.Err;
  EXPECT_EQ(Folder(), (Contents{{"Zk.dat", "someone else's"}, {"y1.dat", "x1"}}));
  EXPECT_EQ(StateColumn(), (States{"partly-undone", "finished"}));

  const TCliRun second = Run({"undo", "--yes"});
  EXPECT_EQ(second.Code, 0) << second.Err;
  EXPECT_NE(second.Err.find("バッチ 2（"), std::string::npos) << second.Err;
  EXPECT_EQ(Folder(), (Contents{{"Zk.dat", "someone else's"}, {"x1.dat", "x1"}}));
  EXPECT_EQ(StateColumn(), (States{"partly-undone", "undone"}));
}

// An old name taken since is a passing reason: the batch stays pending and the
// next undo tries it again first; --discard gives it up so that undo goes past it.
TEST_F(TCliHistoryTest, PassingFailureKeepsTheBatchPendingUntilRetriedOrDiscarded) {
  MakeFile("p.txt", "p");
  MakeFile("q.txt", "q");
  ASSERT_EQ(Run({"apply", "d", "--mask", "p*", "--add", "P_", "--yes"}).Code, 0);
  ASSERT_EQ(Run({"apply", "d", "--mask", "q*", "--add", "Q_", "--yes"}).Code, 0);
  MakeFile("q.txt", "in the way");
  for (int attempt = 0; attempt < 2; ++attempt) {
    const TCliRun pending = Run({"undo", "--yes"});
    EXPECT_EQ(pending.Code, 3) << pending.Err;
    EXPECT_NE(pending.Err.find("バッチ 1（"), std::string::npos) << pending.Err;
    EXPECT_NE(pending.Err.find("1 個は戻せませんでした。"), std::string::npos) << pending.Err;
    EXPECT_EQ(StateColumn(), (States{"undo-pending", "finished"})) << attempt;
  }
  const TCliRun dropped = Run({"undo", "--discard"});
  EXPECT_EQ(dropped.Code, 0) << dropped.Err;
  EXPECT_EQ(StateColumn(), (States{"discarded", "finished"}));
  const TCliRun older = Run({"undo", "--yes"});
  EXPECT_EQ(older.Code, 0) << older.Err;
  EXPECT_EQ(Folder(), (Contents{{"Q_q.txt", "q"}, {"p.txt", "p"}, {"q.txt", "in the way"}}));
}

// The listing escapes the folder in TSV, writes it raw with --null, and gives
// objects with --format json; the column names go to standard error only.
TEST_F(TCliHistoryTest, HistoryListsEveryFormat) {
  EXPECT_EQ(Run({"history"}).Code, 1);
  const std::string folder = Dir() + "/tab\there";
  std::filesystem::create_directory(folder);
  std::ofstream(folder + "/a") << "a";
  ASSERT_EQ(Run({"apply", "d/tab\there", "--add", "b", "--yes"}).Code, 0);

  const TCliRun tsv = Run({"history"});
  EXPECT_EQ(tsv.Code, 0) << tsv.Err;
  const std::vector<std::string> row = Lines(tsv.Out);
  ASSERT_EQ(row.size(), 1u);
  EXPECT_EQ(row[0].substr(0, 2), "1\t");
  EXPECT_NE(row[0].find("\t" + Dir() + "/tab\\there\t1\tfinished"), std::string::npos) << row[0];
  EXPECT_EQ(tsv.Err, "番号\t日時\tフォルダ\t変更数\t状態\n");

  const TCliRun null = Run({"history", "--null"});
  EXPECT_EQ(std::count(null.Out.begin(), null.Out.end(), '\0'), 5);
  EXPECT_NE(null.Out.find(std::string("\0", 1) + folder +
                          std::string("\0"
                                      "1\0finished\0",
                                      12)),
            std::string::npos);

  const TCliRun json = Run({"history", "--format", "json"});
  EXPECT_NE(json.Out.find("\"folder\":\"" + Dir() +
                          "/tab\\u0009here\",\"renamed\":\"1\","
                          "\"state\":\"finished\"}"),
            std::string::npos)
      << json.Out;
  EXPECT_EQ(json.Err, "");
}

}  // namespace
}  // namespace nalo::cli::test
