// TCandidateList: one editing session over a copy of a candidate list, as the list
// editor runs it. It holds the items and the selected row and applies the editor's
// commands (add, change, delete, move up and down); the caller copies the items
// back only when the user accepts, so a cancelled session changes nothing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/tab_status.h"

namespace nalo {

// The editor adds to a list only while it holds fewer items than this: the combo
// boxes' drop-downs stay short enough to scan at a glance. Lists read from the
// settings are taken as they are, even when they are longer.
inline constexpr std::size_t kMaxCandidates = 30;

// Shown when an item is added to a full list.
inline constexpr std::string_view kCandidateListFullMessage = "登録個数が一杯です。（最大３０個）";

// No row is selected.
inline constexpr int kNoSelection = -1;

class TCandidateList {
 public:
  // The items in order; item 0 selected unless the list is empty.
  explicit TCandidateList(StringList items);

  const StringList& Items() const { return items_; }
  std::size_t Count() const { return items_.size(); }
  // The selected row, or kNoSelection.
  int Selected() const { return selected_; }
  // The selected item, or an empty text when none is selected.
  std::string SelectedText() const;
  bool Full() const { return items_.size() >= kMaxCandidates; }

  // Selects `row`, or nothing when `row` is not a row of the list.
  void Select(int row);
  // Appends `text` as the new last item and selects it; empty texts and
  // duplicates are accepted. False, with nothing changed, when the list is full.
  bool Add(const std::string& text);
  // Puts `text` in place of the selected item; false when none is selected.
  bool ChangeSelected(const std::string& text);
  // Removes the selected item and selects the item now at its row, or the new
  // last item when the removed one was last; false when none is selected.
  bool DeleteSelected();
  // Swap the selected item with its neighbour and keep it selected; false at the
  // end of the list or without a selection.
  bool MoveSelectedUp();
  bool MoveSelectedDown();

 private:
  bool SwapSelectedWith(int row);

  StringList items_;
  int selected_ = kNoSelection;
};

// The caption of the frame around the list: "登録されているアイテム ( 3個/MAX=30 )".
std::string CandidateCountCaption(std::size_t count);

}  // namespace nalo
