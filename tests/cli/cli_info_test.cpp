// nalo-cli info and the information kinds of the add rule on real files: one line
// per file in argument order, an empty line when the builder finds nothing, and
// exit code 2 with a message naming a file that cannot be read.
#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "cli/cli_fixture.h"

namespace nalo::cli::test {
namespace {

// A PNG header of 320 x 240 pixels: signature, then the IHDR chunk.
const std::string kPng320x240("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x01\x40\0\0\0\xf0\x08\x02\0\0\0\0\0\0\0",
                              33);

void SetLocalTime(const std::string& path, int year, int month, int day) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const timeval times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
  ASSERT_EQ(utimes(path.c_str(), times), 0);
}

// A file this process cannot open for reading: no permission for anyone when we
// are not root, else a write-only kernel setting (root cannot read it either).
std::string UnreadableFile(const std::string& dir) {
  if (geteuid() != 0) {
    const std::string path = dir + "/locked.png";
    close(open(path.c_str(), O_CREAT | O_WRONLY, 0));
    return path;
  }
  const std::string setting = "/proc/sys/vm/drop_caches";
  const int fd = open(setting.c_str(), O_RDONLY);
  if (fd >= 0) {
    close(fd);
    return {};
  }
  return std::filesystem::exists(setting) ? setting : std::string();
}

TEST_F(TCliTest, InfoPrintsOneLinePerFileInOrder) {
  MakeFile("p.png", kPng320x240);
  MakeFile("plain.txt", "x");
  const TCliRun run = Run({"info", "image", "d/plain.txt", "d/p.png"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out, "\n(320x240)\n");
}

TEST_F(TCliTest, InfoFolderAndDate) {
  MakeFile("a.txt", "hello");
  SetLocalTime(Dir() + "/a.txt", 2024, 3, 5);
  const TCliRun folder = Run({"info", "folder", "d/a.txt"});
  EXPECT_EQ(folder.Code, 0) << folder.Err;
  EXPECT_EQ(folder.Out, "( d )\n");
  const TCliRun date = Run({"info", "date", "d/a.txt"});
  EXPECT_EQ(date.Code, 0) << date.Err;
  EXPECT_EQ(date.Out, "( 5ﾊﾞｲﾄ 24年03月05日 )\n");
}

TEST_F(TCliTest, InfoOfAMissingFileNamesIt) {
  MakeFile("p.png", kPng320x240);
  const TCliRun run = Run({"info", "image", "d/gone.png", "d/p.png"});
  EXPECT_EQ(run.Code, 2);
  EXPECT_EQ(run.Out, "\n(320x240)\n");
  EXPECT_NE(run.Err.find("d/gone.png を開けません。"), std::string::npos) << run.Err;
}

TEST_F(TCliTest, InfoOfAnUnreadableFileNamesIt) {
  const std::string path = UnreadableFile(Dir());
  if (path.empty()) GTEST_SKIP() << "no file here is unreadable for this user";
  const TCliRun run = Run({"info", "image", path});
  EXPECT_EQ(run.Code, 2);
  EXPECT_EQ(run.Out, "\n");
  EXPECT_NE(run.Err.find(path + " を開けません。"), std::string::npos) << run.Err;
}

// The add rule stops at a file it cannot read and shows the message in UTF-8.
TEST_F(TCliTest, AddInfoStopsAtAnUnreadableFile) {
  const std::string path = UnreadableFile(Dir());
  if (path.empty()) GTEST_SKIP() << "no file here is unreadable for this user";
  const std::filesystem::path file(path);
  const TCliRun run = Run({"preview", file.parent_path().string(), "--mask",
                           file.filename().string(), "--add-info", "image"});
  EXPECT_EQ(run.Code, 2);
  EXPECT_EQ(run.Out, "");
  EXPECT_NE(run.Err.find(path + " を開けません。"), std::string::npos) << run.Err;
}

TEST_F(TCliTest, AddInfoOnDisk) {
  MakeFile("a.txt", "hello");
  SetLocalTime(Dir() + "/a.txt", 2024, 3, 5);
  MakeFile("p.png", kPng320x240);
  const std::string folder = Dir();
  const TCliRun date = Run({"preview", "d", "--mask", "*.txt", "--add-info", "date", "--at", "end"});
  EXPECT_EQ(date.Code, 0) << date.Err;
  EXPECT_EQ(date.Out, "a.txt\ta( 5ﾊﾞｲﾄ 24年03月05日 ).txt\t" + folder + "\t\n");
  const TCliRun image = Run({"apply", "d", "--add-info", "image", "--at", "before:.", "--yes"});
  EXPECT_EQ(image.Code, 0) << image.Err;
  EXPECT_EQ(DirNames(), (std::vector<std::string>{"a.txt", "p(320x240).png"}));
  const TCliRun parent = Run({"preview", "d", "--mask", "a.txt", "--add-info", "folder"});
  EXPECT_EQ(parent.Out, "a.txt\t( d )a.txt\t" + folder + "\t\n");
}

}  // namespace
}  // namespace nalo::cli::test
