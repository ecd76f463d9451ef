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

int TPositionMemory::IndexFor(std::optional<int> restored, bool files_mode, int count) const {
  if (!restored) return 0;
  if (stored_files_mode_ && *stored_files_mode_ != files_mode) return 0;
  return *restored >= 0 && *restored < count ? *restored : 0;
}

int TPositionMemory::PositionToSave(int position, bool files_mode) const {
  return stored_files_mode_ && *stored_files_mode_ != files_mode ? 0 : position;
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
