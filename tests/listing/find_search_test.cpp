// The scanner on real temporary folders.
#include "listing/find_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "listing/list_sort.h"
#include "listing/temp_tree.h"
#include "platform/encoding.h"
#include "platform/file_times.h"
#include "platform/user_area_table.h"

namespace nalo {
namespace {

using testing::TTempTree;

// "name" for rows in the scanned folder, "sub/name" below it.
std::vector<std::string> RelativePaths(const TScanRows& rows, const TTempTree& tree) {
  std::vector<std::string> out;
  for (const TFileInfoRec& r : rows) out.push_back(r.FullPath().substr(tree.Path().size()));
  return out;
}

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

TScanRows Scan(const TTempTree& tree, std::string_view masks, bool file_mode = true,
               bool sub_folders = false, bool sizes_and_dates = true) {
  TFindSearch search;
  search.ReadSizeAndDate = sizes_and_dates;
  TScanRows rows;
  EXPECT_TRUE(search.Search(tree.Root(), masks, file_mode, rows, sub_folders));
  return rows;
}

TEST(FindSearch, MasksAreMergedAndUsedAsWritten) {
  TTempTree tree;
  tree.File("a.jpg");
  tree.File("b.JPG");
  tree.File("c.txt");
  tree.File(" d.txt");
  EXPECT_EQ(Sorted(RelativePaths(Scan(tree, "*.JPG;*.jpg"), tree)),
            (std::vector<std::string>{"a.jpg", "b.JPG"}));
  EXPECT_EQ(Scan(tree, "*.txt;*").size(), 4u);
  EXPECT_EQ(RelativePaths(Scan(tree, " *.txt"), tree), std::vector<std::string>{" d.txt"});
  EXPECT_EQ(Scan(tree, "").size(), 4u);
}

TEST(FindSearch, ItemMatchedByTwoMasksIsListedTwiceInMaskOrder) {
  TTempTree tree;
  tree.File("a.jpg");
  tree.File("b.jpg");
  tree.File("a.txt");
  EXPECT_EQ(RelativePaths(Scan(tree, "a*;*.jpg"), tree).size(), 4u);
  const std::vector<std::string> rows = RelativePaths(Scan(tree, "*.txt;*.jpg"), tree);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], "a.txt");
}

TEST(FindSearch, RowFieldsDescribeTheItem) {
  TTempTree tree;
  tree.MakeFolder("sub");
  tree.File("sub/x.bin", 1234);
  const std::time_t when = 1037612730;  // 2002-11-18 09:45:30 UTC
  tree.SetModified("sub/x.bin", when);
  const TScanRows rows = Scan(tree, "*.*", true, true);
  ASSERT_EQ(rows.size(), 1u);
  const TFileInfoRec& r = rows[0];
  EXPECT_EQ(r.Name, "x.bin");
  EXPECT_EQ(r.Location, tree.Path() + "sub/");
  EXPECT_EQ(r.Location + r.Name, r.FullPath());
  EXPECT_EQ(r.Size, 1234);
  EXPECT_DOUBLE_EQ(r.Modified, DayCountOfUnixTime(when));
  EXPECT_EQ(static_cast<std::uint32_t>(r.FileTime), DosDateTimeOf(LocalTimeOf(when)));
}

// A folder large enough to be examined on two threads gives each row its own
// item's size, with and without a mask.
TEST(FindSearch, LargeFolderRowsCarryTheirOwnSizes) {
  TTempTree tree;
  constexpr int kFiles = 700;
  for (int i = 0; i < kFiles; ++i) tree.File(std::to_string(i) + ".dat", i);
  for (const char* mask : {"*.*", "*1.dat"}) {
    SCOPED_TRACE(mask);
    const TScanRows rows = Scan(tree, mask);
    EXPECT_EQ(rows.size(), std::string_view(mask) == "*.*" ? 700u : 70u);
    for (const TFileInfoRec& r : rows) EXPECT_EQ(std::to_string(r.Size) + ".dat", r.Name);
  }
}

