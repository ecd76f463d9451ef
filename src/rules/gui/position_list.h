// The position lists of the add and move tabs. The two target modes offer
// different lists, so a saved position index means something only in the mode it
// was saved in: TPositionMemory keeps the index of a restored record when the
// mode is the one the record was stored in, and otherwise the item last chosen in
// that mode's list (a switch to the other mode and back keeps the choice), or 0.
#pragma once

#include <QStringList>
#include <array>
#include <cstddef>
#include <optional>

namespace nalo {

// The captions of the position list of a target mode.
QStringList PositionCaptions(bool folder_mode);

class TPositionMemory {
 public:
  // The records read at start-up were stored in `files_mode`; nothing is known of
  // the other mode's list yet.
  void Started(bool files_mode, int position);
  // A frame stored its record, with `position`, while showing the given mode.
  void Stored(bool files_mode, int position);
  // The list of `files_mode` showed `position` when a mode switch replaced it.
  void Left(bool files_mode, int position) { chosen_[Slot(files_mode)] = position; }
  // The item to select when a frame given a record with position `restored`
  // (nothing when it was not given one since the list was last rebuilt) shows
  // the list of `files_mode` with `count` items: the restored index when the
  // record was stored in this mode, otherwise the item last chosen in this mode's
  // list, otherwise 0.
  int IndexFor(std::optional<int> restored, bool files_mode, int count) const;
  // The position to write at shutdown while `files_mode` is on: one stored in the
  // other mode names another item in this mode's list (the next start reads it as
  // stored in this mode), so the item last chosen in this mode, or 0, is written.
  int PositionToSave(int position, bool files_mode) const;

 private:
  static std::size_t Slot(bool files_mode) { return files_mode ? 1 : 0; }

  std::optional<bool> stored_files_mode_;
  std::array<std::optional<int>, 2> chosen_;  // per mode: folder, files
};

// One memory per tab: the records outlive their frames, and so must this.
TPositionMemory& AddPositionMemory();
TPositionMemory& MovePositionMemory();

}  // namespace nalo
