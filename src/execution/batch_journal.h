// The write-ahead record of a rename batch, kept in the settings folder so that a
// batch cut short by a crash, a kill or a stop signal can still be undone, also by
// a fresh process (nalo-cli undo). Before the first rename the planned steps are
// written and synced once; after the last one (or at a stop) the failed steps, the
// counts and the new state follow without a sync: a state lost in a crash only
// makes the batch look unfinished, and the disk still tells what happened. A batch
// that reached its end moves into the history folder (batch_history.h).
//
// Format: UTF-8 text, one record per line, fields separated by a tab, every record
// closed by the CRC-32 of the rest of its line (eight hex digits). In paths "\" is
// written "\\", a tab "\t", a line feed "\n" and a carriage return "\r".
//   NALO-BATCH-JOURNAL 3
//   batch <id> <crc>                 the batch's own name, unique per run
//   state <word> <crc>               fixed width, rewritten in place: planned,
//                                    interrupted, finished, undone, discarded,
//                                    pending (an undo left steps to try again),
//                                    partial (undone as far as it can be)
//   summary <time> <renamed> <failed> <crc>
//                                    fixed width, rewritten in place: the start in
//                                    seconds since 1970 and the counts of items
//   folder <path> <crc>              the folder every renamed item lies in
//   step <i> <device> <inode> <kind> <from> <to> <crc>
//                                    one per rename call, in order; kind 0 plain,
//                                    1 into a temporary name, 2 out of one
//   planned <count> <crc>
//   failed <i> <errno> <crc>         after the batch, one per failed step
//   stopped <steps run> <crc>        when a stop signal ended the batch early
//   undone <i> <crc>                 one per step an undo reversed
//   skipped <i> <crc>                one per step an undo gave up for good
// Everything a list of batches shows sits in the head, so a list reads the first
// bytes of each file only. A batch undone or given up is compacted: the file is
// cut after its head, as nothing in its steps is needed any more.
// Files of the second format (without summary and folder) and of the first (no
// batch, state or checksums; "finished" and "undone" lines at the end) are read
// too, and rewritten in the current format once, when they move into the history
// (the first also before anything is written to it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/record_file.h"

namespace nalo {

// Names of the journal and of its lock file in the settings folder.
inline constexpr const char* kJournalFileName = "Nalo_batch.journal";
inline constexpr const char* kJournalLockFileName = "Nalo_batch.lock";

// How long a batch or an undo waits for another one on the same settings folder
// before refusing: long enough to ride over the end of a batch that is just
// writing its outcome, short enough that a refusal comes before anyone wonders.
inline constexpr int kJournalLockWaitMs = 2000;

enum class TStepKind { Plain = 0, IntoTemp = 1, OutOfTemp = 2 };

// One rename call of a batch; paths are UTF-8 as on disk.
struct TJournalStep {
  std::uint64_t Device = 0;  // identity of the item the step moves
  std::uint64_t Inode = 0;
  TStepKind Kind = TStepKind::Plain;
  std::string From;
  std::string To;
  bool Damaged = false;  // the record failed its checksum: nothing else is known
  // From is the item's name before the batch.
  bool First() const { return Kind != TStepKind::OutOfTemp; }
};

enum class TJournalState { Planned, Interrupted, Finished, Undone, Discarded, Pending, Partial };

// Whether undo is done with a batch in `state`: undone (in full or as far as it
// could be) or given up.
bool UndoSettled(TJournalState state);

// How many items a batch renamed and how many it failed to rename.
struct TBatchCounts {
  std::size_t Renamed = 0;
  std::size_t Failed = 0;
};

struct TJournalRecord {
  std::string Batch;
  TJournalState State = TJournalState::Planned;
  bool Damaged = false;  // the head or the plan is unreadable: no step is known
  int Version = 3;
  std::vector<TJournalStep> Steps;
  std::vector<int> StepErrors;    // per step: the errno of its failure, else 0
  std::vector<bool> StepUndone;   // per step: reversed by an undo
  std::vector<bool> StepSkipped;  // per step: given up by an undo for good
  std::size_t StepsRun = 0;       // steps tried; all of them unless stopped
  std::size_t DamagedSteps = 0;
};

// What a list of batches shows of one batch.
struct TBatchSummary {
  std::string Batch;
  std::string Path;                    // the file that holds it
  std::optional<TJournalState> State;  // nothing: its head is damaged
  std::int64_t Time = 0;               // when it began, seconds since 1970
  std::string Folder;                  // UTF-8, without a closing "/" (but "/")
  TBatchCounts Counts;
};

// The deepest folder that holds each of the folders noted (each ending in "/"):
// the folder a journal's head names.
class TCommonFolder {
 public:
  void Note(std::string_view folder);
  // Ends in "/"; empty when nothing was noted or the folders share none.
  const std::string& Text() const { return folder_; }

