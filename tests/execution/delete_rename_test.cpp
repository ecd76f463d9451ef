// Delete and single rename on a real folder, and the clash preview of a batch.
#include <gtest/gtest.h>

#include <cstdlib>

#include "execution/batch_fixture.h"
#include "execution/delete_entries.h"
#include "execution/execution_messages.h"
#include "execution/rename_preview.h"
#include "execution/single_rename.h"

namespace nalo {
namespace {

using testing::EntryFor;
using testing::TTempFolder;

class DeleteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.MakeFolder("xdg");
    setenv("XDG_DATA_HOME", dir_.Path("xdg").c_str(), 1);
  }
  void TearDown() override { unsetenv("XDG_DATA_HOME"); }
  void File(const std::string& relative) {
    dir_.Write(relative, relative);
    std::size_t slash = relative.rfind('/');
    std::string sub = slash == std::string::npos ? "" : relative.substr(0, slash + 1);
    entries_.Add(EntryFor(dir_.Path(sub), relative.substr(sub.size())));
  }
  TTempFolder dir_;
  TEntryList entries_;
};

TEST_F(DeleteTest, OneFailureAmongThreeIsCountedAndStaysListed) {
  dir_.MakeFolder("sub");
  File("a");
  File("sub/b");
  File("c");
  // The second item's folder is replaced by a plain file: its path no longer leads
  // anywhere, so its delete fails even for root.
  std::filesystem::rename(dir_.Path("sub"), dir_.Path("moved"));
  dir_.Write("sub", "now a file");
  TDeleteResult r = DeleteSelectedEntries(entries_, {0, 1, 2}, [] { return false; }, {});
  EXPECT_EQ(r.Deleted, 2u);
  EXPECT_EQ(r.Failed, 1u);
  EXPECT_EQ(r.Message, "2個のファイルを削除しました。\rまた、1個のファイルが削除に失敗しました。");
  ASSERT_EQ(entries_.Count(), 1u);
  EXPECT_EQ(entries_.EntryAt(0).Name, "b");
  EXPECT_FALSE(dir_.Exists("a"));
}

TEST_F(DeleteTest, ReportTexts) {
  EXPECT_EQ(DeleteReport(3, 0), "3個のファイルを削除しました。");
  EXPECT_EQ(DeleteReport(0, 2), "2個のファイルが削除に失敗しました。");
  EXPECT_EQ(DeleteReport(0, 0), "");
}

TEST_F(DeleteTest, NothingSelectedAsksNothing) {
  File("a");
  bool asked = false;
  TDeleteResult r = DeleteSelectedEntries(entries_, {}, [&] { asked = true; return true; }, {});
  EXPECT_FALSE(asked);
  EXPECT_TRUE(r.Message.empty());
  EXPECT_EQ(entries_.Count(), 1u);
}

TEST_F(DeleteTest, CancelledDialogDeletesNothing) {
  File("a");
  TDeleteResult r = DeleteSelectedEntries(entries_, {0}, [] { return std::nullopt; }, {});
  EXPECT_TRUE(r.Message.empty());
  EXPECT_TRUE(dir_.Exists("a"));
}

TEST_F(DeleteTest, TrashKeepsTheItemAndWhereItCameFrom) {
  File("a b%.txt");
  TDeleteResult r = DeleteSelectedEntries(entries_, {0}, [] { return true; }, {});
  EXPECT_EQ(r.Deleted, 1u);
  EXPECT_FALSE(dir_.Exists("a b%.txt"));
  EXPECT_EQ(dir_.Read("xdg/Trash/files/a b%.txt"), "a b%.txt");
  std::string info = dir_.Read("xdg/Trash/info/a b%.txt.trashinfo");
  EXPECT_NE(info.find("[Trash Info]\nPath=" + dir_.Path("a%20b%25.txt")), std::string::npos) << info;
  EXPECT_NE(info.find("DeletionDate="), std::string::npos);

  File("a b%.txt");  // the same name again gets a numbered slot
  DeleteSelectedEntries(entries_, {0}, [] { return true; }, {});
  EXPECT_EQ(dir_.Read("xdg/Trash/files/a b%.txt.2"), "a b%.txt");
}

TEST_F(DeleteTest, DirectDeleteRemovesFoldersButNotLinkTargets) {
  dir_.MakeFolder("keep");
  dir_.Write("keep/precious", "x");
  dir_.MakeFolder("gone");
  dir_.MakeFolder("gone/deeper");
  dir_.Write("gone/deeper/f", "x");
  symlink(dir_.Path("keep").c_str(), dir_.Path("gone/link").c_str());
  entries_.Add(EntryFor(dir_.Path(), "gone"));
  TDeleteResult r = DeleteSelectedEntries(entries_, {0}, [] { return false; }, {});
  EXPECT_EQ(r.Deleted, 1u);
  EXPECT_FALSE(dir_.Exists("gone"));
  EXPECT_EQ(dir_.Read("keep/precious"), "x");
}

class SingleRenameTest : public ::testing::Test {
 protected:
  void File(const std::string& name) {
    dir_.Write(name, name);
    entries_.Add(EntryFor(dir_.Path(), name));
  }
  TTempFolder dir_;
  TEntryList entries_;
};