// The helper thread examines the items of folders read ahead of the rows: each
// row still carries its own item's size, the rows come folder by folder in the
// order the folders were entered (also when more folders are read than the queue
// holds at once), and an item removed after its folder was read is left out (its
// look finds nothing) while the rest stay listed.
TEST(FindSearch, FoldersExaminedAheadKeepTheirOrderSizesAndDropVanishedItems) {
  struct TCase {
    const char* Name;
    int Folders;
    int FilesPerFolder;
  };
  for (const TCase& c :
       {TCase{"three large folders", 3, 600}, TCase{"more folders than the queue holds", 40, 30}}) {
    SCOPED_TRACE(c.Name);
    TTempTree tree;
    for (int f = 0; f < c.Folders; ++f) {
      const std::string folder = "f" + std::to_string(f);
      tree.MakeFolder(folder);
      for (int i = 0; i < c.FilesPerFolder; ++i) {
        tree.File(folder + "/" + std::to_string(i) + ".dat", i);
      }
    }
    TFindSearch search;
    std::vector<std::string> entered;
    bool removed = false;
    search.OnFolder = [&](const std::string& folder) { entered.push_back(folder); };
    search.OnIdle = [&] {  // called for each name read, before any look at the items
      if (entered.back().ends_with("/f1/") && !removed) {
        removed = std::remove(tree.Path("f1/7.dat").c_str()) == 0;
      }
    };
    TScanRows rows;
    ASSERT_TRUE(search.Search(tree.Root(), "*.*", true, rows, true));
    ASSERT_TRUE(removed);
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(c.Folders * c.FilesPerFolder - 1));
    std::vector<std::string> row_folders;
    for (const TFileInfoRec& r : rows) {
      EXPECT_EQ(std::to_string(r.Size) + ".dat", r.Name);
      EXPECT_NE(r.FullPath(), tree.Path("f1/7.dat"));
      if (row_folders.empty() || row_folders.back() != r.Location.str()) {
        row_folders.push_back(r.Location);
      }
    }
    entered.erase(entered.begin());  // the root holds no files
    EXPECT_EQ(row_folders, entered);
  }
}

// The keys the scan makes beside the looks are the rows' own name keys, one per
// row, whatever made the row: two masks, a link whose kind only the look told, a
// folder in folder mode, a Japanese name.
TEST(FindSearch, SortKeysAreThoseOfTheRowsNames) {
  TTempTree tree;
  tree.MakeFolder("sub");
  tree.File("sub/b.txt");
  tree.File("a.txt");
  tree.File("\xE5\x86\x99\xE7\x9C\x9F.jpg");  // 写真
  tree.Link("a.txt", "link.txt");
  struct TCase {
    const char* Masks;
    bool FileMode;
  };
  for (const TCase& c : {TCase{"*.*", true}, TCase{"a*;*.txt", true}, TCase{"*.*", false}}) {
    SCOPED_TRACE(std::string(c.Masks) + (c.FileMode ? " files" : " folders"));
    TFindSearch search;
    search.MakeSortKeys = true;
    TScanRows rows;
    ASSERT_TRUE(search.Search(tree.Root(), c.Masks, c.FileMode, rows, true));
    ASSERT_FALSE(rows.empty());
    ASSERT_EQ(search.SortKeys().Count(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(search.SortKeys().Key(i), NameSortKey(rows[i].Name)) << rows[i].Name;
    }
  }
}

TEST(FindSearch, HiddenSubFoldersAreNotEnteredButHiddenFilesAreListed) {
  TTempTree tree;
  tree.File(".hidden-file");
  tree.MakeFolder(".git");
  tree.File(".git/config");
  tree.MakeFolder("src");
  tree.File("src/.keep");
  EXPECT_EQ(Sorted(RelativePaths(Scan(tree, "*.*", true, true), tree)),
            (std::vector<std::string>{".hidden-file", "src/.keep"}));
}

TEST(FindSearch, SubFoldersAreWalkedDepthFirstInPreOrder) {
  TTempTree tree;
  tree.MakeFolder("a");
  tree.MakeFolder("a/deep");
  tree.File("a/deep/3.txt");
  tree.File("a/2.txt");
  tree.MakeFolder("b");
  tree.File("b/4.txt");
  tree.File("1.txt");
  TFindSearch search;
  std::vector<std::string> folders;
  search.OnFolder = [&](const std::string& f) { folders.push_back(f.substr(tree.Path().size())); };
  TScanRows rows;
  ASSERT_TRUE(search.Search(tree.Root(), "*.txt", true, rows, true));
  ASSERT_EQ(folders.size(), 4u);
  EXPECT_EQ(folders[0], "");
  // Each folder's own sub-folders come right after it, before its next sibling.
  const auto pos = [&](const std::string& f) { return std::find(folders.begin(), folders.end(), f) - folders.begin(); };
  EXPECT_EQ(pos("a/deep/"), pos("a/") + 1);
  // Rows appear in folder order.
  std::vector<std::string> row_folders;
  for (const TFileInfoRec& r : rows) row_folders.push_back(r.Location.substr(tree.Path().size()));
  EXPECT_EQ(row_folders, folders);
}

TEST(FindSearch, FolderModeListsFoldersWithoutSizeOrProgress) {
  TTempTree tree;
  tree.MakeFolder("one");
  tree.MakeFolder("one/two");
  tree.MakeFolder(".dot");
  tree.File("file.txt", 10);
  TFindSearch search;
  int notifications = 0;
  search.OnFolder = [&](const std::string&) { ++notifications; };
  TScanRows rows;
  ASSERT_TRUE(search.Search(tree.Root(), "*.*", false, rows, true));
  EXPECT_EQ(Sorted(RelativePaths(rows, tree)), (std::vector<std::string>{".dot", "one", "one/two"}));
  for (const TFileInfoRec& r : rows) EXPECT_EQ(r.Size, 0);
  EXPECT_EQ(notifications, 0);
}

TEST(FindSearch, FiveGigabyteFileKeepsItsSixtyFourBitSize) {
  TTempTree tree;
  const std::int64_t five_gb = 5LL * 1024 * 1024 * 1024;
  tree.File("big.iso", five_gb);  // sparse
  const TScanRows rows = Scan(tree, "*.iso");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Size, five_gb);
}

