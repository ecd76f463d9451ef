// The captions come from the core's item table, so the GUI, the descriptions and
// the command-line front end name the positions alike.
#include "rules/gui/position_list.h"

#include "ui/qt_text.h"
#include "rules/rule_captions.h"

namespace nalo {

QStringList PositionCaptions(bool folder_mode) {
  QStringList captions;
  for (std::string_view item : PositionItems(folder_mode)) {
    captions.push_back(FromUtf8(item));
  }
  return captions;
}

void TPositionMemory::Started(bool files_mode, int position) {
  chosen_ = {};
  Stored(files_mode, position);
}

void TPositionMemory::Stored(bool files_mode, int position) {
  stored_files_mode_ = files_mode;
  Left(files_mode, position);
}

int TPositionMemory::IndexFor(std::optional<int> restored, bool files_mode, int count) const {
  const bool restored_here = restored && (!stored_files_mode_ || *stored_files_mode_ == files_mode);
  const std::optional<int> index = restored_here ? restored : chosen_[Slot(files_mode)];
  return index && *index >= 0 && *index < count ? *index : 0;
}

int TPositionMemory::PositionToSave(int position, bool files_mode) const {
  if (!stored_files_mode_ || *stored_files_mode_ == files_mode) return position;
  return chosen_[Slot(files_mode)].value_or(0);
}

TPositionMemory& AddPositionMemory() {
  static TPositionMemory memory;
  return memory;
}

TPositionMemory& MovePositionMemory() {
  static TPositionMemory memory;
  return memory;
}

}  // namespace nalo
