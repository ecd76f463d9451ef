// The position lists of the add and move tabs. The two target modes offer
// different lists, so a saved position index means something only in the mode it
// was saved in: TPositionMemory keeps the index of a restored record when the
// mode is the one the record was stored in, and falls back to item 0 otherwise.
#pragma once

#include <QStringList>
#include <optional>

namespace nalo {

// The captions of the position list of a target mode.
QStringList PositionCaptions(bool folder_mode);

class TPositionMemory {
 public:
  // The frame stored its record while showing the given mode.
  void Stored(bool files_mode) { stored_files_mode_ = files_mode; }
  // The frame was given a record; its position waits for the next IndexFor.
  void Restored(int index) { pending_index_ = index; }
  // The item to select after the list was rebuilt for `files_mode` with `count`
  // items: the restored index when it was saved in this mode (a record read at
  // start-up was saved in the mode the program starts in), otherwise 0.
  int IndexFor(bool files_mode, int count);

 private:
  std::optional<bool> stored_files_mode_;
  std::optional<int> pending_index_;
};

// One memory per tab: the records outlive their frames, and so must this.
TPositionMemory& AddPositionMemory();
TPositionMemory& MovePositionMemory();

}  // namespace nalo
