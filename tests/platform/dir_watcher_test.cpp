// The watch thread on a real folder: which changes wake it, sub-folders (also
// those made while watching), what is not reported, a missing folder and a prompt
// stop. Each case waits on the notices themselves, with a time limit.
#include "platform/dir_watcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>

#include "support/temp_folder.h"

namespace nalo {
namespace {

using namespace std::chrono_literals;
using testing::TTempFolder;

// Longest wait for a notice that should come; a notice that should not come is
// waited for this long too.
constexpr auto kNoticeWait = 2s;
constexpr auto kQuietWait = 400ms;

// Counts the notices of a watch thread; waits for a count with a time limit.
class TNotices {
 public:
  void Add() {
    {
      std::lock_guard lock(mutex_);
      ++count_;
    }
    arrived_.notify_all();
  }
  // True when at least `n` notices came within `limit`.
  bool WaitFor(int n, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, limit, [&] { return count_ >= n; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  int count_ = 0;
};

TEST(WatchThread, NameChangesWakeItAndContentChangesDoNot) {
  struct TCase {
    const char* Name;
    bool SubTree;
    std::function<void(const TTempFolder&)> Prepare;
    std::function<void(const TTempFolder&)> Change;
    bool Reported;
  };
  const auto none = [](const TTempFolder&) {};
  const TCase cases[] = {
      {"create", false, none, [](const TTempFolder& d) { d.Write("new", ""); }, true},
      {"rename-in-sub-folder", true,
       [](const TTempFolder& d) {
         d.MakeFolder("sub");
         d.Write("sub/f", "");
       },
       [](const TTempFolder& d) { std::rename(d.Path("sub/f").c_str(), d.Path("sub/g").c_str()); },
       true},
      {"sub-folder-not-watched", false, [](const TTempFolder& d) { d.MakeFolder("sub"); },
       [](const TTempFolder& d) { d.Write("sub/f", ""); }, false},
      {"content-time-and-mode", true, [](const TTempFolder& d) { d.Write("f", "one"); },
       [](const TTempFolder& d) {
         d.Write("f", "two, longer");
         utimes(d.Path("f").c_str(), nullptr);
         chmod(d.Path("f").c_str(), 0600);
       },
       false},
  };
  for (const TCase& c : cases) {
    TTempFolder dir;
    c.Prepare(dir);
    TNotices notices;
    TWatchThread watch(dir.Root(), c.SubTree, [&notices] { notices.Add(); });
    ASSERT_TRUE(watch.Watching()) << c.Name;
    c.Change(dir);
    EXPECT_EQ(notices.WaitFor(1, c.Reported ? kNoticeWait : kQuietWait), c.Reported) << c.Name;
  }
}

TEST(WatchThread, FolderCreatedWhileWatchingIsWatchedToo) {
  TTempFolder dir;
  TNotices notices;
  TWatchThread watch(dir.Root(), true, [&notices] { notices.Add(); });
  dir.MakeFolder("new");
  ASSERT_TRUE(notices.WaitFor(1, kNoticeWait));
  // The new folder joins the watch before its notice; a file made in it wakes
  // the watch again.
  dir.Write("new/f", "");
  EXPECT_TRUE(notices.WaitFor(2, kNoticeWait));
}

TEST(WatchThread, StopsPromptlyAndThenReportsNothing) {
  TTempFolder dir;
  TNotices notices;
  TWatchThread watch(dir.Root(), true, [&notices] { notices.Add(); });
  const auto start = std::chrono::steady_clock::now();
  watch.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
  dir.Write("f", "");
  EXPECT_FALSE(notices.WaitFor(1, kQuietWait));
}

TEST(WatchThread, MissingFolderIsNotWatched) {
  TWatchThread watch("/no/such/folder/here", false, [] {});
  EXPECT_FALSE(watch.Watching());
}

}  // namespace
}  // namespace nalo
