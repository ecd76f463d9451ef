// A batch against everything outside it: a second batch on the same settings
// folder, a batch killed or stopped by a signal half way, an undo that cannot
// find its items, a batch that would move its own settings folder, items swapped
// between the listing and the rename, and a journal edited by hand. Two batches
// and interruptions run in real processes, synchronised through pipes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "child_process.h"
#include "execution/apply_renames.h"
#include "execution/batch_fixture.h"
#include "execution/batch_history.h"
#include "execution/batch_journal.h"
#include "execution/execution_messages.h"
#include "execution/journal_undo.h"
#include "execution/record_checksum.h"
#include "execution/undo_batch.h"
#include "listing/find_search.h"
#include "platform/stop_signals.h"

namespace nalo {
namespace {

using testing::EntryFor;
using testing::ReadJournal;
using testing::RowFor;
using testing::TChild;
using testing::TTempFolder;
using testing::UnfinishedJournal;

class BatchGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.MakeFolder("settings");
    dir_.MakeFolder("d");
    options_.JournalFolder = dir_.Path("settings");
  }
  // Files "d/<name>" holding their own names, listed as entries.
  void Files(std::initializer_list<const char*> names) {
    for (const char* n : names) {
      dir_.Write(std::string("d/") + n, n);
      entries_.Add(EntryFor(dir_.Path("d/"), n));
    }
  }
  void Row(const std::string& from, const std::string& to, const std::string& folder = "d/") {
    rows_.push_back(RowFor(entries_, dir_.Path(folder + from), to));
  }
  TApplyResult Apply() { return ApplyRenames(entries_, rows_, {}, options_); }
  std::string JournalFile() const { return testing::NewestBatchFile(options_.JournalFolder); }

  TTempFolder dir_;
  TEntryList entries_;
  TConfirmationList rows_;
  TBatchOptions options_;
};

using Contents = std::map<std::string, std::string>;

// A second batch while the first one runs in another process waits, then refuses
// and touches nothing; the first batch stays the one the journal undoes.
TEST_F(BatchGuardTest, SecondBatchOnTheSameSettingsFolderIsRefused) {
  Files({"a", "b", "x"});
  Row("a", "b");
  Row("b", "a");
  TChild first([&](TChild& self) {
    TBatchOptions options = options_;
    options.AfterStep = [&](std::size_t done) {
      if (done == 1) self.ReportAndWait();
    };
    return ApplyRenames(entries_, rows_, {}, options).Failed == 0 ? 0 : 1;
  });
  ASSERT_TRUE(first.AwaitReport());

  TEntryList other;
  other.Add(EntryFor(dir_.Path("d/"), "x"));
  TConfirmationList other_rows{RowFor(other, dir_.Path("d/x"), "y")};
  TBatchOptions quick = options_;
  quick.LockWaitMs = 0;
  const TApplyResult second = ApplyRenames(other, other_rows, {}, quick);
  EXPECT_FALSE(second.Started);
  EXPECT_EQ(second.Message, kMsgJournalBusy);
  EXPECT_TRUE(dir_.Exists("d/x"));
  TJournalUndoResult busy = UndoFromJournal(options_.JournalFolder, {});
  EXPECT_FALSE(busy.Refusal.empty());

  first.Go();
  EXPECT_EQ(first.Wait(), 0);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a", "b"}, {"b", "a"}, {"x", "x"}}));
  TJournalUndoResult u = UndoFromJournal(options_.JournalFolder, {});
  EXPECT_EQ(u.Restored, 2u);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a", "a"}, {"b", "b"}, {"x", "x"}}));
}

