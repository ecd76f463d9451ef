// The fast paths of a batch: the flat path table against a standard map, renames
// by bare name in a held-open folder, batches over more folders than are held
// open, folders with no UTF-8 form, and journal paths whose folder needs escaping.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <random>
#include <set>
#include <unordered_map>

#include "execution/apply_renames.h"
#include "execution/batch_fixture.h"
#include "execution/batch_history.h"
#include "execution/batch_journal.h"
#include "execution/batch_paths.h"
#include "execution/journal_undo.h"
#include "execution/path_table.h"
#include "execution/undo_batch.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

using testing::EntryFor;
using testing::ReadJournal;
using testing::TTempFolder;
using testing::UnfinishedJournal;

TEST(PathTable, AgreesWithAStandardMap) {
  struct Case {
    const char* label;
    std::size_t expected;  // size hint given to the table
    std::size_t inserts;
    std::size_t distinct;  // keys drawn from this many paths, so some repeat
  };
  const Case cases[] = {
      {"no-hint-grows", 0, 5000, 3000},
      {"exact-hint", 4000, 4000, 4000},
      {"mostly-repeats", 100, 2000, 50},
      {"empty", 10, 0, 1},
  };
  std::mt19937 random(7);
  for (const Case& c : cases) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < c.distinct; ++i) paths.push_back("/d/" + std::to_string(i) + ".jpg");
    TPathTable table(c.expected);
    std::unordered_map<std::string_view, std::size_t> reference;
    for (std::size_t k = 0; k < c.inserts; ++k) {
      const std::string& key = paths[random() % paths.size()];
      std::size_t expected = reference.emplace(key, k).first->second;  // first value stays
      ASSERT_EQ(table.Insert(key, k), expected) << c.label;
    }
    for (const std::string& p : paths) {
      auto it = reference.find(p);
      EXPECT_EQ(table.Find(p), it == reference.end() ? TPathTable::npos : it->second) << c.label;
    }
    EXPECT_EQ(table.Find("/d/missing"), TPathTable::npos) << c.label;
  }
}

TEST(HeldFolder, BareNameCallsActInTheFolderEvenAfterItMoved) {
  TTempFolder dir;
  dir.MakeFolder("f");
  dir.Write("f/a", "a");
  dir.Write("f/b", "b");
  int fd = OpenFolderForNames(dir.Path("f"));
  ASSERT_GE(fd, 0);
  ASSERT_EQ(rename(dir.Path("f").c_str(), dir.Path("g").c_str()), 0);
  EXPECT_EQ(RenameNoReplaceAt(fd, "a", "b"), EEXIST);
  EXPECT_EQ(RenameNoReplaceAt(fd, "missing", "c"), ENOENT);
  EXPECT_EQ(RenameNoReplaceAt(fd, "a", "c"), 0);
  EXPECT_EQ(dir.Read("g/c"), "a");
  EXPECT_EQ(dir.Read("g/b"), "b");
  auto id = IdentityAt(fd, "c");
  ASSERT_TRUE(id);
  EXPECT_EQ(SetModeAt(fd, "c", 0444), 0);
  EXPECT_TRUE(IdentityAt(fd, "c")->IsReadOnly());
  EXPECT_EQ(ClearReadOnlyAt(fd, "c", 0444), 0);
  EXPECT_EQ(IdentityAt(fd, "c")->Mode & 07777, 0644u);
  EXPECT_EQ(IdentityAt(fd, "c")->Inode, id->Inode);
  close(fd);
}

