// nalo-cli against other processes and odd disks: another batch holding the
// settings folder, a batch killed half way, a folder moved before undo, failures
// inside a renamed folder, names that would break tab-separated lines, named
// pipes in place of settings files, and ".." after a link.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "execution/apply_renames.h"
#include "execution/batch_history.h"
#include "execution/child_process.h"
#include "execution/execution_messages.h"

namespace nalo::cli::test {
namespace {

using Names = std::vector<std::string>;

TEST_F(TCliTest, ApplyWhileAnotherBatchHoldsTheSettingsFolderIsRefused) {
  MakeFile("a.txt", "A");
  const TJournalLock other(Settings());  // another batch at work
  ASSERT_TRUE(other.Held());
  const TCliRun run = Run({"apply", "d", "--add", "X", "--yes"});
  EXPECT_EQ(run.Code, 2) << run.Err;
  EXPECT_NE(run.Err.find("別のリネームまたは元に戻す処理が実行中"), std::string::npos) << run.Err;
  EXPECT_EQ(DirNames(), (Names{"a.txt"}));
  const TCliRun undo = Run({"undo", "--yes"});
  EXPECT_EQ(undo.Code, 1) << undo.Err;  // no journal yet: nothing to wait for
}

// A batch killed after its first rename: apply refuses and names both ways out;
// undo brings the folder back, after which apply runs again.
TEST_F(TCliTest, KilledBatchMustBeUndoneOrDiscardedFirst) {
  for (const bool discard : {false, true}) {
    for (const std::string& folder : {Dir(), Settings()}) {
      std::filesystem::remove_all(folder);
      std::filesystem::create_directory(folder);
    }
    MakeFile("1", "one");
    MakeFile("2", "two");
    TEntryList entries;
    TConfirmationList rows;
    for (const char* n : {"1", "2"}) {
      TListData e;
      e.Name = n;
      e.Location = Dir() + "/";
      rows.push_back({static_cast<std::uint32_t>(entries.Count()), false, std::string(n) + "x"});
      entries.Add(e);
    }
    nalo::testing::TChild killed([&](nalo::testing::TChild&) {
      TBatchOptions options;
      options.JournalFolder = Settings();
      options.AfterStep = [](std::size_t) { _exit(0); };
      ApplyRenames(entries, rows, {}, options);
      return 1;
    });
    ASSERT_EQ(killed.Wait(), 0);
    ASSERT_EQ(DirNames().size(), 2u);

    const TCliRun refused = Run({"apply", "d", "--add", "X", "--yes"});
    EXPECT_EQ(refused.Code, 2) << refused.Err;
    EXPECT_NE(refused.Err.find("nalo-cli undo --discard"), std::string::npos) << refused.Err;
    const Names half = DirNames();

    if (discard) {
      const TCliRun dropped = Run({"undo", "--discard"});
      EXPECT_EQ(dropped.Code, 0) << dropped.Err;
      EXPECT_EQ(DirNames(), half);
      EXPECT_EQ(Run({"undo", "--yes"}).Code, 1);
    } else {
      const TCliRun undo = Run({"undo", "--yes"});
      EXPECT_EQ(undo.Code, 0) << undo.Err;
      EXPECT_EQ(DirNames(), (Names{"1", "2"}));
    }
    const TCliRun again = Run({"apply", "d", "--add", "X", "--yes"});
    EXPECT_EQ(again.Code, 0) << again.Err;
  }
}

// Undo restores nothing while the folder is elsewhere: it says so with exit 3 and
// keeps the batch, which a later undo then restores.
TEST_F(TCliTest, UndoOfAMovedFolderFailsAndCanBeRepeated) {
  MakeFile("a.txt", "A");
  ASSERT_EQ(Run({"apply", "d", "--add", "X", "--yes"}).Code, 0);
  std::filesystem::rename(Dir(), Root() + "/moved");
  const TCliRun lost = Run({"undo", "--yes"});
  EXPECT_EQ(lost.Code, 3) << lost.Err;
  EXPECT_NE(lost.Err.find(": 0 個を元に戻しました。\n1 個は戻せませんでした。"), std::string::npos)
      << lost.Err;
  std::filesystem::rename(Root() + "/moved", Dir());
  const TCliRun undo = Run({"undo", "--yes"});
  EXPECT_EQ(undo.Code, 0) << undo.Err;
  EXPECT_EQ(DirNames(), (Names{"a.txt"}));
}

// A folder renamed in the same batch as a failing item inside it: the failure is
// still listed, under the path the item had when the batch began.
TEST_F(TCliTest, FailureInsideARenamedFolderIsListed) {
  std::filesystem::create_directories(Dir() + "/D/E");
  MakeFile("D/E_x", "a file in the way");
  const TCliRun run =
      Run({"apply", "d", "--folders", "--recursive", "--add", "_x", "--at", "end", "--yes"});
  EXPECT_EQ(run.Code, 3) << run.Err;
  EXPECT_NE(run.Err.find("リネーム失敗: " + Dir() + "/D/E → E_x"), std::string::npos) << run.Err;
  EXPECT_TRUE(std::filesystem::exists(Dir() + "/D_x/E"));
}

TEST_F(TCliTest, TabSeparatedOutputEscapesNamesAndNullKeepsThemRaw) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"tab\there", "tab\\there"},
      {"line\nfeed", "line\\nfeed"},
      {"cr\rhere", "cr\\rhere"},
      {"esc\x1b[31mred", "esc\\x1B[31mred"},
      {"back\\slash", "back\\\\slash"},
      {"del\x7f", "del\\x7F"},
      {"\xE8\xA1\xA8\\\tx", "\xE8\xA1\xA8\\\\\\tx"},  // 表, backslash, TAB
  };
  for (const auto& [name, shown] : cases) MakeFile(name, "x");
  const TCliRun list = Run({"list", "d", "--sort", "name"});
  ASSERT_EQ(list.Code, 0) << list.Err;
  const std::vector<std::string> lines = Lines(list.Out);
  ASSERT_EQ(lines.size(), cases.size()) << list.Out;
  for (const auto& [name, shown] : cases) {
    bool found = false;
    for (const std::string& line : lines) found = found || line.rfind(shown + "\t", 0) == 0;
    EXPECT_TRUE(found) << shown << "\n" << list.Out;
  }
  EXPECT_EQ(list.Out.find('\x1b'), std::string::npos);
  // In code page 932 the second byte of 表 is 0x5C and stays as it is.
  const TCliRun cp932 = Run({"--encoding", "cp932", "list", "d", "--sort", "name"});
  ASSERT_EQ(cp932.Code, 0) << cp932.Err;
  EXPECT_NE(cp932.Out.find("\x95\x5C\\\\\\tx\t"), std::string::npos) << cp932.Out;

  const TCliRun preview = Run({"preview", "d", "--replace", "here", "there"});
  ASSERT_EQ(preview.Code, 0) << preview.Err;
  EXPECT_NE(preview.Out.find("tab\\there\ttab\\tthere\t" + Dir() + "\tinvalid\n"),
            std::string::npos)
      << preview.Out;

  const TCliRun raw = Run({"list", "d", "--null", "--sort", "name"});
  ASSERT_EQ(raw.Code, 0) << raw.Err;
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end; (end = raw.Out.find('\0', start)) != std::string::npos; start = end + 1) {
    fields.push_back(raw.Out.substr(start, end - start));
  }
  EXPECT_EQ(start, raw.Out.size());
  ASSERT_EQ(fields.size(), 4 * cases.size());
  for (const auto& [name, shown] : cases) {
    bool found = false;
    for (std::size_t i = 0; i < fields.size(); i += 4) found = found || fields[i] == name;
    EXPECT_TRUE(found) << shown;
  }
  EXPECT_EQ(Run({"list", "d", "--null", "--format", "json"}).Code, 2);
}