// A batch killed half way is never replaced: the next batch refuses until the
// killed one is undone or discarded.
TEST_F(BatchGuardTest, KilledBatchBlocksTheNextUntilUndoneOrDiscarded) {
  for (bool discard : {false, true}) {
    entries_ = TEntryList();
    rows_.clear();
    for (const auto& [name, content] : dir_.Contents("d/")) unlink(dir_.Path("d/" + name).c_str());
    Files({"1", "2", "3"});
    Row("1", "2");
    Row("2", "3");
    Row("3", "4");
    TChild killed([&](TChild& self) {
      TBatchOptions options = options_;
      options.AfterStep = [&](std::size_t done) {
        if (done == 1) self.ReportAndWait();
      };
      ApplyRenames(entries_, rows_, {}, options);
      return 0;
    });
    ASSERT_TRUE(killed.AwaitReport());
    kill(killed.Pid(), SIGKILL);
    EXPECT_EQ(killed.Wait(), 128 + SIGKILL);
    ASSERT_TRUE(UnfinishedJournal(options_.JournalFolder));

    const Contents half = dir_.Contents("d/");
    rows_ = {};
    Row("1", "one");
    const TApplyResult refused = Apply();
    EXPECT_FALSE(refused.Started) << discard;
    EXPECT_EQ(refused.Message, kMsgUnfinishedBatchRefusal) << discard;
    EXPECT_EQ(dir_.Contents("d/"), half) << discard;

    if (discard) {
      ASSERT_TRUE(DiscardJournal(options_.JournalFolder));
      EXPECT_EQ(dir_.Contents("d/"), half);
    } else {
      EXPECT_EQ(UndoFromJournal(options_.JournalFolder, {}).Failed, 0u);
      EXPECT_EQ(dir_.Contents("d/"), (Contents{{"1", "1"}, {"2", "2"}, {"3", "3"}}));
    }
    EXPECT_FALSE(UnfinishedJournal(options_.JournalFolder)) << discard;
    EXPECT_TRUE(Apply().Started) << discard;
  }
}

// SIGTERM (or Ctrl-C) during a batch ends it after the step under way, never with
// an item under a temporary name; the journal says how far it went and undo
// brings back the exact starting folder.
TEST_F(BatchGuardTest, StopSignalEndsTheBatchAtAStepAndKeepsItUndoable) {
  // A swap and a three-cycle: steps 1, 2, 3 and 4 fall inside a cycle.
  const std::vector<std::pair<const char*, const char*>> renames = {
      {"a", "b"}, {"b", "a"}, {"c", "d"}, {"d", "e"}, {"e", "c"}, {"f", "g"}};
  // Steps: f, then the swap (2-4), then the three-cycle (5-8). A stop inside the
  // last cycle completes it, and with it the batch.
  struct Stop {
    std::size_t after;
    bool stops;
  };
  for (const Stop stop : {Stop{1, true}, Stop{2, true}, Stop{3, true}, Stop{4, true},
                          Stop{5, false}, Stop{7, false}}) {
    const std::size_t stop_after = stop.after;
    for (int signal : {SIGTERM, SIGINT}) {
      entries_ = TEntryList();
      rows_.clear();
      for (const auto& [name, content] : dir_.Contents("d/"))
        unlink(dir_.Path("d/" + name).c_str());
      Files({"a", "b", "c", "d", "e", "f"});
      for (const auto& [from, to] : renames) Row(from, to);
      const Contents before = dir_.Contents("d/");
      TChild child([&](TChild& self) {
        const TStopSignals stop_signals;
        TBatchOptions options = options_;
        options.StopRequested = [] { return TStopSignals::Requested(); };
        options.AfterStep = [&](std::size_t done) {
          if (done == stop_after) self.ReportAndWait();
        };
        const TApplyResult r = ApplyRenames(entries_, rows_, {}, options);
        if (TStopSignals::Signal() == 0) return 3;
        return r.Stopped ? 0 : 2;
      });
      ASSERT_TRUE(child.AwaitReport());
      kill(child.Pid(), signal);
      child.Go();
      const std::string label = std::to_string(stop_after) + "/" + std::to_string(signal);
      EXPECT_EQ(child.Wait(), stop.stops ? 0 : 2) << label;
      for (const auto& [name, content] : dir_.Contents("d/")) {
        EXPECT_EQ(name.find(".nalo-swap-"), std::string::npos) << label;
      }
      auto journal = ReadJournal(options_.JournalFolder);
      ASSERT_TRUE(journal) << label;
      EXPECT_EQ(journal->State, stop.stops ? TJournalState::Interrupted : TJournalState::Finished)
          << label;
      EXPECT_EQ(journal->StepsRun < journal->Steps.size(), stop.stops) << label;
      TJournalUndoResult u = UndoFromJournal(options_.JournalFolder, {});
      EXPECT_EQ(u.Failed, 0u) << label;
      EXPECT_EQ(dir_.Contents("d/"), before) << label;
      EXPECT_FALSE(UnfinishedJournal(options_.JournalFolder)) << label;
    }
  }
}

