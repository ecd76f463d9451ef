// The list editor's rules without a window: the limit of 30 items, where the
// selection goes after each command, the count caption, the titles and storage of
// every list, and that an empty item does not survive a save and a load.
#include "settings/candidate_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/candidate_lists.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

using Strings = std::vector<std::string>;

Strings Numbered(std::size_t count) {
  Strings items;
  for (std::size_t i = 0; i < count; ++i) items.push_back("item" + std::to_string(i));
  return items;
}

TEST(CandidateList, OpensWithTheFirstItemSelectedOrNothingWhenEmpty) {
  EXPECT_EQ(TCandidateList({"a", "b"}).Selected(), 0);
  EXPECT_EQ(TCandidateList({"a", "b"}).SelectedText(), "a");
  TCandidateList empty({});
  EXPECT_EQ(empty.Selected(), kNoSelection);
  EXPECT_EQ(empty.SelectedText(), "");
}

TEST(CandidateList, SelectIgnoresRowsOutsideTheList) {
  TCandidateList list({"a", "b", "c"});
  list.Select(2);
  EXPECT_EQ(list.SelectedText(), "c");
  list.Select(3);
  list.Select(-1);
  EXPECT_EQ(list.Selected(), 2);
}

TEST(CandidateList, AddAppendsAndSelectsAcceptingEmptyTextsAndDuplicates) {
  TCandidateList list({"a"});
  ASSERT_TRUE(list.Add("a"));
  EXPECT_EQ(list.Selected(), 1);
  ASSERT_TRUE(list.Add(""));
  EXPECT_EQ(list.Items(), (Strings{"a", "a", ""}));
  EXPECT_EQ(list.Selected(), 2);
}

TEST(CandidateList, AddStopsAtThirtyItems) {
  TCandidateList list(Numbered(kMaxCandidates - 1));
  EXPECT_TRUE(list.Add("last"));
  EXPECT_TRUE(list.Full());
  list.Select(3);
  EXPECT_FALSE(list.Add("31st"));
  EXPECT_EQ(list.Count(), kMaxCandidates);
  EXPECT_EQ(list.Items().back(), "last");
  EXPECT_EQ(list.Selected(), 3);  // a refused add leaves the selection alone
}

TEST(CandidateList, ListsLongerThanTheLimitAreKeptButNotExtended) {
  TCandidateList list(Numbered(kMaxCandidates + 5));
  EXPECT_EQ(list.Count(), kMaxCandidates + 5);
  EXPECT_FALSE(list.Add("more"));
  EXPECT_EQ(list.Count(), kMaxCandidates + 5);
  EXPECT_TRUE(list.DeleteSelected());  // the other commands still work
  EXPECT_EQ(list.Count(), kMaxCandidates + 4);
}

TEST(CandidateList, ChangeReplacesOnlyTheSelectedItem) {
  TCandidateList list({"a", "b", "c"});
  list.Select(1);
  ASSERT_TRUE(list.ChangeSelected("B"));
  EXPECT_EQ(list.Items(), (Strings{"a", "B", "c"}));
  EXPECT_EQ(list.Selected(), 1);
  TCandidateList empty({});
  EXPECT_FALSE(empty.ChangeSelected("x"));
  EXPECT_TRUE(empty.Items().empty());
}

