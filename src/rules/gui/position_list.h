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
  // A frame stored its record while showing the given mode.
  void Stored(bool files_mode) { stored_files_mode_ = files_mode; }
  // The item to select when a frame given a record with position `restored`
  // (nothing when it was not given one since the list was last rebuilt) shows
  // the list of `files_mode` with `count` items: the restored index when the
  // record was stored in this mode, otherwise 0. A record read at start-up was
  // stored in the mode the program starts in.
  int IndexFor(std::optional<int> restored, bool files_mode, int count) const;
  // The position to write at shutdown while `files_mode` is on: one stored in the
  // other mode names another item in this mode's list (the next start reads it as
  // stored in this mode), so item 0 is written instead.
  int PositionToSave(int position, bool files_mode) const;

 private:
  std::optional<bool> stored_files_mode_;
};

// One memory per tab: the records outlive their frames, and so must this.
TPositionMemory& AddPositionMemory();
TPositionMemory& MovePositionMemory();

}  // namespace nalo