// A stop that comes before the first rename leaves nothing to undo, and nothing
// that would hold up the next batch.
TEST_F(BatchGuardTest, StopBeforeTheFirstStepChangesNothingAndBlocksNothing) {
  Files({"a", "b"});
  Row("a", "b");
  Row("b", "a");
  TBatchOptions stopped = options_;
  stopped.StopRequested = [] { return true; };
  const TApplyResult r = ApplyRenames(entries_, rows_, {}, stopped);
  EXPECT_TRUE(r.Stopped);
  EXPECT_EQ(r.NotRun, 2u);
  EXPECT_EQ(r.Renamed + r.Failed, 0u);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a", "a"}, {"b", "b"}}));
  EXPECT_FALSE(UnfinishedJournal(options_.JournalFolder));
  EXPECT_EQ(Apply().Renamed, 2u);
}

// Undo counts and marks only what it put back: a folder moved away since the
// batch leaves every step to a later undo, and a name taken since leaves that one.
TEST_F(BatchGuardTest, UndoMarksUndoneOnlyWhatItRestored) {
  Files({"a", "b", "c"});
  Row("a", "a2");
  Row("b", "b2");
  Row("c", "c2");
  ASSERT_EQ(Apply().Renamed, 3u);
  ASSERT_EQ(rename(dir_.Path("d").c_str(), dir_.Path("moved").c_str()), 0);
  TJournalUndoResult lost = UndoFromJournal(options_.JournalFolder, {});
  EXPECT_TRUE(lost.Found);
  EXPECT_EQ(lost.Restored, 0u);
  EXPECT_EQ(lost.Failed, 3u);
  EXPECT_EQ(lost.Messages.size(), 3u);
  EXPECT_NE(ReadJournal(options_.JournalFolder)->State, TJournalState::Undone);

  ASSERT_EQ(rename(dir_.Path("moved").c_str(), dir_.Path("d").c_str()), 0);
  dir_.Write("d/b", "someone else's");
  TJournalUndoResult partly = UndoFromJournal(options_.JournalFolder, {});
  EXPECT_EQ(partly.Restored, 2u);
  EXPECT_EQ(partly.Failed, 1u);
  EXPECT_NE(ReadJournal(options_.JournalFolder)->State, TJournalState::Undone);

  unlink(dir_.Path("d/b").c_str());
  TJournalUndoResult rest = UndoFromJournal(options_.JournalFolder, {});
  EXPECT_EQ(rest.Restored, 1u);
  EXPECT_EQ(rest.Failed, 0u);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a", "a"}, {"b", "b"}, {"c", "c"}}));
  EXPECT_EQ(ReadJournal(options_.JournalFolder)->State, TJournalState::Undone);
  EXPECT_FALSE(UndoFromJournal(options_.JournalFolder, {}).Found);
}

