// The listing sequence on real folders: question, scan, entries, order, history.
#include "listing/list_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "listing/entries_from_rows.h"
#include "listing/list_sort.h"
#include "listing/path_history.h"
#include "listing/size_units.h"
#include "listing/temp_tree.h"
#include "platform/encoding.h"
#include "platform/file_times.h"

namespace nalo {
namespace {

using testing::TTempTree;

TListFolderRequest RequestFor(const TTempTree& tree) {
  TListFolderRequest r;
  r.Folder = tree.Root();
  return r;
}

TEST(ListFolder, BuildsSortedEntriesAndRemembersTheFolder) {
  TTempTree tree;
  tree.File("b.txt", 2048);
  tree.File("A.txt", 1536);
  tree.File("skip.doc");
  tree.MakeFolder("sub");
  tree.File("sub/c.txt");
  TTabStatus_Search search;
  search.ExtMask = "*.txt";
  search.SizeUnit = kUnitKB;
  TListingState state;
  TEntryList entries;
  const TListFolderResult r = ListFolder(RequestFor(tree), search, state, entries);
  EXPECT_TRUE(r.Listed);
  ASSERT_EQ(r.Count, 2u);
  EXPECT_EQ(entries.EntryAt(0).Name, "A.txt");
  EXPECT_EQ(entries.EntryAt(0).SizeText(), "2");
  EXPECT_EQ(entries.EntryAt(0).Location + entries.EntryAt(0).Name, entries.EntryAt(0).FullPath());
  EXPECT_EQ(entries.EntryAt(0).State, kStateUntouched);
  EXPECT_EQ(entries.EntryAt(0).DateText().size(), 16u);
  EXPECT_TRUE(entries.EntryAt(0).Location.SameTextAs(entries.EntryAt(1).Location));
  EXPECT_EQ(state.SortColumn, kSortByName);
  EXPECT_EQ(state.CurrentFolder, tree.Root());
  EXPECT_EQ(state.PathHistory, std::vector<std::string>{tree.Root()});
  EXPECT_TRUE(state.ScanCompleted);

  TListFolderRequest with_subs = RequestFor(tree);
  with_subs.SubFolders = true;
  ListFolder(with_subs, search, state, entries);
  EXPECT_EQ(entries.Count(), 3u);
  EXPECT_EQ(state.SortColumn, kSortByLocation);
  EXPECT_EQ(entries.EntryAt(2).Name, "c.txt");
  EXPECT_EQ(state.PathHistory.size(), 1u);
}

// A listing that need not show sizes or dates still reads them for a condition
// that tests them, so a skipped look never lets a wrong item through.
TEST(ListFolder, SizeAndDateConditionsHoldWhenTheListingSkipsThem) {
  TTempTree tree;
  tree.File("big.txt", 4096);
  tree.File("small.txt", 10);
  tree.SetModified("small.txt", 978350400);  // 2001-01-01 12:00 UTC
  struct TCase {
    const char* Name;
    void (*Condition)(TTabStatus_Search&);
    std::vector<std::string> Listed;
    std::int64_t FirstSize;
  };
  const TCase cases[] = {
      {"none", [](TTabStatus_Search&) {}, {"big.txt", "small.txt"}, 0},
      {"min-size",
       [](TTabStatus_Search& s) {
         s.UseMinSize = true;
         s.MinSize = 1000;
       },
       {"big.txt"},
       4096},
      {"end-date",
       [](TTabStatus_Search& s) {
         s.UseEndDate = true;
         s.EndDate = DayCountOf({2001, 1, 2, 0, 0, 0});
       },
       {"small.txt"},
       10},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTabStatus_Search search;
    c.Condition(search);
    TListFolderRequest request = RequestFor(tree);
    request.ReadSizeAndDate = false;
    TListingState state;
    TEntryList entries;
    ListFolder(request, search, state, entries);
    std::vector<std::string> names;
    for (const TListData& e : entries.Items()) names.push_back(e.Name);
    EXPECT_EQ(names, c.Listed);
    ASSERT_FALSE(entries.Empty());
    EXPECT_EQ(entries.EntryAt(0).Size, c.FirstSize);
  }
}

// The listing makes its entries in sorted order; sorting them again changes nothing.
TEST(ListFolder, EntriesComeOutInTheOrderSortEntriesGives) {
  TTempTree tree;
  for (const char* folder : {"B", "a", "a/z"}) tree.MakeFolder(folder);
  for (const char* file : {"x.txt", "X.TXT", "b", "a/c", "a/B", "a/z/1", "B/q", "B/Q.txt"})
    tree.File(file);
  tree.File("a/A", 5);
  for (bool sub_folders : {false, true}) {
    SCOPED_TRACE(sub_folders ? "with sub-folders" : "one folder");
    TListFolderRequest request = RequestFor(tree);
    request.SubFolders = sub_folders;
    TListingState state;
    TEntryList entries;
    ListFolder(request, {}, state, entries);
    TEntryList sorted = entries;
    SortEntries(sorted, state.SortColumn, true);
    ASSERT_EQ(entries.Count(), sorted.Count());
    for (std::size_t i = 0; i < entries.Count(); ++i) {
      EXPECT_EQ(entries.EntryAt(i).FullPath(), sorted.EntryAt(i).FullPath()) << i;
    }
  }
}

TEST(ListFolder, MissingFolderChangesNothing) {
  TTempTree tree;
  TListingState state;
  TEntryList entries;
  entries.Add(TListData{});
  TListFolderRequest request;
  request.Folder = tree.Path("gone");
  const TListFolderResult r = ListFolder(request, {}, state, entries);
  EXPECT_FALSE(r.Listed);
  EXPECT_EQ(entries.Count(), 1u);
  EXPECT_TRUE(state.CurrentFolder.empty());
}

TEST(ListFolder, AsksBeforeLosingAPendingUndo) {
  struct {
    const char* label;
    bool watcher, return_enabled, undo_pending;
    bool asked, prompt_window;
    const char* message;
  } cases[] = {
      {"nothing-pending", false, true, false, false, false, ""},
      {"pending-box", false, true, true, true, false, "検索しなおすと元に戻せなくなります。\r\r検索しますか？"},
      {"pending-but-button-off", false, false, true, false, false, ""},
      {"watcher-always-prompts", true, true, false, true, true, ""},
      {"watcher-pending", true, true, true, true, true, "（再検索しますと元に戻せなくなります。）"},
  };
  for (const auto& c : cases) {
    TTempTree tree;
    TListingState state;
    state.UndoPending = c.undo_pending;
    TListFolderRequest request = RequestFor(tree);
    request.WatcherTriggered = c.watcher;
    request.ReturnEnabled = c.return_enabled;
    bool asked = false;
    TRescanQuestion seen;
    TListFolderHooks hooks;
    hooks.Ask = [&](const TRescanQuestion& q) {
      asked = true;
      seen = q;
      return true;
    };
    TEntryList entries;
    const TListFolderResult r = ListFolder(request, {}, state, entries, hooks);
    EXPECT_EQ(asked, c.asked) << c.label;
    EXPECT_EQ(r.ReturnDisabled, c.asked) << c.label;
    EXPECT_EQ(seen.UsePromptWindow, c.prompt_window) << c.label;
    EXPECT_EQ(seen.Message, c.message) << c.label;
    EXPECT_FALSE(state.UndoPending) << c.label;
  }
}

TEST(ListFolder, DecliningKeepsTheListAndItsMarks) {
  TTempTree tree;
  tree.File("new.txt");
  TListingState state;
  state.UndoPending = true;
  TEntryList entries;
  TListData renamed;
  renamed.Name = "renamed.txt";
  renamed.State = kStateRenamed;
  entries.Add(renamed);
  TListFolderRequest request = RequestFor(tree);
  request.ReturnEnabled = true;
  TListFolderHooks hooks;
  hooks.Ask = [](const TRescanQuestion&) { return false; };
  int runs = 0;
  hooks.BeginRun = [&] { ++runs; };
  const TListFolderResult r = ListFolder(request, {}, state, entries, hooks);
  EXPECT_TRUE(r.Declined);
  EXPECT_FALSE(r.Listed);
  EXPECT_EQ(runs, 0);
  ASSERT_EQ(entries.Count(), 1u);
  EXPECT_EQ(entries.EntryAt(0).State, kStateRenamed);
  EXPECT_TRUE(state.UndoPending);
}

TEST(ListFolder, CancelledScanListsWhatWasFoundAndSaysSo) {
  TTempTree tree;
  tree.File("a.txt");
  TListingState state;
  TEntryList entries;
  std::vector<std::string> progress;
  int begins = 0, ends = 0;
  TListFolderHooks hooks;
  hooks.BeginRun = [&] { ++begins; };
  hooks.EndRun = [&] { ++ends; };
  hooks.ShowProgressText = [&](std::string_view t) { progress.emplace_back(t); };
  hooks.RunScan = [](TFindSearch& search, const TSearchOption& o, TScanRows& rows) {
    search.Search(o.Folder, o.ExtMask, true, rows, o.SubFolders);
    return false;  // as if the user pressed cancel at the end
  };
  ListFolder(RequestFor(tree), {}, state, entries, hooks);
  EXPECT_FALSE(state.ScanCompleted);
  EXPECT_EQ(entries.Count(), 1u);
  EXPECT_EQ(progress, std::vector<std::string>{"表示中 (キャンセル)..."});
  EXPECT_EQ(begins, 1);
  EXPECT_EQ(ends, 1);
}

// The desktop program keeps the list it had when a scan is cancelled.
TEST(ListFolder, CancelledScanKeepsTheListWhenAsked) {
  TTempTree tree;
  tree.File("a.txt");
  TListingState state;
  state.CurrentFolder = "/before";
  state.UndoPending = true;
  TEntryList entries;
  entries.Add(TListData{});
  TListFolderHooks hooks;
  hooks.RunScan = [](TFindSearch& search, const TSearchOption& o, TScanRows& rows) {
    search.Search(o.Folder, o.ExtMask, true, rows, o.SubFolders);
    return false;
  };
  TListFolderRequest request = RequestFor(tree);
  request.KeepListOnCancel = true;
  const TListFolderResult r = ListFolder(request, {}, state, entries, hooks);
  EXPECT_TRUE(r.Cancelled);
  EXPECT_FALSE(r.Listed);
  EXPECT_EQ(state.CurrentFolder, "/before");
  EXPECT_TRUE(state.UndoPending);
  EXPECT_TRUE(state.PathHistory.empty());
  EXPECT_EQ(entries.Count(), 1u);
}

// A legacy entry keeps its flag, and its full path leads to its bytes on disk;
// pointing it at a new name (after a rename) leaves a UTF-8 name.
TEST(ListFolder, LegacyEntriesKeepTheirDiskBytes) {
  TTempTree tree;
  tree.File("\x95\x5C.txt");  // 表.txt in legacy bytes
  tree.File("\xF0\x9F\x98\x80.txt");
  TListingState state;
  TEntryList entries;
  ListFolder(RequestFor(tree), {}, state, entries);
  ASSERT_EQ(entries.Count(), 2u);
  EXPECT_EQ(state.UnencodableCount, 0u);
  TListData& legacy = entries.EntryAt(entries.EntryAt(0).Legacy ? 0 : 1);
  ASSERT_TRUE(legacy.Legacy);
  EXPECT_EQ(legacy.Name, "\x95\x5C.txt");
  EXPECT_EQ(Cp932ToUtf8(legacy.FullPath()), tree.Path("\x95\x5C.txt"));
  const std::string old_path = legacy.FullPath();
  legacy.SetPath(legacy.Location + "X_" + legacy.Name);
  EXPECT_FALSE(legacy.Legacy);
  EXPECT_EQ(Cp932ToUtf8(legacy.FullPath()), tree.Path("X_\xE8\xA1\xA8.txt"));
  legacy.SetPath(old_path);  // back under its old name, as an undo does
  EXPECT_TRUE(legacy.Legacy);
  EXPECT_EQ(legacy.Name, "\x95\x5C.txt");
}

TEST(EntriesFromRows, MalformedRowsAreSkippedAndBadOnesStopTheConversion) {
  auto row = [](std::string name, double modified = 40000.0) {
    TFileInfoRec r;
    r.Name = std::move(name);
    r.Location = "/f/";
    r.Modified = modified;
    return r;
  };
  TScanRows rows = {row("a"), row(""), row("b"), row("c", std::nan("")), row("d")};
  rows[2].Name = "x/b";  // a name holding a folder part
  TEntryList entries;
  const std::vector<std::uint32_t> backwards = {4, 3, 2, 1, 0};
  EXPECT_FALSE(AppendEntries(rows, backwards, TSearchOption{}, entries));
  ASSERT_EQ(entries.Count(), 1u);
  EXPECT_EQ(entries.EntryAt(0).Name, "a");
  EXPECT_EQ(entries.EntryAt(0).DateText(), "2009/07/06 00:00");

  TScanRows good = {row("b"), row("a"), row("c")};
  TEntryList ordered;
  EXPECT_TRUE(AppendEntries(good, std::vector<std::uint32_t>{1, 0, 2}, TSearchOption{}, ordered));
  ASSERT_EQ(ordered.Count(), 3u);
  EXPECT_EQ(ordered.EntryAt(0).Name + ordered.EntryAt(1).Name + ordered.EntryAt(2).Name, "abc");
}

TEST(ListFolder, ConversionErrorIsShownOnce) {
  TTempTree tree;
  tree.File("a.txt");
  tree.File("b.txt");
  TListingState state;
  TEntryList entries;
  std::vector<std::string> errors;
  TListFolderHooks hooks;
  hooks.ShowError = [&](std::string_view m) { errors.emplace_back(m); };
  hooks.RunScan = [](TFindSearch& search, const TSearchOption& o, TScanRows& rows) {
    search.Search(o.Folder, o.ExtMask, true, rows, false);
    for (TFileInfoRec& r : rows) r.Modified = std::nan("");
    return true;
  };
  const TListFolderResult r = ListFolder(RequestFor(tree), {}, state, entries, hooks);
  EXPECT_TRUE(r.ConversionFailed);
  EXPECT_EQ(errors, std::vector<std::string>{"Error!! Vastrelに連絡してください。"});
}

TEST(PathHistory, KeepsTwentySortedFolders) {
  std::vector<std::string> history;
  for (int i = 0; i < 20; ++i) AddToPathHistory(history, "/d" + std::string(1, static_cast<char>('a' + i)));
  ASSERT_EQ(history.size(), 20u);
  AddToPathHistory(history, "/da");  // already there
  EXPECT_EQ(history.size(), 20u);
  AddToPathHistory(history, "/dbb");  // the 20th in sorted order ("/dt") makes room
  ASSERT_EQ(history.size(), 20u);
  EXPECT_EQ(history[2], "/dbb");
  EXPECT_EQ(history.back(), "/ds");
  EXPECT_TRUE(std::is_sorted(history.begin(), history.end()));
  AddToPathHistory(history, "/zzz");  // sorts last, after "/ds" was dropped
  EXPECT_EQ(history.back(), "/zzz");
  EXPECT_EQ(history.size(), 20u);
}

TEST(PathHistory, OverlongHistoryLosesOnlyItsTwentiethItem) {
  std::vector<std::string> history;
  for (int i = 24; i >= 0; --i) history.push_back("/p" + std::to_string(100 + i));
  AddToPathHistory(history, "/new");
  EXPECT_EQ(history.size(), 25u);
  EXPECT_EQ(std::find(history.begin(), history.end(), "/p119"), history.end());
  EXPECT_NE(std::find(history.begin(), history.end(), "/new"), history.end());
  EXPECT_TRUE(std::is_sorted(history.begin(), history.end()));
}

}  // namespace
}  // namespace nalo
