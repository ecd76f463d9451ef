// Applying a batch on a real folder: entry markers, selection, failures that lose
// nothing, read-only items, selected rows only, and the confirmation step.
#include "execution/apply_renames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>

#include "execution/batch_fixture.h"
#include "execution/execution_messages.h"
#include "execution/undo_batch.h"

namespace nalo {
namespace {

using testing::EntryFor;
using testing::RowFor;
using testing::TTempFolder;

class ApplyRenamesTest : public ::testing::Test {
 protected:
  // Makes the files and one entry each, in this order.
  void List(std::initializer_list<std::string> names) {
    for (const std::string& n : names) {
      dir_.Write(n, "content of " + n);
      entries_.Add(EntryFor(dir_.Path(), n));
    }
  }
  void Propose(const std::string& from, const std::string& to) {
    rows_.push_back(RowFor(entries_, dir_.Path(from), to));
  }
  TApplyResult Apply(std::vector<std::size_t> selected = {}) {
    return ApplyRenames(entries_, rows_, selected, options_);
  }

  TTempFolder dir_;
  TEntryList entries_;
  TConfirmationList rows_;
  TBatchOptions options_;
};

TEST_F(ApplyRenamesTest, RenamedEntriesAreMarkedAndSelected) {
  List({"a.txt", "b.txt", "c.txt"});
  Propose("a.txt", "x.txt");
  Propose("c.txt", "z.txt");
  TApplyResult r = Apply();
  EXPECT_EQ(r.Renamed, 2u);
  EXPECT_EQ(r.Failed, 0u);
  EXPECT_TRUE(r.Message.empty());
  EXPECT_EQ(r.SelectedEntries, (std::vector<std::size_t>{0, 2}));
  const TListData& a = entries_.EntryAt(0);
  EXPECT_EQ(a.Name, "x.txt");
  EXPECT_EQ(a.FullPath(), dir_.Path("x.txt"));
  EXPECT_EQ(a.OldPath, dir_.Path("a.txt"));
  EXPECT_EQ(a.State, kStateRenamed);
  EXPECT_EQ(entries_.EntryAt(1).State, kStateUntouched);
  // The rows show the names before the batch, also now that the entries changed.
  EXPECT_TRUE(rows_[1].Renamed);
  EXPECT_EQ(RowOldName(entries_, rows_[1]), "c.txt");
  EXPECT_EQ(RowFolder(entries_, rows_[1]), dir_.Root());
  EXPECT_EQ(dir_.Read("x.txt"), "content of a.txt");
  EXPECT_FALSE(dir_.Exists("a.txt"));
}

TEST_F(ApplyRenamesTest, RenameOntoExistingNameFailsAndLosesNothing) {
  List({"a.txt", "b.txt"});
  Propose("a.txt", "b.txt");
  TApplyResult r = Apply();
  EXPECT_EQ(r.Failed, 1u);
  ASSERT_EQ(r.FailedRows.size(), 1u);
  EXPECT_EQ(r.FailedRows[0].OldPath, dir_.Path("a.txt"));
  EXPECT_EQ(r.FailedRows[0].Error, EEXIST);
  EXPECT_EQ(r.Message, RenameFailureMessage(1));
  EXPECT_EQ(r.Message.rfind("1個、リネーム失敗しました。\r", 0), 0u);
  EXPECT_EQ(entries_.EntryAt(0).State, kStateFailed);
  EXPECT_EQ(entries_.EntryAt(0).Name, "a.txt");
  EXPECT_EQ(r.SelectedEntries, (std::vector<std::size_t>{0}));
  EXPECT_EQ(dir_.Read("a.txt"), "content of a.txt");
  EXPECT_EQ(dir_.Read("b.txt"), "content of b.txt");
}

TEST_F(ApplyRenamesTest, RefusedNamesFailBeforeTheDisk) {
  struct Case {
    const char* label;
    std::string name;
  };
  const Case cases[] = {
      {"colon", "a:b"}, {"pipe", "a|b"}, {"slash", "a/b"}, {"empty", ""}, {"dot", "."},
      {"dotdot", ".."}, {"control", "a\tb"}, {"too-long", std::string(256, 'n')},
  };
  List({"keep.txt"});
  for (const Case& c : cases) {
    rows_.clear();
    Propose("keep.txt", c.name);
    TApplyResult r = Apply();
    EXPECT_EQ(r.Failed, 1u) << c.label;
    EXPECT_TRUE(dir_.Exists("keep.txt")) << c.label;
  }
  EXPECT_EQ(dir_.Contents().size(), 1u);
}

TEST_F(ApplyRenamesTest, ShiftJisTrailByteIsNotASeparator) {
  List({"a.txt"});
  Propose("a.txt", "\x95\x5C.txt");  // 表.txt: trail byte 0x5C
  TApplyResult r = Apply();
  EXPECT_EQ(r.Renamed, 1u);
  EXPECT_TRUE(dir_.Exists("表.txt"));
}

// Rows find their entries whatever their order (a confirmation list sorted by the
// user), and keep their paths after the batch.
TEST(ApplyRenamesOrder, RowsInAnyOrderMarkTheirOwnEntries) {
  const std::vector<std::vector<std::string>> orders = {
      {"a", "b", "c"}, {"c", "b", "a"}, {"b", "a", "c"}, {"a", "c", "b"}};
  for (const auto& order : orders) {
    TTempFolder dir;
    TEntryList entries;
    for (const char* n : {"a", "b", "c"}) {
      dir.Write(n, n);
      entries.Add(EntryFor(dir.Path(), n));
    }
    TConfirmationList rows;
    for (const std::string& n : order) rows.push_back(RowFor(entries, dir.Path(n), n + "2"));
    const std::string label = order[0] + order[1] + order[2];
    ASSERT_EQ(ApplyRenames(entries, rows, {}, {}).Renamed, 3u) << label;
    for (std::size_t i = 0; i < 3; ++i) {
      const TListData& e = entries.EntryAt(i);
      EXPECT_EQ(e.Name, e.OldPath.substr(e.OldPath.size() - 1) + "2") << label;
      EXPECT_EQ(dir.Read(e.Name), e.OldPath.substr(e.OldPath.size() - 1)) << label;
      EXPECT_EQ(RowOldName(entries, rows[i]), order[i]) << label;
      EXPECT_EQ(entries.EntryAt(rows[i].Entry).FullPath(), dir.Path(order[i] + "2")) << label;
    }
  }
}

TEST_F(ApplyRenamesTest, OnlySelectedRowsAreApplied) {
  List({"a", "b", "c"});
  Propose("a", "a2");
  Propose("b", "b2");
  Propose("c", "c2");
  TApplyResult r = Apply({0, 2});
  EXPECT_EQ(r.Renamed, 2u);
  EXPECT_TRUE(dir_.Exists("a2"));
  EXPECT_TRUE(dir_.Exists("b"));
  EXPECT_TRUE(dir_.Exists("c2"));
}

TEST_F(ApplyRenamesTest, CaseOnlyRenameIsApplied) {
  List({"abc.TXT"});
  Propose("abc.TXT", "abc.txt");
  EXPECT_EQ(Apply().Renamed, 1u);
  EXPECT_TRUE(dir_.Exists("abc.txt"));
  EXPECT_FALSE(dir_.Exists("abc.TXT"));
}

TEST_F(ApplyRenamesTest, ReadOnlyIsKeptOnSuccessAndOnFailure) {
  List({"ro.txt", "ro2.txt", "taken.txt"});
  chmod(dir_.Path("ro.txt").c_str(), 0444);
  chmod(dir_.Path("ro2.txt").c_str(), 0440);
  Propose("ro.txt", "renamed.txt");
  Propose("ro2.txt", "taken.txt");
  TApplyResult r = Apply();
  EXPECT_EQ(r.Renamed, 1u);
  EXPECT_EQ(r.Failed, 1u);
  struct stat st;
  ASSERT_EQ(stat(dir_.Path("renamed.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  ASSERT_EQ(stat(dir_.Path("ro2.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0440u);
}

TEST_F(ApplyRenamesTest, SecondBatchDropsTheFirstBatchUndo) {
  List({"a", "b"});
  Propose("a", "a2");
  Apply();
  rows_.clear();
  Propose("b", "a2");  // fails: nothing else is renamed
  TApplyResult r = Apply();
  EXPECT_EQ(r.Renamed, 0u);
  EXPECT_EQ(entries_.EntryAt(0).State, kStateUntouched);
  EXPECT_TRUE(entries_.EntryAt(0).OldPath.empty());
  EXPECT_EQ(entries_.EntryAt(1).State, kStateFailed);
  TUndoResult u = UndoLastBatch(entries_, {}, options_);
  EXPECT_EQ(u.Restored, 0u);
  EXPECT_TRUE(dir_.Exists("a2"));
}

TEST_F(ApplyRenamesTest, WatcherIsOffWhileTheDiskChanges) {
  List({"a"});
  Propose("a", "b");
  std::vector<bool> switches;
  options_.Watcher = [&](bool on) { switches.push_back(on); };
  options_.AfterStep = [&](std::size_t) { EXPECT_EQ(switches.back(), false); };
  Apply();
  EXPECT_EQ(switches, (std::vector<bool>{false, true}));
}

// A cancel stops the batch between moves: the moves done stay done and undoable,
// the rest are never tried (not failures); a swap under way is finished first.
TEST_F(ApplyRenamesTest, ACancelStopsBetweenMovesAndTheBatchStaysUndoable) {
  struct {
    const char* label;
    std::vector<std::pair<std::string, std::string>> renames;
    std::size_t cancel_after_step;
    std::size_t renamed, cancelled;
  } cases[] = {
      {"plain moves", {{"a", "a2"}, {"b", "b2"}, {"c", "c2"}}, 1, 1, 2},
      {"inside a swap", {{"a", "b"}, {"b", "a"}}, 1, 2, 0},
      {"before anything", {{"a", "a2"}, {"b", "b2"}, {"c", "c2"}}, 0, 0, 3},
  };
  for (const auto& c : cases) {
    entries_ = TEntryList();  // the undo of the case before left a, b and c as they were
    rows_.clear();
    List({"a", "b", "c"});
    for (const auto& [from, to] : c.renames) Propose(from, to);
    std::atomic<bool> cancel = c.cancel_after_step == 0;
    options_.StopRequested = [&cancel] { return cancel.load(); };
    options_.AfterStep = [&](std::size_t done) {
      if (done == c.cancel_after_step) cancel = true;
    };
    const TApplyResult r = Apply();
    EXPECT_TRUE(r.Started) << c.label;
    EXPECT_EQ(r.Renamed, c.renamed) << c.label;
    EXPECT_EQ(r.NotRun, c.cancelled) << c.label;
    EXPECT_EQ(r.Failed, 0u) << c.label;
    EXPECT_TRUE(r.Message.empty()) << c.label;
    EXPECT_EQ(dir_.Contents().size(), 3u) << c.label << ": nothing parked at a temporary name";

    cancel = false;
    options_.AfterStep = nullptr;
    const TUndoResult u = UndoLastBatch(entries_, {}, options_);
    EXPECT_EQ(u.Restored, c.renamed) << c.label;
    for (const char* n : {"a", "b", "c"})
      EXPECT_EQ(dir_.Read(n), std::string("content of ") + n) << c.label;
  }
}

// Rows made from another list (or a list that changed since) name entries it does
// not hold: nothing is renamed rather than the wrong item.
TEST_F(ApplyRenamesTest, RowsOfAnotherListRenameNothing) {
  List({"a"});
  Propose("a", "b");
  const std::vector<std::pair<const char*, std::vector<std::size_t>>> cases = {
      {"entry beyond the list", {}}, {"row beyond the rows", {3}}};
  rows_[0].Entry = 1;
  for (const auto& [label, selected] : cases) {
    const TApplyResult r = Apply(selected);
    EXPECT_FALSE(r.Started) << label;
    EXPECT_EQ(r.Message, kMsgRowsOutOfDate) << label;
    EXPECT_TRUE(dir_.Exists("a")) << label;
    rows_[0].Entry = 0;
  }
}

TEST_F(ApplyRenamesTest, ConfirmAndApplyWithNoRowsNeverAsks) {
  bool asked = false;
  TApplyResult r = ConfirmAndApply(
      entries_, rows_, [&](TConfirmationList&) { asked = true; return std::vector<std::size_t>{}; },
      options_);
  EXPECT_FALSE(asked);
  EXPECT_EQ(r.Message, "該当するファイルがありません。");
}

TEST_F(ApplyRenamesTest, ConfirmAndApplyCancelledChangesNothing) {
  List({"a"});
  Propose("a", "b");
  TApplyResult r = ConfirmAndApply(
      entries_, rows_, [](TConfirmationList&) { return std::nullopt; }, options_);
  EXPECT_FALSE(r.Started);
  EXPECT_TRUE(dir_.Exists("a"));
}

TEST_F(ApplyRenamesTest, UnwritableJournalRefusesTheBatch) {
  List({"a"});
  Propose("a", "b");
  Apply();  // gives the entry an undo to keep
  rows_.clear();
  Propose("b", "c");
  options_.JournalFolder = dir_.Path("no-such-folder");
  TApplyResult r = Apply();
  EXPECT_FALSE(r.Started);
  EXPECT_NE(r.Message.find(std::string(kMsgJournalUnwritable)), std::string::npos);
  EXPECT_TRUE(dir_.Exists("b"));
  EXPECT_EQ(entries_.EntryAt(0).State, kStateRenamed);  // the earlier undo survives
}

}  // namespace
}  // namespace nalo