// Every folder swaps its a and b; the last one also holds a read-only file and a
// rename onto an item outside the batch.
TEST(HeldFolder, BatchOverMoreFoldersThanAreHeldOpen) {
  TTempFolder dir;
  dir.MakeFolder("settings");
  TBatchOptions options;
  options.JournalFolder = dir.Path("settings");
  const std::size_t folders = kMaxHeldFolders + 3;
  TEntryList entries;
  TConfirmationList rows;
  auto row = [&](const std::string& folder, const std::string& from, const std::string& to) {
    rows.push_back(testing::RowFor(entries, dir.Path(folder + from), to));
  };
  std::string last;
  for (std::size_t i = 0; i < folders; ++i) {
    last = "f" + std::to_string(i) + "/";
    dir.MakeFolder(last);
    for (const char* n : {"a", "b"}) {
      dir.Write(last + n, last + n);
      entries.Add(EntryFor(dir.Path(last), n));
    }
    row(last, "a", "b");
    row(last, "b", "a");
  }
  dir.Write(last + "ro", "ro");
  chmod(dir.Path(last + "ro").c_str(), 0444);
  entries.Add(EntryFor(dir.Path(last), "ro"));
  row(last, "ro", "ro2");
  dir.Write(last + "c", "c");
  dir.Write(last + "outside", "outside");
  entries.Add(EntryFor(dir.Path(last), "c"));
  row(last, "c", "outside");

  std::set<std::string> told;
  options.StepFolder = [&](std::string_view folder) { told.emplace(folder); };
  TApplyResult r = ApplyRenames(entries, rows, {}, options);
  EXPECT_EQ(r.Renamed, 2 * folders + 1);
  // The steps name each folder they work in, held open or not.
  EXPECT_EQ(told.size(), folders);
  EXPECT_EQ(told.count(dir.Path(last)), 1u);
  EXPECT_EQ(r.Failed, 1u);
  for (std::size_t i = 0; i < folders; ++i) {
    std::string f = "f" + std::to_string(i) + "/";
    EXPECT_EQ(dir.Read(f + "a"), f + "b") << f;
    EXPECT_EQ(dir.Read(f + "b"), f + "a") << f;
  }
  struct stat st;
  ASSERT_EQ(stat(dir.Path(last + "ro2").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_EQ(dir.Read(last + "c"), "c");
  EXPECT_EQ(dir.Read(last + "outside"), "outside");

  TJournalUndoResult u = UndoFromJournal(options.JournalFolder, {});
  EXPECT_EQ(u.Restored, 2 * folders + 1);
  EXPECT_EQ(u.Failed, 0u);
  EXPECT_EQ(dir.Read("f0/a"), "f0/a");
  EXPECT_EQ(dir.Read(last + "b"), last + "b");
  EXPECT_TRUE(dir.Exists(last + "ro"));
}

TEST(HeldFolder, FolderWithoutUtf8FormFailsAndTouchesNothing) {
  TTempFolder dir;
  dir.Write("a", "a");
  TEntryList entries;
  entries.Add(EntryFor(dir.Path("\x81/"), "a"));  // a lone lead byte: no UTF-8 form
  TConfirmationList rows{{0, false, "b"}};
  TApplyResult result = ApplyRenames(entries, rows, {}, {});
  EXPECT_EQ(result.Failed, 1u);
  EXPECT_EQ(dir.Read("a"), "a");
  EXPECT_FALSE(dir.Exists("b"));
}

class HeldFolderJournal : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.MakeFolder("settings");
    options_.JournalFolder = dir_.Path("settings");
  }
  std::string JournalText() const {
    std::ifstream in(testing::NewestBatchFile(options_.JournalFolder), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void SetJournalText(const std::string& text) const {
    std::ofstream(testing::NewestBatchFile(options_.JournalFolder),
                  std::ios::binary | std::ios::trunc)
        << text;
  }
  TApplyResult Rename(const std::string& folder, const std::string& from, const std::string& to) {
    entries_.Add(EntryFor(dir_.Path(folder), from));
    rows_ = {{static_cast<std::uint32_t>(entries_.Count() - 1), false, to}};
    return ApplyRenames(entries_, rows_, {}, options_);
  }

  TTempFolder dir_;
  TBatchOptions options_;
  TEntryList entries_;
  TConfirmationList rows_;
};

TEST_F(HeldFolderJournal, FolderNeedingEscapesComesBackFromTheJournal) {
  const std::string folder = "tab\there\\back\nline/";
  dir_.MakeFolder(folder);
  dir_.Write(folder + "a", "a");
  ASSERT_EQ(Rename(folder, "a", "b").Renamed, 1u);
  auto record = ReadJournal(options_.JournalFolder);
  ASSERT_TRUE(record);
  ASSERT_EQ(record->Steps.size(), 1u);
  EXPECT_EQ(record->Steps[0].From, dir_.Path(folder + "a"));
  EXPECT_EQ(record->Steps[0].To, dir_.Path(folder + "b"));
  EXPECT_EQ(UndoFromJournal(options_.JournalFolder, {}).Restored, 1u);
  EXPECT_EQ(dir_.Read(folder + "a"), "a");
}

// A batch undone through the entry list must never be undone a second time from
// its journal, whatever state the journal's last line is in.
TEST_F(HeldFolderJournal, UndoneBatchIsNeverUndoneAgainFromItsJournal) {
  struct Case {
    const char* label;
    std::size_t cut;  // bytes cut off the end of the journal before the undo
  };
  const Case cases[] = {{"whole", 0}, {"finished-cut", 3}, {"finished-line-gone", 9}};
  for (const Case& c : cases) {
    entries_ = TEntryList();
    dir_.Write("a", "a");
    ASSERT_EQ(Rename("", "a", "b").Renamed, 1u) << c.label;
    std::string text = JournalText();
    SetJournalText(text.substr(0, text.size() - c.cut));
    EXPECT_EQ(UndoLastBatch(entries_, {}, options_).Restored, 1u) << c.label;
    // The user renames the very same item to the batch's new name again.
    ASSERT_EQ(rename(dir_.Path("a").c_str(), dir_.Path("b").c_str()), 0);
    EXPECT_FALSE(UnfinishedJournal(options_.JournalFolder)) << c.label;
    EXPECT_EQ(UndoFromJournal(options_.JournalFolder, {}).Restored, 0u) << c.label;
    EXPECT_EQ(dir_.Read("b"), "a") << c.label;
    EXPECT_FALSE(dir_.Exists("a")) << c.label;
    unlink(dir_.Path("b").c_str());
  }
}

}  // namespace
}  // namespace nalo
