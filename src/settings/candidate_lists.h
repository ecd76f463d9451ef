// Which candidate list a (tab, tag) pair names: its title in the list editor and
// where the list lives. Tags 1 to 5 name the lists of a tab's combo boxes, kept in
// the tab status records; tag 99 names the tab's exclusion list in NotLists.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_files.h"

namespace nalo {

// The tag of cmb_notText and of the exclusion-list menu items.
inline constexpr int kExclusionListTag = 99;

// The title of the list, or nothing when the tab has no list with that tag. The
// convert tab's numbering names are file names or folder names by mode.
std::optional<std::string_view> CandidateListTitle(int tab, int tag, bool files_mode);

// The list editor's caption for a list: "リスト編集 - " and the title.
std::string CandidateEditorCaption(std::string_view title);

// The list itself, or null when the tab has no list with that tag.
StringList* CandidateListOf(TSettingsFiles& settings, int tab, int tag);

}  // namespace nalo