 private:
  std::string folder_;
  bool noted_ = false;
};

// Bytes of step records gathered before they are written: enough that a large
// plan takes few write calls, little beside a million entries.
inline constexpr std::size_t kJournalBlockBytes = 1 << 20;

// The plan of a batch written as journal text while it is made: the head, the
// step records in blocks of kJournalBlockBytes, the closing "planned" record. It
// goes to a temporary file that is synced and then renamed over the journal, so
// the journal holds the old complete record or the new plan in full; a plan of a
// million steps is never held whole. A path is given as its folder (ending in
// "/") and its name.
class TJournalPlan {
 public:
  // `folder`: the folder every step lies in, ending in "/" (TCommonFolder).
  explicit TJournalPlan(std::string folder);
  // Starts the plan beside the journal of the settings folder `settings_folder`,
  // once a batch left there has moved into the history. 0 or the errno of the
  // failure, also of a batch left there that could not move.
  int Begin(const std::string& settings_folder);
  void AddStep(std::uint64_t device, std::uint64_t inode, TStepKind kind,
               std::string_view from_folder, std::string_view from_name, std::string_view to_folder,
               std::string_view to_name);
  // Closes the plan, syncs it and puts it in place of the journal. 0 or the errno
  // of the first failure since Begin; on a failure the journal is as before.
  int Commit();
  std::size_t StepCount() const { return steps_; }
  const std::string& Batch() const { return batch_; }

 private:
  int Write();

  std::string batch_;
  std::int64_t time_ = 0;
  std::string folder_;
  std::string block_;  // step records not yet written
  std::size_t steps_ = 0;
  std::optional<TStagedFile> file_;
  int error_ = 0;
};

std::string JournalPath(const std::string& folder);
// The counts of a batch from the outcome of each of its moves.
TBatchCounts CountsOf(const std::vector<int>& move_errors);
// Appends the outcome of batch `batch`, writes its counts and sets its state:
// finished, or interrupted when `steps_run` is less than the number of steps. A
// finished batch moves into the history; one stopped before its first step
// changed nothing and leaves no record.
void WriteJournalOutcome(const std::string& folder, const std::string& batch,
                         const std::vector<int>& step_errors, std::size_t steps_run,
                         TBatchCounts counts);

// Whether the journal holds a batch that never reached its end (or one whose state
// cannot be read), so that no new batch may start; reads the head of the file only.
bool JournalBlocksNextBatch(const std::string& folder);

// The batch in the file at `path`, or nothing when there is none. A file that is
// there but unreadable gives a record with Damaged set.
std::optional<TJournalRecord> ReadJournalFile(const std::string& path);
// The summary of the batch in the file at `path` from its head (a file of an
// earlier format is read whole); nothing when there is no such file.
std::optional<TBatchSummary> ReadBatchSummary(const std::string& path);
// The state of the batch in the file at `path` from its head; nothing when the
// file is missing (`error` ENOENT) or its head is damaged.
std::optional<TJournalState> ReadBatchState(const std::string& path, int* error = nullptr);

// Rewrites the batch in the file at `path` in the current format, when it is of
// an earlier one; false when it cannot be read whole (damaged) or written.
bool UpgradeJournalFile(const std::string& path);

// Appends the undo marks of batch `batch` in the file at `path` and, with a
// state, sets it; a settled batch is cut after its head. False when the file
// does not hold that batch or cannot be written.
bool MarkBatchFile(const std::string& path, const std::string& batch,
                   const std::vector<std::size_t>& undone, const std::vector<std::size_t>& skipped,
                   std::optional<TJournalState> state);

// The settings folder's journal lock, taken for a whole batch or undo. Refusal()
// is the message for the user when it could not be taken.
class TJournalLock {
 public:
  explicit TJournalLock(const std::string& folder, int wait_ms = kJournalLockWaitMs);
  bool Held() const { return lock_.Held(); }
  std::string Refusal() const;

 private:
  std::string path_;
  TFileLock lock_;
};

}  // namespace nalo