TEST_F(SingleRenameTest, DialogRetriesAfterAClashUntilCancelled) {
  File("a.txt");
  File("b.txt");
  entries_.EntryAt(0).State = kStateRenamed;
  entries_.EntryAt(0).OldPath = dir_.Path("old.txt");
  std::vector<std::string> asked, shown;
  std::vector<std::optional<std::string>> answers = {"b.txt", std::nullopt};
  auto ask = [&](const std::string& t) { asked.push_back(t); auto a = answers.front(); answers.erase(answers.begin()); return a; };
  auto r = RenameThroughDialog(entries_, 0, ask, [&](std::string_view m) { shown.emplace_back(m); }, {});
  EXPECT_EQ(r.Status, TSingleRenameStatus::kCancelled);
  EXPECT_EQ(asked, (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(shown, (std::vector<std::string>{std::string(kMsgCannotRename)}));
  EXPECT_EQ(entries_.EntryAt(0).Name, "a.txt");
  EXPECT_EQ(dir_.Read("b.txt"), "b.txt");

  answers = {"b.txt", "c.txt"};
  r = RenameThroughDialog(entries_, 0, ask, [](std::string_view) {}, {});
  EXPECT_EQ(r.Status, TSingleRenameStatus::kRenamed);
  const TListData& e = entries_.EntryAt(0);
  EXPECT_EQ(e.FullPath(), dir_.Path("c.txt"));
  EXPECT_EQ(e.State, kStateUntouched);
  EXPECT_TRUE(e.OldPath.empty());
}

TEST_F(SingleRenameTest, DialogRefusesForbiddenCharacters) {
  EXPECT_EQ(DialogNameRefusal("a|b.txt"),
            "ファイル名には次の文字は使えません。\r              \\ / : ; * ? \" < > |");
  EXPECT_FALSE(DialogNameRefusal("\x95\x5C.txt"));  // 表: trail byte 0x5C
}

TEST_F(SingleRenameTest, InPlaceEdits) {
  File("a.txt");
  File("b.txt");
  struct Case {
    const char* label;
    std::string text;
    TSingleRenameStatus status;
    std::string message;
  };
  const Case cases[] = {
      {"same-name", "a.txt", TSingleRenameStatus::kUnchanged, ""},
      {"forbidden", "x:y", TSingleRenameStatus::kRefused, std::string(kMsgInPlaceForbiddenChar)},
      {"taken", "b.txt", TSingleRenameStatus::kFailed, std::string(kMsgCannotRename)},
      {"free", "c.txt", TSingleRenameStatus::kRenamed, ""},
  };
  for (const Case& c : cases) {
    auto r = RenameInPlace(entries_, 0, c.text, {});
    EXPECT_EQ(r.Status, c.status) << c.label;
    EXPECT_EQ(r.Message, c.message) << c.label;
    EXPECT_EQ(r.RefreshCounts, c.status != TSingleRenameStatus::kRefused) << c.label;
  }
  EXPECT_EQ(dir_.Read("c.txt"), "a.txt");
  EXPECT_EQ(dir_.Read("b.txt"), "b.txt");
  EXPECT_EQ(entries_.EntryAt(0).Name, "c.txt");
}

TEST(RenamePreview, ClashesAsTheBatchWouldMeetThem) {
  TTempFolder dir;
  TEntryList entries;
  for (auto n : {"a", "b", "c", "outside", "x"}) {
    dir.Write(n, n);
    entries.Add(EntryFor(dir.Path(), n));
  }
  auto row = [&](const std::string& from, const std::string& to) {
    return testing::RowFor(entries, dir.Path(from), to);
  };
  TConfirmationList rows = {
      row("a", "b"),        // waits for b, which is blocked: exists
      row("b", "outside"),  // exists
      row("c", "free"),     // fine
      row("x", "free"),     // duplicate
      row("a", "q:r"),      // invalid
      row("a", std::string(300, 'l')),
  };
  auto clashes = PreviewClashes(rows, entries, true);
  std::vector<std::string_view> names;
  for (auto c : clashes) names.push_back(ClashName(c));
  EXPECT_EQ(names, (std::vector<std::string_view>{"exists", "exists", "", "duplicate", "invalid",
                                                  "too-long"}));
  TConfirmationList swap = {row("a", "b"), row("b", "a")};
  for (auto c : PreviewClashes(swap, entries, true)) EXPECT_EQ(c, TRowClash::kNone);
}

// Names read as text are no files: the listed names stand in for the disk, so a
// row onto a listed name that keeps its name clashes, one onto a moving row's name
// does not.
TEST(RenamePreview, ListedNamesStandInForTheDisk) {
  TEntryList entries;
  for (auto n : {"b", "c", "d", "e2"}) entries.Add(EntryFor("./", n));
  auto row = [&](const std::string& from, const std::string& to) {
    return testing::RowFor(entries, "./" + from, to);
  };
  const std::vector<std::string> listed = {"./a", "./b", "./c", "./d"};
  TConfirmationList rows = {row("b", "a"), row("c", "d"), row("d", "e"), row("e2", "c")};
  std::vector<std::string_view> names;
  for (auto c : PreviewClashes(rows, entries, false, listed)) names.push_back(ClashName(c));
  EXPECT_EQ(names, (std::vector<std::string_view>{"exists", "", "", ""}));
  for (auto c : PreviewClashes(rows, entries, false)) EXPECT_EQ(c, TRowClash::kNone);
}

}  // namespace
}  // namespace nalo
