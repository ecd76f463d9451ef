// The directory watcher on a real folder: quiet-delay folding, sub-folders, what
// is not reported, the program's own changes, stopping; and its pure parts (the
// quiet delay, the prompt gate, folder comparison).
#include "listing/dir_watch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "../execution/temp_folder.h"
#include "execution/apply_renames.h"

namespace nalo {
namespace {

using namespace std::chrono_literals;
using testing::TTempFolder;
using Clock = std::chrono::steady_clock;

// Records the moments of the reports.
struct TReports {
  std::mutex mutex;
  std::vector<Clock::time_point> at;
  std::vector<std::string> folders;
  void Add(const std::string& folder) {
    std::lock_guard lock(mutex);
    at.push_back(Clock::now());
    folders.push_back(folder);
  }
  std::size_t Count() {
    std::lock_guard lock(mutex);
    return at.size();
  }
};

class WatcherTest : public ::testing::Test {
 protected:
  void Watch(int delay_ms, bool sub_tree) {
    watcher_.SetOnChange([this](const std::string& d) { reports_.Add(d); });
    watcher_.SetDelayTime(delay_ms);
    watcher_.SetWatchSubTree(sub_tree);
    watcher_.SetDirectory(dir_.Path().substr(0, dir_.Path().size() - 1));
    ASSERT_TRUE(watcher_.Watching());
  }
  TTempFolder dir_;
  TReports reports_;
  TDirectoryWatcher watcher_;
};

TEST_F(WatcherTest, ThreeCreationsHalfASecondApartGiveOneReport) {
  Watch(kMainWindowDelayTimeMs, false);
  dir_.Write("1", "");
  std::this_thread::sleep_for(500ms);
  dir_.Write("2", "");
  std::this_thread::sleep_for(500ms);
  dir_.Write("3", "");
  auto third = Clock::now();
  std::this_thread::sleep_for(2500ms);
  ASSERT_EQ(reports_.Count(), 1u);
  EXPECT_GE(reports_.at[0] - third, 1400ms);
  EXPECT_EQ(reports_.folders[0], watcher_.Directory());
}

TEST_F(WatcherTest, RenameInASubFolderIsReported) {
  dir_.MakeFolder("sub");
  dir_.Write("sub/f", "");
  Watch(100, true);
  std::rename(dir_.Path("sub/f").c_str(), dir_.Path("sub/g").c_str());
  std::this_thread::sleep_for(600ms);
  EXPECT_EQ(reports_.Count(), 1u);
}

TEST_F(WatcherTest, FolderCreatedWhileWatchingIsWatchedToo) {
  Watch(100, true);
  dir_.MakeFolder("new");
  std::this_thread::sleep_for(600ms);
  ASSERT_EQ(reports_.Count(), 1u);
  dir_.Write("new/f", "");
  std::this_thread::sleep_for(600ms);
  EXPECT_EQ(reports_.Count(), 2u);
}

TEST_F(WatcherTest, ContentAndTimeChangesAreNotReported) {
  dir_.Write("f", "one");
  Watch(100, true);
  dir_.Write("f", "two, longer");
  utimes(dir_.Path("f").c_str(), nullptr);
  chmod(dir_.Path("f").c_str(), 0600);
  std::this_thread::sleep_for(600ms);
  EXPECT_EQ(reports_.Count(), 0u);
}

TEST_F(WatcherTest, TheProgramsOwnBatchIsNotReported) {
  for (auto n : {"a", "b"}) dir_.Write(n, n);
  Watch(100, false);
  TEntryList entries;
  entries.Add(testing::EntryFor(dir_.Path(), "a"));
  entries.Add(testing::EntryFor(dir_.Path(), "b"));
  TConfirmationList rows(2);
  rows[0].NewName = "b";
  rows[0].OldFullPath = dir_.Path("a");
  rows[1].NewName = "a";
  rows[1].OldFullPath = dir_.Path("b");
  TBatchOptions options;
  options.Watcher = [&](bool on) { watcher_.SetEnabled(on); };
  EXPECT_EQ(ApplyRenames(entries, rows, {}, options).Renamed, 2u);
  EXPECT_TRUE(watcher_.Watching());
  std::this_thread::sleep_for(600ms);
  EXPECT_EQ(reports_.Count(), 0u);
  dir_.Write("outside", "");  // and watching goes on afterwards
  std::this_thread::sleep_for(600ms);
  EXPECT_EQ(reports_.Count(), 1u);
}

TEST_F(WatcherTest, StopsPromptly) {
  Watch(100, true);
  auto start = Clock::now();
  watcher_.SetEnabled(false);
  EXPECT_FALSE(watcher_.Watching());
  EXPECT_LT(Clock::now() - start, 1s);
  dir_.Write("f", "");
  std::this_thread::sleep_for(400ms);
  EXPECT_EQ(reports_.Count(), 0u);
}

// Letter case makes another folder on this system: the watch moves to it (and,
// as it does not exist, stops).
TEST_F(WatcherTest, SameFolderInOtherCaseIsAnotherFolder) {
  Watch(100, false);
  std::string upper = watcher_.Directory();
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  watcher_.SetDirectory(upper);
  EXPECT_EQ(watcher_.Directory(), upper);
  EXPECT_FALSE(watcher_.Watching());
}

TEST(WatcherParts, MissingFolderIsNotWatched) {
  TDirectoryWatcher watcher;
  watcher.SetDirectory("/no/such/folder/here");
  EXPECT_FALSE(watcher.Watching());
}

TEST(WatcherParts, QuietDelayFiresOnceAfterTheLastNotice) {
  TQuietDelay delay(1500);
  auto t0 = TQuietDelay::TClock::time_point{};
  EXPECT_FALSE(delay.Due(t0 + 10s));
  delay.Notice(t0);
  delay.Notice(t0 + 500ms);
  delay.Notice(t0 + 1000ms);
  EXPECT_FALSE(delay.Due(t0 + 2499ms));
  EXPECT_TRUE(delay.Due(t0 + 2500ms));
  EXPECT_FALSE(delay.Due(t0 + 3000ms));
}

TEST(WatcherParts, PromptGateOpensOneAtATimeAndAgainLater) {
  TRescanPromptGate gate;
  EXPECT_TRUE(gate.TryOpen());
  EXPECT_FALSE(gate.TryOpen());
  gate.Closed();
  EXPECT_TRUE(gate.TryOpen());
}

}  // namespace
}  // namespace nalo
