// The candidate lists behind the combo boxes: the list editor opened from the
// combo menu or the settings menu. The edited list goes into the settings record;
// when its tab is on screen the combo box that shows it is refilled as well, and
// the current frame is stored again so its record follows its combo boxes.
#include <QComboBox>

#include "app/flistbox_modif.h"
#include "app/main_window.h"
#include "rules/gui/combo_items.h"
#include "rules/gui/tab_frame.h"
#include "settings/candidate_lists.h"

namespace nalo {

void TFMainFrm::EditCandidateList(int tab) {
  const int tag = popup_tag_;
  const std::optional<std::string_view> title = CandidateListTitle(tab, tag, FilesMode());
  if (!title) return;
  // The record of the tab on screen is brought up to date with its combo boxes
  // first, so the editor starts from what the user sees.
  StoreTabStatus(current_tab_);
  StringList* list = CandidateListOf(settings_, tab, tag);
  if (std::optional<StringList> edited = EditCandidateItems(this, *messenger_, *title, *list)) {
    *list = std::move(*edited);
    ShowEditedList(tab, tag);
  }
  StoreTabStatus(current_tab_);
}

void TFMainFrm::ShowEditedList(int tab, int tag) {
  if (tab != current_tab_) return;
  const StringList& items = *CandidateListOf(settings_, tab, tag);
  if (tag == kExclusionListTag) {
    ReplaceComboItems(cmb_notText, items);
    return;
  }
  QComboBox* combo = frame_ != nullptr ? frame_->ComboForTag(tag) : nullptr;
  if (combo == nullptr) return;
  ReplaceComboItems(combo, items);
  combo->setFocus();
}

}  // namespace nalo