// A folder holding the settings folder keeps its name (the journal stays where
// the next start looks for it); the other rows of the batch go on.
TEST_F(BatchGuardTest, FolderHoldingTheSettingsFolderIsNotRenamed) {
  dir_.MakeFolder("d/config");
  dir_.MakeFolder("d/config/Nalo");
  dir_.MakeFolder("d/photos");
  options_.JournalFolder = dir_.Path("d/config/Nalo");
  entries_.Add(EntryFor(dir_.Path("d/"), "config"));
  entries_.Add(EntryFor(dir_.Path("d/"), "photos"));
  Row("config", "config-old");
  Row("photos", "pictures");
  const TApplyResult r = Apply();
  EXPECT_EQ(r.Renamed, 1u);
  EXPECT_EQ(r.Failed, 1u);
  ASSERT_EQ(r.FailedRows.size(), 1u);
  EXPECT_EQ(r.FailedRows[0].Row, 0u);
  EXPECT_NE(r.Message.find(std::string(kMsgHoldsSettings)), std::string::npos) << r.Message;
  EXPECT_EQ(ReadHistory(options_.JournalFolder).size(), 1u);
  EXPECT_EQ(UndoFromJournal(options_.JournalFolder, {}).Restored, 1u);
  EXPECT_TRUE(dir_.Exists("d/photos"));
}

// The entries of a real listing of d, recursively.
TEntryList Listed(const std::string& folder, bool file_mode) {
  TFindSearch search;
  TScanRows rows;
  search.Search(folder, "*.*", file_mode, rows, true);
  TEntryList entries;
  for (const TFileInfoRec& row : rows) {
    TListData e = EntryFor(row.Location, row.Name);
    e.Location = row.Location;
    e.Identity = row.Identity;
    entries.Add(std::move(e));
  }
  return entries;
}

// Between the listing and the rename an item or its folder is swapped for
// another one: that row fails with a reason and nothing outside is touched.
TEST_F(BatchGuardTest, ItemsSwappedAfterTheListingAreNotRenamed) {
  struct Case {
    const char* label;
    const char* renamed;  // row of d/<renamed> -> "<renamed>.new"
    std::function<void(const TTempFolder&)> swap;
    std::string_view reason;
    const char* outside_file;  // where the outside file is after the swap
  };
  const Case cases[] = {
      {"sub-folder-to-link", "sub/f",
       [](const TTempFolder& d) {
         rename(d.Path("d/sub").c_str(), d.Path("old-sub").c_str());
         symlink(d.Path("outside").c_str(), d.Path("d/sub").c_str());
       },
       kMsgFolderIsLink, "outside/f"},
      {"sub-folder-to-other-folder", "sub/f",
       [](const TTempFolder& d) {
         rename(d.Path("d/sub").c_str(), d.Path("old-sub").c_str());
         rename(d.Path("outside").c_str(), d.Path("d/sub").c_str());
       },
       kMsgItemReplaced, "d/sub/f"},
      {"file-to-folder", "g",
       [](const TTempFolder& d) {
         unlink(d.Path("d/g").c_str());
         rename(d.Path("outside").c_str(), d.Path("d/g").c_str());
       },
       kMsgItemReplaced, "d/g/f"},
  };
  for (const Case& c : cases) {
    TTempFolder dir;
    dir.MakeFolder("d");
    dir.MakeFolder("d/sub");
    dir.MakeFolder("outside");
    dir.Write("d/sub/f", "listed");
    dir.Write("d/g", "listed");
    dir.Write("outside/f", "outside");
    TEntryList entries = Listed(dir.Path("d"), true);
    ASSERT_EQ(entries.Count(), 2u) << c.label;
    const std::string path = dir.Path(std::string("d/") + c.renamed);
    TConfirmationList rows{RowFor(entries, path, path.substr(path.rfind('/') + 1) + ".new")};
    c.swap(dir);
    const TApplyResult r = ApplyRenames(entries, rows, {}, {});
    EXPECT_EQ(r.Failed, 1u) << c.label;
    EXPECT_NE(r.Message.find(std::string(c.reason)), std::string::npos) << c.label << r.Message;
    EXPECT_EQ(dir.Read(c.outside_file), "outside") << c.label;
    EXPECT_FALSE(dir.Exists(std::string("d/") + c.renamed + ".new")) << c.label;
  }
}

