// Undo from the entry list and from the batch journal, including a batch cut short
// by a process that dies between two renames.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "execution/apply_renames.h"
#include "execution/batch_fixture.h"
#include "execution/batch_history.h"
#include "execution/batch_journal.h"
#include "execution/execution_messages.h"
#include "execution/journal_undo.h"
#include "execution/undo_batch.h"

namespace nalo {
namespace {

using testing::EntryFor;
using testing::ReadJournal;
using testing::TTempFolder;
using testing::UnfinishedJournal;

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_.MakeFolder("settings"); options_.JournalFolder = dir_.Path("settings"); }
  void File(const std::string& name) {
    dir_.Write(name, name);
    entries_.Add(EntryFor(dir_.Path(), name));
  }
  void Row(const std::string& from, const std::string& to) {
    rows_.push_back(testing::RowFor(entries_, dir_.Path(from), to));
  }
  TTempFolder dir_;
  TEntryList entries_;
  TConfirmationList rows_;
  TBatchOptions options_;
};

TEST_F(UndoTest, ThreeRenamedOneFailedComeBack) {
  for (auto n : {"a", "b", "c", "d", "taken"}) File(n);
  Row("a", "a2");
  Row("b", "b2");
  Row("c", "c2");
  Row("d", "taken");
  ASSERT_EQ(ApplyRenames(entries_, rows_, {}, options_).Failed, 1u);
  TUndoResult u = UndoLastBatch(entries_, {}, options_);
  EXPECT_EQ(u.Restored, 3u);
  EXPECT_EQ(u.StillPending, 0u);
  for (auto n : {"a", "b", "c", "d", "taken"}) EXPECT_EQ(dir_.Read(n), n);
  EXPECT_EQ(entries_.EntryAt(3).State, kStateFailed);  // the failed entry is not touched
  EXPECT_TRUE(ReadJournal(options_.JournalFolder)->State == TJournalState::Undone);
}

TEST_F(UndoTest, SelectOnlyUndoesTheSelectedAfterAsking) {
  for (auto n : {"a", "b", "c"}) File(n);
  Row("a", "a2");
  Row("b", "b2");
  Row("c", "c2");
  ApplyRenames(entries_, rows_, {}, options_);
  TUndoRequest request;
  request.SelectOnly = true;
  request.Selected = {1};
  std::string asked;
  request.AskYesNo = [&](std::string_view q) { asked = q; return false; };
  EXPECT_TRUE(UndoLastBatch(entries_, request, options_).Declined);
  EXPECT_EQ(asked, kMsgUndoSelectedOnly);
  EXPECT_TRUE(dir_.Exists("b2"));

  request.AskYesNo = [](std::string_view) { return true; };
  TUndoResult u = UndoLastBatch(entries_, request, options_);
  EXPECT_EQ(u.Restored, 1u);
  EXPECT_EQ(u.StillPending, 2u);
  EXPECT_TRUE(dir_.Exists("b"));
  EXPECT_TRUE(dir_.Exists("a2"));
  EXPECT_FALSE(ReadJournal(options_.JournalFolder)->State == TJournalState::Undone);
}

TEST_F(UndoTest, RefusedUndoKeepsTheDiskNameAndSaysWhy) {
  File("a");
  Row("a", "b");
  ApplyRenames(entries_, rows_, {}, options_);
  dir_.Write("a", "someone else's");
  TUndoResult u = UndoLastBatch(entries_, {}, options_);
  ASSERT_EQ(u.Messages.size(), 1u);
  EXPECT_EQ(u.Messages[0], dir_.Path("b") + " を、\r" + dir_.Path("a") + "に戻す事が出来ません。");
  EXPECT_EQ(entries_.EntryAt(0).Name, "b");
  EXPECT_EQ(entries_.EntryAt(0).State, kStateUntouched);  // it can no longer be undone
  EXPECT_EQ(dir_.Read("a"), "someone else's");
}

