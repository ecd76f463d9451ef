// The selection is a plain row number kept inside the list's bounds after every
// command; each command reports whether it changed anything so the editor knows
// when to redraw.
#include "settings/candidate_list.h"

#include <utility>

namespace nalo {

TCandidateList::TCandidateList(StringList items) : items_(std::move(items)) {
  if (!items_.empty()) selected_ = 0;
}

std::string TCandidateList::SelectedText() const {
  return selected_ == kNoSelection ? std::string() : items_[static_cast<std::size_t>(selected_)];
}

void TCandidateList::Select(int row) {
  if (row >= 0 && static_cast<std::size_t>(row) < items_.size()) selected_ = row;
}

bool TCandidateList::Add(const std::string& text) {
  if (Full()) return false;
  items_.push_back(text);
  selected_ = static_cast<int>(items_.size()) - 1;
  return true;
}

bool TCandidateList::ChangeSelected(const std::string& text) {
  if (selected_ == kNoSelection) return false;
  items_[static_cast<std::size_t>(selected_)] = text;
  return true;
}

bool TCandidateList::DeleteSelected() {
  if (selected_ == kNoSelection) return false;
  items_.erase(items_.begin() + selected_);
  const int last = static_cast<int>(items_.size()) - 1;
  if (selected_ > last) selected_ = last;  // kNoSelection once the list is empty
  return true;
}

bool TCandidateList::MoveSelectedUp() { return SwapSelectedWith(selected_ - 1); }

bool TCandidateList::MoveSelectedDown() { return SwapSelectedWith(selected_ + 1); }

bool TCandidateList::SwapSelectedWith(int row) {
  if (selected_ == kNoSelection || row < 0 || static_cast<std::size_t>(row) >= items_.size()) {
    return false;
  }
  std::swap(items_[static_cast<std::size_t>(selected_)], items_[static_cast<std::size_t>(row)]);
  selected_ = row;
  return true;
}

std::string CandidateCountCaption(std::size_t count) {
  return "登録されているアイテム ( " + std::to_string(count) + "個/MAX=" +
         std::to_string(kMaxCandidates) + " )";
}

}  // namespace nalo
