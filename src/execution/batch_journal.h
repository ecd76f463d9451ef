// The write-ahead record of a rename batch, kept in the settings folder so that a
// batch cut short by a crash can still be undone by the next start, and so that a
// fresh process (nalo-cli undo) can undo the last batch. Before the first rename
// the planned steps are written and synced once; after the last one the failed
// steps and an end line are appended without a sync (an end line lost in a crash
// only makes the batch look unfinished, and the disk still tells what happened).
//
// Format: UTF-8 text, one record per line, fields separated by a tab; in paths
// "\" is written "\\", a tab "\t", a line feed "\n" and a carriage return "\r".
//   NALO-BATCH-JOURNAL 1
//   step <device> <inode> <first> <from> <to>    one per rename call, in order;
//                                                 first = 1 when <from> is the
//                                                 item's name before the batch
//   planned <count>
//   failed <step index> <errno>                   appended after the batch
//   finished
//   undone                                        appended once the batch is undone
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "execution/watcher_pause.h"

namespace nalo {

// Name of the journal file in the settings folder.
inline constexpr const char* kJournalFileName = "Nalo_batch.journal";

// One rename call of a batch; paths are UTF-8 as on disk.
struct TJournalStep {
  std::uint64_t Device = 0;  // identity of the item the step moves
  std::uint64_t Inode = 0;
  bool First = true;
  std::string From;
  std::string To;
};

struct TJournalRecord {
  std::vector<TJournalStep> Steps;
  std::vector<int> StepErrors;  // errno per step once finished (0 = done)
  bool Finished = false;
  bool Undone = false;
};

// The plan of a batch as journal text, built step by step in one buffer; a path
// is given as its folder (ending in "/") and its name.
class TJournalPlan {
 public:
  TJournalPlan();
  // Room for `steps` step lines whose paths take `path_bytes` in all.
  void Reserve(std::size_t steps, std::size_t path_bytes);
  void AddStep(std::uint64_t device, std::uint64_t inode, bool first, std::string_view from_folder,
               std::string_view from_name, std::string_view to_folder, std::string_view to_name);
  std::size_t StepCount() const { return steps_; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  std::size_t steps_ = 0;
};

// Writes the plan (replacing the previous journal atomically) and syncs it.
// 0 or the errno of the failure.
int WriteJournalPlan(const std::string& folder, const TJournalPlan& plan);
int WriteJournalPlan(const std::string& folder, const std::vector<TJournalStep>& steps);
// Appends the outcome of the batch whose plan was written last.
void WriteJournalOutcome(const std::string& folder, const std::vector<int>& step_errors);
// Appends "undone" to the journal, if there is one.
void MarkJournalUndone(const std::string& folder);

// The journal of the last batch, or nothing when there is none or it is unreadable.
std::optional<TJournalRecord> ReadJournal(const std::string& folder);
// The journal when the last batch never reached its end and was not undone.
std::optional<TJournalRecord> FindUnfinishedJournal(const std::string& folder);

struct TJournalUndoResult {
  bool Found = false;         // a journal that was not yet undone
  std::size_t Restored = 0;   // items back under their names from before the batch
  std::size_t Failed = 0;
  std::vector<std::string> Messages;  // one per step that could not be undone
};

// Undoes the last batch from its journal, last step first. A step counts as done
// when its target holds the very item it moved (same device and inode) and its
// source is free; only such steps are reversed, so steps that failed, never ran or
// were already undone are left alone and nothing else is ever replaced.
TJournalUndoResult UndoFromJournal(const std::string& folder, const TWatcherSwitch& watcher);

}  // namespace nalo