// A scan that skips sizes and dates still tells files, folders and links apart
// exactly like a full one: the kinds come from the directory entries, links are
// examined.
TEST(FindSearch, LinksAreListedButNeverEntered) {
  TTempTree tree;
  tree.MakeFolder("a");
  tree.File("a/f.txt");
  tree.Link("..", "a/loop");        // a link loop back to the root
  tree.Link(tree.Path("a"), "to-a");
  tree.Link("a/f.txt", "file-link.txt");
  tree.Link("missing", "dangling");
  for (bool sizes_and_dates : {true, false}) {
    SCOPED_TRACE(sizes_and_dates ? "with sizes and dates" : "kinds only");
    EXPECT_EQ(Sorted(RelativePaths(Scan(tree, "*.*", true, true, sizes_and_dates), tree)),
              (std::vector<std::string>{"a/f.txt", "dangling", "file-link.txt"}));
    EXPECT_EQ(Sorted(RelativePaths(Scan(tree, "*.*", false, true, sizes_and_dates), tree)),
              (std::vector<std::string>{"a", "a/loop", "to-a"}));
  }
}

TEST(FindSearch, ScanWithoutSizesAndDatesKeepsZerosAndTheInode) {
  TTempTree tree;
  tree.File("x.bin", 1234);
  tree.SetModified("x.bin", 1037612730);
  struct stat st;
  ASSERT_EQ(stat(tree.Path("x.bin").c_str(), &st), 0);
  const TScanRows full = Scan(tree, "*.*", true, false, true);
  const TScanRows bare = Scan(tree, "*.*", true, false, false);
  ASSERT_EQ(full.size(), 1u);
  ASSERT_EQ(bare.size(), 1u);
  EXPECT_EQ(full[0].Identity.Inode, st.st_ino);
  EXPECT_EQ(bare[0].Identity.Inode, st.st_ino);
  EXPECT_EQ(full[0].Size, 1234);
  EXPECT_EQ(bare[0].Size, 0);
  EXPECT_EQ(bare[0].FileTime, 0);
  EXPECT_EQ(bare[0].Modified, 0);
}

// The on-disk path a row stands for: its folder converted back, then the name
// (a legacy name's bytes are its text).
std::string DiskPathOf(const TFileInfoRec& row) {
  return Cp932ToUtf8(row.Location).value_or("?") +
         (row.Legacy ? row.Name : Cp932ToUtf8(row.Name).value_or("?"));
}

