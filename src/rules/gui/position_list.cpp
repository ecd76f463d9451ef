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

int TPositionMemory::IndexFor(bool files_mode, int count) {
  const std::optional<int> pending = pending_index_;
  pending_index_.reset();
  if (!pending) return 0;
  if (stored_files_mode_ && *stored_files_mode_ != files_mode) return 0;
  return *pending >= 0 && *pending < count ? *pending : 0;
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