TEST_F(UndoTest, FinishedJournalUndoesTheLastBatchFromAFreshStart) {
  for (auto n : {"1", "2", "3", "x"}) File(n);
  Row("1", "2");
  Row("2", "3");
  Row("3", "4");
  Row("x", "1");  // waits for 1, which moves first
  ASSERT_EQ(ApplyRenames(entries_, rows_, {}, options_).Failed, 0u);
  auto record = ReadJournal(options_.JournalFolder);
  ASSERT_TRUE(record);
  EXPECT_TRUE(record->State == TJournalState::Finished);
  EXPECT_FALSE(UnfinishedJournal(options_.JournalFolder));

  TJournalUndoResult u = UndoFromJournal(options_.JournalFolder, {});
  EXPECT_EQ(u.Restored, 4u);
  for (auto n : {"1", "2", "3", "x"}) EXPECT_EQ(dir_.Read(n), n);
  EXPECT_FALSE(dir_.Exists("4"));
  EXPECT_FALSE(UndoFromJournal(options_.JournalFolder, {}).Found);  // once only
}

TEST_F(UndoTest, PathsWithLineBreaksSurviveTheJournal) {
  File("line\nbreak\\tab\t");
  Row("line\nbreak\\tab\t", "plain");
  ApplyRenames(entries_, rows_, {}, options_);
  EXPECT_EQ(UndoFromJournal(options_.JournalFolder, {}).Restored, 1u);
  EXPECT_TRUE(dir_.Exists("line\nbreak\\tab\t"));
}

TEST_F(UndoTest, DamagedJournalIsNotUsed) {
  File("a");
  Row("a", "b");
  ApplyRenames(entries_, rows_, {}, options_);
  const std::string path = testing::NewestBatchFile(options_.JournalFolder);
  std::string text;
  {
    std::ifstream in(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  text.replace(text.find("step\t"), 5, "stop\t");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  ASSERT_TRUE(ReadJournal(options_.JournalFolder));
  EXPECT_TRUE(ReadJournal(options_.JournalFolder)->Damaged);
  EXPECT_TRUE(UnfinishedJournal(options_.JournalFolder));  // the next batch waits for a decision
  TJournalUndoResult u = UndoFromJournal(options_.JournalFolder, {});
  EXPECT_TRUE(u.Found);
  EXPECT_EQ(u.Failed, 1u);
  EXPECT_EQ(u.Messages, std::vector<std::string>{DamagedJournalMessage(path)});
  EXPECT_TRUE(dir_.Exists("b"));
}

// The child renames a shifted and a swapped set and dies after `steps` renames;
// the parent finds the unfinished journal and undoes what was done.
TEST_F(UndoTest, KilledBatchIsUndoneFromItsJournal) {
  const char* names[] = {"1", "2", "3", "4", "s", "t"};
  for (std::size_t stop_after : {1u, 2u, 4u, 5u}) {
    rows_.clear();
    entries_ = TEntryList();
    for (auto n : names) File(n);
    Row("1", "2");
    Row("2", "3");
    Row("3", "4");
    Row("4", "5");
    Row("s", "t");
    Row("t", "s");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      TBatchOptions options = options_;
      options.AfterStep = [&](std::size_t done) {
        if (done == stop_after) _exit(0);
      };
      ApplyRenames(entries_, rows_, {}, options);
      _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0) << stop_after;
    ASSERT_TRUE(UnfinishedJournal(options_.JournalFolder)) << stop_after;
    TJournalUndoResult u = UndoFromJournal(options_.JournalFolder, {});
    EXPECT_EQ(u.Failed, 0u) << stop_after;
    for (auto n : names) EXPECT_EQ(dir_.Read(n), n) << stop_after;
    EXPECT_FALSE(dir_.Exists("5")) << stop_after;
    EXPECT_EQ(dir_.Contents().size(), 6u) << stop_after;
    EXPECT_FALSE(UnfinishedJournal(options_.JournalFolder));
  }
}

}  // namespace
}  // namespace nalo
