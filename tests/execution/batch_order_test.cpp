// Batches whose new names are other rows' current names: swaps, shifted numbers,
// longer cycles, folders renamed together with their contents, and a randomized
// check that no generated batch ever loses or replaces a file.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "child_process.h"
#include "execution/apply_renames.h"
#include "execution/batch_fixture.h"
#include "execution/execution_messages.h"
#include "execution/journal_undo.h"
#include "execution/undo_batch.h"
#include "platform/stop_signals.h"

namespace nalo {
namespace {

using testing::EntryFor;
using testing::TChild;
using testing::TTempFolder;

struct TBatch {
  TTempFolder dir;
  TEntryList entries;
  TConfirmationList rows;

  void File(const std::string& name, const std::string& content) {
    dir.Write(name, content);
    entries.Add(EntryFor(dir.Path(), name));
  }
  void Row(const std::string& from, const std::string& to, const std::string& sub = "") {
    TConfirmationRow row = testing::RowFor(entries, dir.Path(sub + from), to);
    rows.push_back(row);
  }
  TApplyResult Apply() { return ApplyRenames(entries, rows, {}, {}); }
};

struct OrderCase {
  const char* label;
  std::vector<std::string> files;                              // content = name
  std::vector<std::pair<std::string, std::string>> renames;
  std::map<std::string, std::string> expected;                 // name -> content
};

const OrderCase kOrderCases[] = {
    {"swap", {"a", "b"}, {{"a", "b"}, {"b", "a"}}, {{"a", "b"}, {"b", "a"}}},
    {"shift-up", {"1", "2", "3"}, {{"1", "2"}, {"2", "3"}, {"3", "4"}},
     {{"2", "1"}, {"3", "2"}, {"4", "3"}}},
    {"shift-down", {"2", "3", "4"}, {{"2", "1"}, {"3", "2"}, {"4", "3"}},
     {{"1", "2"}, {"2", "3"}, {"3", "4"}}},
    {"cycle-4", {"a", "b", "c", "d"}, {{"a", "b"}, {"b", "c"}, {"c", "d"}, {"d", "a"}},
     {{"b", "a"}, {"c", "b"}, {"d", "c"}, {"a", "d"}}},
    {"two-swaps", {"a", "b", "c", "d"}, {{"a", "b"}, {"b", "a"}, {"c", "d"}, {"d", "c"}},
     {{"b", "a"}, {"a", "b"}, {"d", "c"}, {"c", "d"}}},
    {"chain-into-cycle", {"a", "b", "x"}, {{"x", "y"}, {"a", "b"}, {"b", "a"}},
     {{"y", "x"}, {"a", "b"}, {"b", "a"}}},
};

TEST(BatchOrder, RowsOntoOtherRowsNamesAllSucceed) {
  for (const OrderCase& c : kOrderCases) {
    TBatch b;
    for (const auto& f : c.files) b.File(f, f);
    for (const auto& [from, to] : c.renames) b.Row(from, to);
    TApplyResult r = b.Apply();
    EXPECT_EQ(r.Failed, 0u) << c.label;
    EXPECT_EQ(b.dir.Contents(), c.expected) << c.label;

    TUndoResult u = UndoLastBatch(b.entries, {}, {});
    EXPECT_EQ(u.Failed, 0u) << c.label;
    std::map<std::string, std::string> original;
    for (const auto& f : c.files) original[f] = f;
    EXPECT_EQ(b.dir.Contents(), original) << c.label << " after undo";
  }
}

TEST(BatchOrder, RowOntoAnOutsideItemFailsAndBlocksItsChain) {
  TBatch b;
  b.File("a", "a");
  b.File("b", "b");
  b.dir.Write("outside", "outside");
  b.Row("a", "b");        // waits for b, which cannot move
  b.Row("b", "outside");  // the outside item is never replaced
  TApplyResult r = b.Apply();
  EXPECT_EQ(r.Failed, 2u);
  EXPECT_EQ(b.dir.Contents(),
            (std::map<std::string, std::string>{{"a", "a"}, {"b", "b"}, {"outside", "outside"}}));
}

TEST(BatchOrder, FolderAndItsContentsRenamedTogether) {
  TBatch b;
  b.dir.MakeFolder("D");
  b.dir.Write("D/f", "f");
  b.entries.Add(EntryFor(b.dir.Path(), "D"));
  b.dir.Write("D/h", "h");
  b.entries.Add(EntryFor(b.dir.Path("D/"), "f"));
  b.entries.Add(EntryFor(b.dir.Path("D/"), "h"));  // not renamed itself: follows its folder
  b.Row("D", "E");         // listed first: still renamed after its contents
  b.Row("f", "g", "D/");
  TApplyResult r = b.Apply();
  EXPECT_EQ(r.Failed, 0u);
  EXPECT_EQ(b.dir.Read("E/g"), "f");
  const TListData& file = b.entries.EntryAt(1);
  EXPECT_EQ(file.FullPath(), b.dir.Path("E/g"));
  EXPECT_EQ(file.Location, b.dir.Path("E/"));
  EXPECT_EQ(b.entries.EntryAt(2).FullPath(), b.dir.Path("E/h"));
  EXPECT_TRUE(b.entries.EntryAt(2).Location.SameTextAs(file.Location));

  // Undo only the file: it goes back to f inside the renamed folder.
  TUndoRequest only_file;
  only_file.SelectOnly = true;
  only_file.Selected = {1};
  only_file.AskYesNo = [](std::string_view) { return true; };
  EXPECT_EQ(UndoLastBatch(b.entries, only_file, {}).Restored, 1u);
  EXPECT_EQ(b.dir.Read("E/f"), "f");
  // Then the folder: the file's entry follows it.
  EXPECT_EQ(UndoLastBatch(b.entries, {}, {}).Restored, 1u);
  EXPECT_EQ(b.dir.Read("D/f"), "f");
  EXPECT_EQ(b.entries.EntryAt(1).FullPath(), b.dir.Path("D/f"));
  EXPECT_EQ(b.entries.EntryAt(2).FullPath(), b.dir.Path("D/h"));
}

// Random batches over a small name space: rows onto free names, onto other rows'
// names, onto outside items, duplicates. Whatever fails, every file survives with
// its content, and undo brings back the exact starting folder.
TEST(BatchOrder, RandomBatchesNeverLoseAFile) {
  std::mt19937 rng(20240611);
  const int kBatches = 150;
  const int kNames = 12;
  for (int round = 0; round < kBatches; ++round) {
    TBatch b;
    std::vector<std::string> names;
    for (int i = 0; i < kNames; ++i) names.push_back("n" + std::to_string(i));
    std::shuffle(names.begin(), names.end(), rng);
    int listed = 2 + static_cast<int>(rng() % 8);
    int outside = static_cast<int>(rng() % 3);
    for (int i = 0; i < listed; ++i) b.File(names[i], "content-" + names[i]);
    for (int i = listed; i < listed + outside; ++i) b.dir.Write(names[i], "outside-" + names[i]);
    const auto before = b.dir.Contents();
    for (int i = 0; i < listed; ++i) {
      if (rng() % 5 == 0) continue;
      b.Row(names[i], names[rng() % kNames]);
    }
    TApplyResult r = b.Apply();
    auto after = b.dir.Contents();
    std::multiset<std::string> before_set, after_set;
    for (auto& [n, c] : before) before_set.insert(c);
    for (auto& [n, c] : after) after_set.insert(c);
    ASSERT_EQ(before_set, after_set) << "round " << round;
    for (auto& [n, c] : after) {
      if (c.rfind("outside-", 0) == 0) {
        ASSERT_EQ(c, "outside-" + n) << "round " << round;
      }
    }
    ASSERT_EQ(r.Renamed + r.Failed, b.rows.size());
    TUndoResult u = UndoLastBatch(b.entries, {}, {});
    ASSERT_EQ(u.Failed, 0u) << "round " << round;
    ASSERT_EQ(b.dir.Contents(), before) << "round " << round;
  }
}

// The same random batches in a process of their own with the journal, each
// stopped at a random step by SIGTERM or killed outright there, while a rival
// batch on the same settings folder tries to start. The rival is refused and
// touches nothing; no file is lost; a stopped batch leaves no temporary name; and
// undo from the journal brings back the exact starting folder.
TEST(BatchOrder, RandomBatchesSurviveStopsKillsAndRivals) {
  std::mt19937 rng(20261209);
  const int kRounds = 40;
  const int kNames = 10;
  for (int round = 0; round < kRounds; ++round) {
    TBatch b;
    b.dir.MakeFolder("settings");
    TBatchOptions options;
    options.JournalFolder = b.dir.Path("settings");
    std::vector<std::string> names;
    for (int i = 0; i < kNames; ++i) names.push_back("n" + std::to_string(i));
    std::shuffle(names.begin(), names.end(), rng);
    const int listed = 3 + static_cast<int>(rng() % 7);
    for (int i = 0; i < listed; ++i) b.File(names[i], "content-" + names[i]);
    b.dir.Write(names[listed], "outside-" + names[listed]);
    for (int i = 0; i < listed; ++i) b.Row(names[i], names[rng() % listed]);
    const auto before = b.dir.Contents();
    const std::size_t stop_after = 1 + rng() % b.rows.size();
    const bool kill_outright = rng() % 3 == 0;

    TChild child([&](TChild& self) {
      const TStopSignals stop_signals;
      TBatchOptions mine = options;
      mine.StopRequested = [] { return TStopSignals::Requested(); };
      mine.AfterStep = [&](std::size_t done) {
        if (done == stop_after) self.ReportAndWait();
      };
      return ApplyRenames(b.entries, b.rows, {}, mine).Started ? 0 : 1;
    });
    const bool reached = child.AwaitReport();
    if (reached) {
      TEntryList rival_entries;
      rival_entries.Add(EntryFor(b.dir.Path(), names[0]));
      TConfirmationRow rival = testing::RowFor(rival_entries, b.dir.Path(names[0]), "rival");
      TConfirmationList rival_rows{rival};
      TBatchOptions quick = options;
      quick.LockWaitMs = 0;
      const TApplyResult refused = ApplyRenames(rival_entries, rival_rows, {}, quick);
      ASSERT_FALSE(refused.Started) << "round " << round;
      ASSERT_EQ(refused.Message, kMsgJournalBusy) << "round " << round;
      kill(child.Pid(), kill_outright ? SIGKILL : SIGTERM);
      if (!kill_outright) child.Go();
    }
    const int code = child.Wait();
    ASSERT_EQ(code, reached && kill_outright ? 128 + SIGKILL : 0) << "round " << round;
    ASSERT_FALSE(b.dir.Exists("rival")) << "round " << round;
    std::multiset<std::string> before_set, after_set;
    for (auto& [n, c] : before) before_set.insert(c);
    for (auto& [n, c] : b.dir.Contents()) {
      after_set.insert(c);
      if (!kill_outright) ASSERT_EQ(n.find(".nalo-swap-"), std::string::npos) << "round " << round;
    }
    ASSERT_EQ(before_set, after_set) << "round " << round;
    TJournalUndoResult u = UndoFromJournal(options.JournalFolder, {});
    ASSERT_EQ(u.Failed, 0u) << "round " << round;
    ASSERT_EQ(b.dir.Contents(), before) << "round " << round;
  }
}

}  // namespace
}  // namespace nalo
