// What nalo-cli prints: JSON that a strict reader accepts whatever the names
// hold, CP932 bytes in and out with --encoding cp932, the list columns, and the
// count of on-disk names that have no Shift-JIS form.
#include <sys/stat.h>
#include <sys/time.h>

#include <ctime>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "cli/json_check.h"

namespace nalo::cli::test {
namespace {

using Names = std::vector<std::string>;

TEST_F(TCliTest, PreviewJsonEscapesQuotesBackslashAndControls) {
  const std::string name = "q\"u\\o\tte.txt";
  const TCliRun run = Preview({"--add", "X", "--format", "json"}, name + "\n");
  ASSERT_EQ(run.Code, 0) << run.Err;
  const auto rows = ParseJsonRows(run.Out);
  ASSERT_TRUE(rows) << run.Out;
  ASSERT_EQ(rows->size(), 1u);
  EXPECT_EQ(rows->at(0).at("old"), name);
  EXPECT_EQ(rows->at(0).at("new"), "X" + name);
  EXPECT_EQ(rows->at(0).at("folder"), ".");
  EXPECT_EQ(rows->at(0).at("problem"), "invalid");
}

TEST_F(TCliTest, PreviewJsonHasOneObjectPerRow) {
  const TCliRun run = Preview({"--add", "X", "--format", "json"}, "a.txt\nb.txt\n");
  const auto rows = ParseJsonRows(run.Out);
  ASSERT_TRUE(rows) << run.Out;
  EXPECT_EQ(rows->size(), 2u);
  EXPECT_EQ(rows->at(1).at("new"), "Xb.txt");
  EXPECT_EQ(rows->at(1).at("problem"), "");
}

// Bytes that mean nothing in CP932 still give valid (UTF-8) JSON.
TEST_F(TCliTest, JsonStaysValidForBytesWithoutMeaning) {
  const TCliRun run = Run({"preview", "--names-from", "-", "--encoding", "cp932", "--add", "X",
                           "--format", "json"},
                          "a\xFF\x85\x40.txt\n");
  ASSERT_EQ(run.Code, 0) << run.Err;
  const auto rows = ParseJsonRows(run.Out);
  ASSERT_TRUE(rows) << run.Out;
  ASSERT_EQ(rows->size(), 1u);
  EXPECT_EQ(rows->at(0).at("new").substr(0, 2), "Xa");
}

TEST_F(TCliTest, ListJsonHasTheFourColumns) {
  MakeFile("b.txt", "12345");
  MakeFile("a \"x\".txt");
  const TCliRun run = Run({"list", "d", "--format", "json"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  const auto rows = ParseJsonRows(run.Out);
  ASSERT_TRUE(rows) << run.Out;
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ(rows->at(0).at("name"), "a \"x\".txt");
  EXPECT_EQ(rows->at(1).at("size"), "5");
  EXPECT_EQ(rows->at(1).at("location"), Dir() + "/");
  EXPECT_EQ(rows->at(1).count("date"), 1u);
}

// ソ and 表 carry a 0x5C trail byte; the bytes pass through unchanged.
// --encoding sets the names read and printed; the rule's arguments are UTF-8 text
// from the terminal whatever it says.
TEST_F(TCliTest, Cp932RoundTrip) {
  const std::string so_hyo = "\x83\x5C\x95\x5C";
  const TCliRun run =
      Run({"preview", "--names-from", "-", "--encoding", "cp932", "--add", "表", "--at", "end"},
          so_hyo + ".txt\r\n");
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, so_hyo + ".txt\t" + so_hyo + "\x95\x5C.txt\t.\t\n");
}

TEST_F(TCliTest, Cp932OutputOfADiskName) {
  MakeFile("ソ.txt");
  const TCliRun run = Run({"list", "d", "--encoding", "cp932"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out.substr(0, 7), "\x83\x5C.txt\t");
}

// Size in the chosen unit without decimals, date as yyyy/mm/dd hh:mm, sorted.
TEST_F(TCliTest, ListColumnsAndOrder) {
  MakeFile("b.bin", std::string(3 * 1024 + 100, 'x'));
  MakeFile("a.bin", std::string(10, 'x'));
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 5;
  local.tm_hour = 10;
  local.tm_min = 20;
  local.tm_isdst = -1;
  const timeval times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
  ASSERT_EQ(utimes((Dir() + "/b.bin").c_str(), times), 0);
  const std::string loc = Dir() + "/";
  const TCliRun by_name = Run({"list", "d", "--unit", "KB"});
  EXPECT_EQ(Lines(by_name.Out).at(1), "b.bin\t3\t2024/03/05 10:20\t" + loc);
  const TCliRun by_size = Run({"list", "d", "--sort", "size", "--desc"});
  EXPECT_EQ(Lines(by_size.Out).at(0), "b.bin\t3,172\t2024/03/05 10:20\t" + loc);
  const TCliRun by_date = Run({"list", "d", "--until", "2024-12-31"});
  EXPECT_EQ(Lines(by_date.Out), Names{"b.bin\t3,172\t2024/03/05 10:20\t" + loc});
}

// Rows from several folders: each row carries its own folder, and the folder
// mode's size word, in the user's encoding, however often they repeat or change.
TEST_F(TCliTest, ListRowsCarryTheirOwnFolderAcrossFolders) {
  for (const char* folder : {"/写真", "/写真/a", "/写真/b", "/x"}) {
    ASSERT_EQ(mkdir((Dir() + folder).c_str(), 0755), 0);
  }
  MakeFile("写真/a/1.txt");
  MakeFile("写真/b/2.txt");
  MakeFile("x/3.txt");
  const std::string loc = Dir() + "/";
  const TCliRun files = Run({"list", "d", "--recursive"});
  ASSERT_EQ(files.Code, 0) << files.Err;
  const Names file_lines = Lines(files.Out);
  ASSERT_EQ(file_lines.size(), 3u);
  const Names file_folders = {loc + "x/", loc + "写真/a/", loc + "写真/b/"};
  for (std::size_t i = 0; i < file_lines.size(); ++i) {
    EXPECT_EQ(file_lines[i].substr(file_lines[i].rfind('\t') + 1), file_folders[i])
        << file_lines[i];
    EXPECT_NE(file_lines[i].find("\t0\t"), std::string::npos) << file_lines[i];
  }
  const TCliRun folders = Run({"list", "d", "--recursive", "--folders"});
  const Names folder_lines = Lines(folders.Out);
  ASSERT_EQ(folder_lines.size(), 4u) << folders.Out;
  const Names names = {"x", "写真", "a", "b"};
  const Names parents = {loc, loc, loc + "写真/", loc + "写真/"};
  for (std::size_t i = 0; i < folder_lines.size(); ++i) {
    EXPECT_EQ(folder_lines[i].substr(0, folder_lines[i].find('\t')), names[i]);
    EXPECT_EQ(folder_lines[i].substr(names[i].size(), 14), "\tフォルダ\t") << folder_lines[i];
    EXPECT_EQ(folder_lines[i].substr(folder_lines[i].rfind('\t') + 1), parents[i]);
  }
}

// A folder's field is escaped like a name, on every row it repeats in and again
// when the folder changes (its shown form is kept while it repeats).
TEST_F(TCliTest, ListEscapesTheFolderOfEveryRow) {
  for (const char* folder : {"/tab\tx", "/back\\slash"}) {
    ASSERT_EQ(mkdir((Dir() + folder).c_str(), 0755), 0);
  }
  for (const char* file : {"tab\tx/1.txt", "tab\tx/2.txt", "back\\slash/3.txt"}) MakeFile(file);
  const TCliRun run = Run({"list", "d", "--recursive"});
  ASSERT_EQ(run.Code, 0) << run.Err;
  const Names lines = Lines(run.Out);
  const Names folders = {Dir() + "/back\\\\slash/", Dir() + "/tab\\tx/", Dir() + "/tab\\tx/"};
  ASSERT_EQ(lines.size(), folders.size()) << run.Out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].substr(lines[i].rfind('\t') + 1), folders[i]) << lines[i];
  }
}

}  // namespace
}  // namespace nalo::cli::test