// The identity check runs right before each rename, not once for the batch: an
// item swapped for another one while earlier steps run fails its own row, and the
// other item keeps its name.
TEST_F(BatchGuardTest, ItemSwappedDuringTheBatchFailsItsStep) {
  dir_.Write("d/a", "a");
  dir_.Write("d/b", "b");
  entries_ = Listed(dir_.Path("d"), true);
  ASSERT_EQ(entries_.Count(), 2u);
  Row("a", "a2");
  Row("b", "b2");
  options_.AfterStep = [&](std::size_t done) {
    if (done != 1) return;
    dir_.Write("intruder", "intruder");  // made before b goes, so it cannot reuse b's inode
    rename(dir_.Path("intruder").c_str(), dir_.Path("d/b").c_str());
  };
  const TApplyResult r = Apply();
  EXPECT_EQ(r.Renamed, 1u);
  ASSERT_EQ(r.FailedRows.size(), 1u);
  EXPECT_EQ(r.FailedRows[0].Row, 1u);
  EXPECT_EQ(r.FailedRows[0].Error, kErrItemReplaced);
  EXPECT_NE(r.Message.find(std::string(kMsgItemReplaced)), std::string::npos) << r.Message;
  EXPECT_EQ(dir_.Read("d/a2"), "a");
  EXPECT_EQ(dir_.Read("d/b"), "intruder");
  EXPECT_FALSE(dir_.Exists("d/b2"));
}

// The checksum is the CRC-32 of zlib and PNG, whatever the length of the record.
TEST(RecordChecksum, KnownValues) {
  const std::pair<std::string_view, std::uint32_t> cases[] = {
      {"", 0x00000000u},
      {"a", 0xE8B7BE43u},
      {"abc", 0x352441C2u},
      {"123456789", 0xCBF43926u},
      {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
  };
  for (const auto& [text, sum] : cases) EXPECT_EQ(RecordChecksum(text), sum) << text;
  std::string hex;
  AppendChecksumHex(hex, 0x0BF43926u);
  EXPECT_EQ(hex, "0bf43926");
}

// A journal edited by hand: undo refuses the changed record, never moves an
// item to another folder, and says what it did not put back.
TEST_F(BatchGuardTest, UndoRefusesEditedRecords) {
  struct Case {
    const char* label;
    bool fix_checksum;  // rewrite the record's checksum too
  };
  for (const Case c : {Case{"checksum-broken", false}, Case{"checksum-rewritten", true}}) {
    entries_ = TEntryList();
    rows_.clear();
    for (const auto& [name, content] : dir_.Contents("d/")) unlink(dir_.Path("d/" + name).c_str());
    dir_.MakeFolder("elsewhere");
    Files({"a", "b"});
    Row("a", "a2");
    Row("b", "b2");
    ASSERT_EQ(Apply().Renamed, 2u) << c.label;
    std::ifstream in(JournalFile(), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    // The first step moves d/a to d/a2: its undo is sent to another folder.
    const std::size_t line_start = text.find("step\t0\t");
    const std::size_t line_end = text.find('\n', line_start);
    std::string line = text.substr(line_start, line_end - line_start);
    const std::string from = dir_.Path("d/a");
    line.replace(line.find(from), from.size(), dir_.Path("elsewhere/a"));
    if (c.fix_checksum) {
      std::string body = line.substr(0, line.rfind('\t'));
      line = body + "\t";
      AppendChecksumHex(line, RecordChecksum(body));
    }
    text.replace(line_start, line_end - line_start, line);
    std::ofstream(JournalFile(), std::ios::binary | std::ios::trunc) << text;

    TJournalUndoResult u = UndoFromJournal(options_.JournalFolder, {});
    EXPECT_EQ(u.Restored, 1u) << c.label;
    EXPECT_EQ(u.Failed, 1u) << c.label;
    ASSERT_EQ(u.Messages.size(), 1u) << c.label;
    EXPECT_EQ(u.Messages[0], DamagedStepMessage(0)) << c.label;
    EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a2", "a"}, {"b", "b"}})) << c.label;
    EXPECT_TRUE(dir_.Contents("elsewhere/").empty()) << c.label;
    ASSERT_TRUE(DiscardJournal(options_.JournalFolder));
  }
}

}  // namespace
}  // namespace nalo
