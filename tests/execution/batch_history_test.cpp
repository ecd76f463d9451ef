// The history of batches on a real settings folder: how many batches it keeps,
// and journals that earlier versions left behind, read and undone as they are.
#include "execution/batch_history.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <fstream>

#include "execution/apply_renames.h"
#include "execution/batch_fixture.h"
#include "execution/execution_messages.h"
#include "execution/journal_undo.h"
#include "execution/record_checksum.h"

namespace nalo {
namespace {

using testing::EntryFor;
using testing::TTempFolder;
using Contents = std::map<std::string, std::string>;

class BatchHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.MakeFolder("settings");
    dir_.MakeFolder("d");
    options_.JournalFolder = dir_.Path("settings");
  }
  // Renames d/<from> to d/<to> in a batch of its own.
  void Batch(const std::string& from, const std::string& to) {
    TEntryList entries;
    entries.Add(EntryFor(dir_.Path("d/"), from));
    TConfirmationRow row = testing::RowFor(entries, dir_.Path("d/" + from), to);
    TConfirmationList rows{row};
    ASSERT_EQ(ApplyRenames(entries, rows, {}, options_).Renamed, 1u) << from;
  }
  std::string Settings() const { return options_.JournalFolder; }

  TTempFolder dir_;
  TBatchOptions options_;
};

// Each batch is a file of its own; the 21st drops the oldest, and what is left
// is still undone newest first.
TEST_F(BatchHistoryTest, TheTwentyFirstBatchDropsTheOldest) {
  dir_.Write("d/n0", "item");
  for (std::size_t i = 0; i < kHistoryBatches + 1; ++i) {
    Batch("n" + std::to_string(i), "n" + std::to_string(i + 1));
  }
  const std::vector<TBatchSummary> batches = ReadHistory(Settings());
  ASSERT_EQ(batches.size(), kHistoryBatches);
  for (const TBatchSummary& b : batches) {
    EXPECT_EQ(b.State, TJournalState::Finished);
    EXPECT_EQ(b.Counts.Renamed, 1u);
    EXPECT_EQ(b.Folder + "/", dir_.Path("d/"));
  }
  std::vector<std::string> names;
  ASSERT_EQ(ListRecordFolder(HistoryFolder(Settings()), names), 0);
  EXPECT_EQ(names.size(), kHistoryBatches);
  for (std::size_t i = kHistoryBatches + 1; i > 1; --i) {
    const TJournalUndoResult u = UndoFromJournal(Settings(), {});
    EXPECT_EQ(u.Restored, 1u) << i;
    EXPECT_TRUE(dir_.Exists("d/n" + std::to_string(i - 1))) << i;
  }
  // The first batch (n0 -> n1) was dropped: n1 stays.
  EXPECT_FALSE(UndoFromJournal(Settings(), {}).Found);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"n1", "item"}}));
}

// A batch file whose head was damaged blocks undo with a message until it is
// discarded; it is then set aside and undo goes on to the batch before it.
TEST_F(BatchHistoryTest, DamagedBatchIsSetAsideByDiscard) {
  dir_.Write("d/a", "a");
  dir_.Write("d/x", "x");
  Batch("a", "b");
  Batch("x", "y");
  const std::string newest = ReadHistory(Settings()).front().Path;
  std::string text = dir_.Read(newest.substr(dir_.Path().size()));
  text.replace(text.find("batch\t") + 6, 1, "X");
  std::ofstream(newest, std::ios::binary | std::ios::trunc) << text;
  ASSERT_FALSE(ReadHistory(Settings()).front().State);

  const TJournalUndoResult refused = UndoFromJournal(Settings(), {});
  EXPECT_EQ(refused.Failed, 1u);
  EXPECT_EQ(refused.Messages, std::vector<std::string>{DamagedJournalMessage(newest)});
  EXPECT_TRUE(dir_.Exists("d/y"));

  ASSERT_TRUE(DiscardJournal(Settings()));
  EXPECT_EQ(ReadHistory(Settings()).size(), 1u);
  const TJournalUndoResult older = UndoFromJournal(Settings(), {});
  EXPECT_EQ(older.Number, 1u);
  EXPECT_EQ(older.Restored, 1u);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a", "a"}, {"y", "x"}}));
}