// Every name on disk is listed and leads back to its exact bytes, also below a
// folder whose own name is beyond code page 932 or legacy.
TEST(FindSearch, EveryKindOfNameIsListedAndLeadsBackToItsBytes) {
  TTempTree tree;
  const std::vector<std::string> files = {
      "ok.txt",
      "smile\xF0\x9F\x98\x80.txt",
      "\xED\x95\x9C/inner.txt",                 // below a Hangul folder
      "\xE8\xA1\xA8.txt",                       // 表, UTF-8
      "\x95\x5C\x83\x5C.txt",                   // 表ソ, legacy
      "\x83\x65\x83\x58/in.txt",                // below a legacy folder (テス)
      "a\xFF\xFE.txt",                          // neither
      "P\xC3\xA9\xE3\x80\x9C\xE2\x88\x92.txt",  // é, U+301C, U+2212
  };
  tree.MakeFolder("\xED\x95\x9C");
  tree.MakeFolder("\x83\x65\x83\x58");
  for (const std::string& f : files) tree.File(f);
  TFindSearch search;
  TScanRows rows;
  ASSERT_TRUE(search.Search(tree.Root(), "*.*", true, rows, true));
  std::vector<std::string> found;
  for (const TFileInfoRec& r : rows) {
    found.push_back(DiskPathOf(r).substr(tree.Path().size()));
    EXPECT_EQ(r.Legacy, r.Name == "\x95\x5C\x83\x5C.txt") << found.back();
  }
  EXPECT_EQ(Sorted(found), Sorted(files));
  EXPECT_EQ(search.UnencodableCount(), 0u);
}

// Fills the process's user-area table, then scans a folder holding one name that
// needs a new code: it alone is left out and counted.
bool FullTableLeavesOutOnlyNewNames() {
  for (char32_t cp = 0xAC00; cp < 0xAC00 + kUserAreaCodes; ++cp) CharToCp932(cp);
  TTempTree tree;
  tree.File("ok.txt");
  tree.File("\xE8\xA1\xA8.txt");
  tree.File("smile\xF0\x9F\x98\x80.txt");
  TFindSearch search;
  TScanRows rows;
  search.Search(tree.Root(), "*.*", true, rows, false);
  return rows.size() == 2 && search.UnencodableCount() == 1 &&
         search.UnencodableExamples() ==
             std::vector<std::string>{tree.Path() + "smile\xF0\x9F\x98\x80.txt"};
}

// In a child process, so the other tests keep a table with free codes.
TEST(FindSearchDeathTest, NamesBeyondAFullTableAreLeftOutAndCounted) {
  EXPECT_EXIT(std::exit(FullTableLeavesOutOnlyNewNames() ? 0 : 1), ::testing::ExitedWithCode(0),
              "");
}

TEST(FindSearch, CancelKeepsWhatWasFoundAndReportsIt) {
  TTempTree tree;
  for (const char* f : {"a", "b", "c"}) {
    tree.MakeFolder(f);
    tree.File(std::string(f) + "/x.txt");
  }
  TFindSearch search;
  int folders = 0;
  search.OnFolder = [&](const std::string&) {
    if (++folders == 3) search.Cancel();  // while entering the second sub-folder
  };
  TScanRows rows;
  EXPECT_FALSE(search.Search(tree.Root(), "*.*", true, rows, true));
  EXPECT_TRUE(search.Cancelled());
  EXPECT_EQ(rows.size(), 1u);
  // The next search starts afresh.
  EXPECT_TRUE(search.Search(tree.Root(), "*.*", true, rows, true));
  EXPECT_EQ(rows.size(), 3u);
}

TEST(FindSearch, CancelFromAnotherThreadStopsBetweenEntries) {
  TTempTree tree;
  for (int i = 0; i < 50; ++i) tree.File("f" + std::to_string(i));
  TFindSearch search;
  search.OnIdle = [&] { std::thread([&] { search.Cancel(); }).join(); };
  TScanRows rows;
  EXPECT_FALSE(search.Search(tree.Root(), "*.*", true, rows, false));
  EXPECT_TRUE(rows.empty());
}

TEST(FindSearch, MissingOrUnreadableFoldersContributeNothing) {
  TTempTree tree;
  tree.MakeFolder("locked");
  tree.File("locked/secret.txt");
  tree.File("open.txt");
  chmod(tree.Path("locked").c_str(), 0);
  TFindSearch search;
  TScanRows rows;
  EXPECT_TRUE(search.Search(tree.Path("nothing-here"), "*.*", true, rows, true));
  EXPECT_TRUE(rows.empty());
  EXPECT_TRUE(search.Search(tree.Root(), "*.*", true, rows, true));
  if (geteuid() != 0) {  // root reads every folder
    EXPECT_EQ(RelativePaths(rows, tree), std::vector<std::string>{"open.txt"});
  }
  chmod(tree.Path("locked").c_str(), 0755);
}

}  // namespace
}  // namespace nalo
