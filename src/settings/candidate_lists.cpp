// One table gives the titles; the storage is chosen by a switch over the tab, as
// each tab's record is a different struct.
#include "settings/candidate_lists.h"

namespace nalo {
namespace {

struct TListTitle {
  int Tab;
  int Tag;
  std::string_view Title;
  std::string_view FolderTitle;  // empty: the same in folder mode
};

constexpr TListTitle kListTitles[] = {
    {0, 1, "マスク（ワイルドカード可）", {}},
    {0, 2, "マスク（文字列）", {}},
    {0, kExclusionListTag, "検索しない条件", {}},
    {1, 1, "対象文字列", {}},
    {1, 2, "置換文字列", {}},
    {1, 3, "空白対象文字列", {}},
    {1, kExclusionListTag, "置換しない条件", {}},
    {2, 1, "候補１(追加)", {}},
    {2, 2, "候補２(追加)", {}},
    {2, 3, "候補３(追加)", {}},
    {2, 4, "候補４(追加)", {}},
    {2, 5, "任意文字列(追加)", {}},
    {2, kExclusionListTag, "追加しない条件", {}},
    {3, 1, "連番ファイル名", "連番フォルダ名"},
    {3, 2, "拡張子", {}},
    {3, kExclusionListTag, "変換しない条件", {}},
    {4, 1, "任意文字列(移動)", {}},
    {4, 2, "移動文字列", {}},
    {4, kExclusionListTag, "移動しない条件", {}},
    {5, 1, "正規表現", {}},
    {5, 2, "置換文字列(正規表現用)", {}},
    {5, kExclusionListTag, "置換しない条件(正規表現)", {}},
};

StringList* RecordListOf(TTabStatusSet& tabs, int tab, int tag) {
  switch (tab) {
    case 0:
      if (tag == 1) return &tabs.Search.ExtMaskItems;
      if (tag == 2) return &tabs.Search.StrMaskItems;
      return nullptr;
    case 1:
      if (tag == 1) return &tabs.Okikae.StringOldItems;
      if (tag == 2) return &tabs.Okikae.StringNewItems;
      if (tag == 3) return &tabs.Okikae.SpaceOldItems;
      return nullptr;
    case 2:
      if (tag >= 1 && tag <= 4) return &tabs.Add.AddItems[tag - 1];
      if (tag == 5) return &tabs.Add.NiniStrItems;
      return nullptr;
    case 3:
      if (tag == 1) return &tabs.Modif.NumBaseItems;
      if (tag == 2) return &tabs.Modif.ExtItems;
      return nullptr;
    case 4:
      if (tag == 1) return &tabs.Move.NiniStrItems;
      if (tag == 2) return &tabs.Move.MoveStrItems;
      return nullptr;
    case 5:
      if (tag == 1) return &tabs.Seiki.RegExpItems;
      if (tag == 2) return &tabs.Seiki.SubTextItems;
      return nullptr;
    default:
      return nullptr;
  }
}

}  // namespace

std::optional<std::string_view> CandidateListTitle(int tab, int tag, bool files_mode) {
  for (const TListTitle& row : kListTitles) {
    if (row.Tab != tab || row.Tag != tag) continue;
    return files_mode || row.FolderTitle.empty() ? row.Title : row.FolderTitle;
  }
  return std::nullopt;
}

std::string CandidateEditorCaption(std::string_view title) {
  return "リスト編集 - " + std::string(title);
}

StringList* CandidateListOf(TSettingsFiles& settings, int tab, int tag) {
  if (tab < 0 || tab >= kTabCount) return nullptr;
  if (tag == kExclusionListTag) return &settings.Main.NotLists[tab];
  return RecordListOf(settings.Tabs, tab, tag);
}

}  // namespace nalo