TEST(CandidateList, DeleteSelectsTheItemThatTakesTheRow) {
  const struct {
    const char* name;
    int selected;
    Strings after;
    int selected_after;
  } rows[] = {
      {"first", 0, {"b", "c"}, 0},
      {"middle", 1, {"a", "c"}, 1},
      {"last/new-last-selected", 2, {"a", "b"}, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TCandidateList list({"a", "b", "c"});
    list.Select(row.selected);
    ASSERT_TRUE(list.DeleteSelected());
    EXPECT_EQ(list.Items(), row.after);
    EXPECT_EQ(list.Selected(), row.selected_after);
  }
}

TEST(CandidateList, DeletingTheOnlyItemLeavesNothingSelected) {
  TCandidateList list({"only"});
  ASSERT_TRUE(list.DeleteSelected());
  EXPECT_TRUE(list.Items().empty());
  EXPECT_EQ(list.Selected(), kNoSelection);
  EXPECT_FALSE(list.DeleteSelected());
}

TEST(CandidateList, MovesSwapWithTheNeighbourAndStopAtTheEnds) {
  TCandidateList list({"a", "b", "c"});
  EXPECT_FALSE(list.MoveSelectedUp());  // the first item
  list.Select(1);
  ASSERT_TRUE(list.MoveSelectedUp());
  EXPECT_EQ(list.Items(), (Strings{"b", "a", "c"}));
  EXPECT_EQ(list.Selected(), 0);
  ASSERT_TRUE(list.MoveSelectedDown());
  ASSERT_TRUE(list.MoveSelectedDown());
  EXPECT_EQ(list.Items(), (Strings{"a", "c", "b"}));
  EXPECT_EQ(list.Selected(), 2);
  EXPECT_FALSE(list.MoveSelectedDown());  // the last item
  EXPECT_EQ(list.Items(), (Strings{"a", "c", "b"}));
  TCandidateList empty({});
  EXPECT_FALSE(empty.MoveSelectedUp());
  EXPECT_FALSE(empty.MoveSelectedDown());
}

TEST(CandidateList, CountCaption) {
  EXPECT_EQ(CandidateCountCaption(0), "登録されているアイテム ( 0個/MAX=30 )");
  EXPECT_EQ(CandidateCountCaption(30), "登録されているアイテム ( 30個/MAX=30 )");
}

TEST(CandidateLists, TitlesByTabAndTag) {
  const struct {
    int tab;
    int tag;
    bool files_mode;
    const char* title;
  } rows[] = {
      {0, 1, true, "マスク（ワイルドカード可）"},
      {1, 3, true, "空白対象文字列"},
      {2, 5, true, "任意文字列(追加)"},
      {3, 1, true, "連番ファイル名"},
      {3, 1, false, "連番フォルダ名"},
      {3, 2, false, "拡張子"},
      {5, 2, true, "置換文字列(正規表現用)"},
      {5, kExclusionListTag, true, "置換しない条件(正規表現)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.title);
    EXPECT_EQ(CandidateListTitle(row.tab, row.tag, row.files_mode), row.title);
  }
  EXPECT_EQ(CandidateListTitle(0, 3, true), std::nullopt);
  EXPECT_EQ(CandidateListTitle(2, 6, true), std::nullopt);
  EXPECT_EQ(CandidateListTitle(6, 1, true), std::nullopt);
  EXPECT_EQ(CandidateEditorCaption("拡張子"), "リスト編集 - 拡張子");
}

TEST(CandidateLists, EveryTitledListHasItsOwnStorage) {
  TSettingsFiles settings;
  std::vector<const StringList*> seen;
  for (int tab = 0; tab < kTabCount; ++tab) {
    for (int tag : {1, 2, 3, 4, 5, kExclusionListTag}) {
      StringList* list = CandidateListOf(settings, tab, tag);
      EXPECT_EQ(list != nullptr, CandidateListTitle(tab, tag, true).has_value())
          << "tab " << tab << " tag " << tag;
      if (list == nullptr) continue;
      EXPECT_EQ(std::count(seen.begin(), seen.end(), list), 0) << "tab " << tab << " tag " << tag;
      seen.push_back(list);
    }
  }
  EXPECT_EQ(seen.size(), 22u);
  EXPECT_EQ(CandidateListOf(settings, -1, kExclusionListTag), nullptr);
  EXPECT_EQ(CandidateListOf(settings, kTabCount, 1), nullptr);
}

TEST(CandidateLists, StorageFollowsTheComboBoxes) {
  TSettingsFiles s;
  EXPECT_EQ(CandidateListOf(s, 0, 1), &s.Tabs.Search.ExtMaskItems);
  EXPECT_EQ(CandidateListOf(s, 1, 2), &s.Tabs.Okikae.StringNewItems);
  EXPECT_EQ(CandidateListOf(s, 2, 4), &s.Tabs.Add.AddItems[3]);
  EXPECT_EQ(CandidateListOf(s, 2, 5), &s.Tabs.Add.NiniStrItems);
  EXPECT_EQ(CandidateListOf(s, 3, 2), &s.Tabs.Modif.ExtItems);
  EXPECT_EQ(CandidateListOf(s, 4, 2), &s.Tabs.Move.MoveStrItems);
  EXPECT_EQ(CandidateListOf(s, 5, 1), &s.Tabs.Seiki.RegExpItems);
  EXPECT_EQ(CandidateListOf(s, 4, kExclusionListTag), &s.Main.NotLists[4]);
}

TEST(CandidateLists, AnEmptyItemIsGoneAfterSavingAndLoading) {
  testing::TTempFolder folder;
  TSettingsFiles settings;
  *CandidateListOf(settings, 3, 2) = {".txt", "", ".jpg"};
  *CandidateListOf(settings, 1, kExclusionListTag) = {"", "keep"};
  ASSERT_TRUE(SaveSettingsFiles(folder.Root(), settings, "/").empty());
  TSettingsFiles loaded = LoadSettingsFiles(folder.Root(), "/");
  EXPECT_EQ(*CandidateListOf(loaded, 3, 2), (Strings{".txt", ".jpg"}));
  EXPECT_EQ(*CandidateListOf(loaded, 1, kExclusionListTag), (Strings{"keep"}));
}

}  // namespace
}  // namespace nalo