// A named pipe where a settings or codec file belongs is never opened for
// reading (that would wait for a writer forever): Nalo.ini gets a message and
// the defaults are used.
TEST_F(TCliTest, NamedPipesInPlaceOfSettingsFilesDoNotHang) {
  MakeFile("a b.txt");
  ASSERT_EQ(mkfifo((Settings() + "/Nalo.ini").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((Settings() + "/codecs.dat").c_str(), 0600), 0);
  const TCliRun preview = Run({"preview", "d", "--replace", " ", "_"});
  EXPECT_EQ(preview.Code, 0) << preview.Err;
  EXPECT_NE(preview.Err.find(Settings() + "/Nalo.ini"), std::string::npos) << preview.Err;
  EXPECT_NE(preview.Out.find("a_b.txt"), std::string::npos);
  const TCliRun info = Run({"info", "avi", Dir() + "/a b.txt"});
  EXPECT_NE(info.Code, -1);
}

// "link/.." is the folder above the link's target, as the file system sees it.
TEST_F(TCliTest, DotDotAfterALinkIsResolvedOnTheDisk) {
  std::filesystem::create_directories(Root() + "/lk/X");
  std::filesystem::create_directories(Root() + "/other/target");
  std::ofstream(Root() + "/other/in-other.txt") << "x";
  std::ofstream(Root() + "/lk/X/in-x.txt") << "x";
  std::filesystem::create_directory_symlink(Root() + "/other/target", Root() + "/lk/X/link");
  const TCliRun run = Run({"list", "lk/X/link/.."});
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out.rfind("in-other.txt\t", 0), 0u) << run.Out;
  EXPECT_NE(run.Out.find("\t" + Root() + "/other/\n"), std::string::npos) << run.Out;
}

}  // namespace
}  // namespace nalo::cli::test
