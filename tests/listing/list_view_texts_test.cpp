// Status texts, type-to-find, removal and clipboard texts of the entry list.
#include <gtest/gtest.h>

#include "listing/list_edit.h"
#include "listing/listing_state.h"
#include "listing/size_units.h"
#include "listing/status_text.h"

namespace nalo {
namespace {

TEntryList Named(std::initializer_list<const char*> names) {
  TEntryList list;
  for (const char* n : names) {
    TListData e;
    e.Name = n;
    e.Location = "/f/";
    list.Add(e);
  }
  return list;
}

TEST(StatusText, CountsRenamedAndFailed) {
  EXPECT_EQ(StatusCountText(0, true), "検索個数：0個");
  EXPECT_EQ(StatusCountText(12, false), "検索個数：12個 (キャンセル)");
  EXPECT_EQ(StatusCountText(7, true, {3, 1}), "検索個数：7個、リネーム個数：3個、リネーム失敗数：1個");
  EXPECT_EQ(StatusCountText(7, false, {0, 2}), "検索個数：7個 (キャンセル)、リネーム失敗数：2個");
  EXPECT_EQ(StatusCountText(7, true, {1, 0, 2}),
            "検索個数：7個、リネーム個数：1個、Shift-JIS の名前：2個");
  EXPECT_EQ(SelectionText(9, true, 2), "検索個数：9個 ( 2個のオブジェクトを選択 )");
  EXPECT_EQ(SelectionText(9, false, 1), "検索個数：9個 (キャンセル) ( 1個のオブジェクトを選択 )");
}

TEST(StatusText, RefreshFollowsRenamedMarksOffTheSearchTab) {
  TEntryList list = Named({"a", "b", "c", "d", "e"});
  list.EntryAt(0).State = kStateRenamed;
  list.EntryAt(1).State = kStateRenamed;
  list.EntryAt(2).State = kStateRenamed;
  list.EntryAt(3).State = kStateFailed;
  TListingState state;
  TStatusRefresh r = RefreshStatusCounts(list, state, 2);
  EXPECT_EQ(r.Panel0, "検索個数：5個、リネーム個数：3個、リネーム失敗数：1個");
  EXPECT_TRUE(r.ReturnEnabled);
  EXPECT_TRUE(state.UndoPending);
  for (TListData& e : list.Items()) e.State = kStateUntouched;
  r = RefreshStatusCounts(list, state, 2);
  EXPECT_FALSE(r.ReturnEnabled);
  EXPECT_FALSE(state.UndoPending);
  // On the search tab the button clears the conditions and stays enabled.
  state.UndoPending = true;
  r = RefreshStatusCounts(list, state, 0);
  EXPECT_TRUE(r.ReturnEnabled);
  EXPECT_TRUE(state.UndoPending);
}

TEST(TypeToFind, PrefixInAnyCaseWithOptionalWrap) {
  const TEntryList list = Named({"xyz", "Abc.txt", "zz", "aB", "\x83\x61x"});
  struct {
    const char* label;
    const char* text;
    std::size_t start;
    bool wrap;
    std::optional<std::size_t> found;
  } cases[] = {
      {"first-from-start", "ab", 0, false, 1},
      {"from-middle", "ab", 2, false, 3},
      {"no-wrap", "ab", 4, false, std::nullopt},
      {"wrap", "ab", 4, true, 1},
      {"wrap-finds-start-last", "zz", 3, true, 2},
      {"not-found", "q", 0, true, std::nullopt},
      {"trail-byte-not-uppercased", "\x83\x41", 0, true, std::nullopt},
      {"double-byte-prefix", "\x83\x61", 0, true, 4},
  };
  for (const auto& c : cases) EXPECT_EQ(FindEntryByPrefix(list, c.text, c.start, c.wrap), c.found) << c.label;
  EXPECT_EQ(FindEntryByPrefix(TEntryList(), "a", 0, true), std::nullopt);
}

TEST(ListEdit, RemovesSelectedRowsOnly) {
  TEntryList list = Named({"a", "b", "c", "d"});
  EXPECT_EQ(RemoveEntries(list, {3, 1, 1, 99}), 2u);
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.EntryAt(0).Name, "a");
  EXPECT_EQ(list.EntryAt(1).Name, "c");
  EXPECT_EQ(RemoveEntries(list, {0, 1}), 2u);
  EXPECT_TRUE(list.Empty());
}

TEST(ListEdit, ClipboardTexts) {
  TListData e;
  e.Name = "a.txt";
  e.Location = "/f/";
  e.Size = 1234567;
  EXPECT_EQ(NameCopyText(e), "a.txt");
  EXPECT_EQ(SizeCopyText(e), "1234567");
  EXPECT_EQ(PathCopyText(e), "/f/a.txt");
  e.FolderMode = true;
  EXPECT_EQ(SizeCopyText(e), std::string(kFolderSizeText));
}

TEST(ListEdit, MenuEnablingBySelectionCount) {
  EXPECT_FALSE(MenuEnablingFor(0).OneEntryItems);
  EXPECT_FALSE(MenuEnablingFor(0).SelectionItems);
  EXPECT_TRUE(MenuEnablingFor(1).OneEntryItems);
  EXPECT_FALSE(MenuEnablingFor(2).OneEntryItems);
  EXPECT_TRUE(MenuEnablingFor(2).SelectionItems);
}

}  // namespace
}  // namespace nalo