// An undo stopped half way leaves the batch pending; the next undo takes the same
// batch again and finishes it, before any older one.
TEST_F(BatchHistoryTest, StoppedUndoLeavesTheBatchPending) {
  dir_.Write("d/old", "old");
  Batch("old", "older");
  TEntryList entries;
  TConfirmationList rows;
  for (const char* name : {"a", "b", "c"}) {
    dir_.Write(std::string("d/") + name, name);
    entries.Add(EntryFor(dir_.Path("d/"), name));
    TConfirmationRow row =
        testing::RowFor(entries, dir_.Path(std::string("d/") + name), std::string(name) + "2");
    rows.push_back(row);
  }
  ASSERT_EQ(ApplyRenames(entries, rows, {}, options_).Renamed, 3u);
  int asked = 0;
  const TJournalUndoResult stopped = UndoFromJournal(Settings(), {}, [&] { return ++asked > 1; });
  EXPECT_TRUE(stopped.Stopped);
  EXPECT_EQ(stopped.Restored, 1u);
  EXPECT_FALSE(stopped.Settled);
  EXPECT_EQ(ReadHistory(Settings())[0].State, TJournalState::Pending);

  const TJournalUndoResult rest = UndoFromJournal(Settings(), {});
  EXPECT_EQ(rest.Number, 1u);
  EXPECT_EQ(rest.Restored, 2u);
  EXPECT_TRUE(rest.Settled);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a", "a"}, {"b", "b"}, {"c", "c"}, {"older", "old"}}));
  EXPECT_EQ(ReadHistory(Settings())[0].State, TJournalState::Undone);
  EXPECT_EQ(ReadHistory(Settings())[1].State, TJournalState::Finished);
}

// When the history folder cannot be made, a finished batch stays in the journal
// file: the next batch refuses to start rather than write over it, and the
// finished one can still be undone.
TEST_F(BatchHistoryTest, BatchThatCannotMoveIntoTheHistoryIsNotWrittenOver) {
  dir_.Write("settings/" + std::string(kHistoryFolderName), "a file in the way");
  dir_.Write("d/a", "a");
  dir_.Write("d/x", "x");
  Batch("a", "b");
  EXPECT_EQ(ReadHistory(Settings()).size(), 1u);
  EXPECT_EQ(ReadHistory(Settings())[0].Path, JournalPath(Settings()));

  TEntryList entries;
  entries.Add(EntryFor(dir_.Path("d/"), "x"));
  TConfirmationRow row = testing::RowFor(entries, dir_.Path("d/x"), "y");
  TConfirmationList rows{row};
  const TApplyResult refused = ApplyRenames(entries, rows, {}, options_);
  EXPECT_FALSE(refused.Started);
  EXPECT_NE(refused.Message.find(std::strerror(ENOTDIR)), std::string::npos) << refused.Message;
  EXPECT_TRUE(dir_.Exists("d/x"));
  EXPECT_EQ(UndoFromJournal(Settings(), {}).Restored, 1u);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a", "a"}, {"x", "x"}}));
}

std::string Checked(std::string body) {
  std::string line = body + "\t";
  AppendChecksumHex(line, RecordChecksum(body));
  return line + "\n";
}

std::string Number(std::uint64_t n) { return std::to_string(n); }

// A swap a <-> b through a temporary name, as earlier versions journalled it,
// with the disk as the batch left it (a holds "b", b holds "a").
struct TLegacyCase {
  const char* label;
  int version;
  bool finished;  // the batch reached its end
};

class LegacyJournalTest : public BatchHistoryTest,
                          public ::testing::WithParamInterface<TLegacyCase> {
 protected:
  std::string JournalText(const TLegacyCase& c) {
    dir_.Write("d/a", "b");
    dir_.Write("d/b", "a");
    struct stat sa {
    }, sb{};
    stat(dir_.Path("d/a").c_str(), &sa);
    stat(dir_.Path("d/b").c_str(), &sb);
    const std::string a = dir_.Path("d/a"), b = dir_.Path("d/b"), t = dir_.Path("d/.tmp");
    struct Step {
      const struct stat& id;
      int first;
      std::string from, to;
    };
    const Step steps[] = {{sb, 1, a, t}, {sa, 1, b, a}, {sb, 0, t, b}};
    std::string text;
    if (c.version == 1) {
      text = "NALO-BATCH-JOURNAL 1\n";
      for (const Step& s : steps) {
        text += "step\t" + Number(s.id.st_dev) + "\t" + Number(s.id.st_ino) + "\t" +
                Number(s.first) + "\t" + s.from + "\t" + s.to + "\n";
      }
      text += "planned\t3\n";
      if (c.finished) text += "finished\n";
      return text;
    }
    text = "NALO-BATCH-JOURNAL 2\n" + Checked("batch\t0123456789abcdef") +
           Checked(std::string("state\t") + (c.finished ? "finished   " : "planned    "));
    for (std::size_t i = 0; i < 3; ++i) {
      const Step& s = steps[i];
      const int kind = s.first == 0 ? 2 : (i == 0 ? 1 : 0);
      text += Checked("step\t" + Number(i) + "\t" + Number(s.id.st_dev) + "\t" +
                      Number(s.id.st_ino) + "\t" + Number(kind) + "\t" + s.from + "\t" + s.to);
    }
    return text + Checked("planned\t3");
  }
};

TEST_P(LegacyJournalTest, IsListedAsAHistoryOfOneAndUndone) {
  const TLegacyCase c = GetParam();
  std::ofstream(dir_.Path("settings/") + kJournalFileName, std::ios::binary) << JournalText(c);
  const std::vector<TBatchSummary> batches = ReadHistory(Settings());
  ASSERT_EQ(batches.size(), 1u);
  ASSERT_TRUE(batches[0].State);
  EXPECT_EQ(*batches[0].State, c.finished ? TJournalState::Finished : TJournalState::Planned);
  EXPECT_EQ(batches[0].Counts.Renamed, 2u);
  EXPECT_EQ(batches[0].Folder + "/", dir_.Path("d/"));
  EXPECT_EQ(JournalBlocksNextBatch(Settings()), !c.finished);

  const TJournalUndoResult u = UndoFromJournal(Settings(), {});
  EXPECT_TRUE(u.Found);
  EXPECT_EQ(u.Restored, 2u);
  EXPECT_EQ(u.Failed + u.Skipped, 0u);
  EXPECT_EQ(dir_.Contents("d/"), (Contents{{"a", "a"}, {"b", "b"}}));
  EXPECT_FALSE(JournalBlocksNextBatch(Settings()));
  ASSERT_EQ(ReadHistory(Settings()).size(), 1u);
  EXPECT_EQ(ReadHistory(Settings())[0].State, TJournalState::Undone);
  EXPECT_FALSE(UndoFromJournal(Settings(), {}).Found);
  // It moved into the history in the current format, compacted to its head.
  const std::string path = ReadHistory(Settings())[0].Path;
  EXPECT_NE(path, JournalPath(Settings()));
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text.rfind("NALO-BATCH-JOURNAL 3\n", 0), 0u) << text;
  EXPECT_EQ(text.find("step\t"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Formats, LegacyJournalTest,
                         ::testing::Values(TLegacyCase{"first_finished", 1, true},
                                           TLegacyCase{"first_cut_short", 1, false},
                                           TLegacyCase{"second_finished", 2, true},
                                           TLegacyCase{"second_cut_short", 2, false}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace nalo
