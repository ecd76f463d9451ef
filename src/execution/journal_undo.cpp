// The undo loop over a batch's steps. Where each item is comes from the disk,
// not from the journal's outcome alone: after a kill the journal cannot say which
// steps ran, and a step whose item is neither at its target nor anywhere else the
// batch put it has been moved by someone else, which undo reports instead of
// counting it as done.
#include "execution/journal_undo.h"

#include <cerrno>
#include <optional>

#include "execution/batch_history.h"
#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

bool SameItem(const std::optional<TFileIdentity>& id, const TJournalStep& step) {
  return id && static_cast<std::uint64_t>(id->Device) == step.Device &&
         static_cast<std::uint64_t>(id->Inode) == step.Inode;
}

bool HoldsItem(const std::string& path, const TJournalStep& step) {
  return SameItem(IdentityAt(kCurrentFolder, path.c_str()), step);
}

// Whether the item of step `i` sits at any place the batch's steps name for it:
// then the step never ran or was undone already.
bool ItemWhereTheBatchLeftIt(const TJournalRecord& record, std::size_t i) {
  const TJournalStep& step = record.Steps[i];
  for (const TJournalStep& other : record.Steps) {
    if (other.Damaged || other.Device != step.Device || other.Inode != step.Inode) continue;
    if (HoldsItem(other.From, step) || HoldsItem(other.To, step)) return true;
  }
  return false;
}

class TStepUndoer {
 public:
  TStepUndoer(const TJournalRecord& record, TJournalUndoResult& result)
      : record_(record), result_(result), skipped_here_(record.Steps.size(), false) {}

  void Run(const std::function<bool()>& stop_requested,
           const std::function<void(std::size_t)>& restored) {
    for (std::size_t i = record_.Steps.size(); i-- > 0;) {
      if (open_temps_ == 0 && stop_requested && stop_requested()) {
        result_.Stopped = true;
        return;
      }
      const std::size_t before = result_.Restored;
      UndoStep(i);
      if (restored && result_.Restored != before) restored(result_.Restored);
    }
  }
  const std::vector<std::size_t>& Undone() const { return undone_; }
  const std::vector<std::size_t>& Skipped() const { return skipped_; }

 private:
  void UndoStep(std::size_t i) {
    const TJournalStep& step = record_.Steps[i];
    if (step.Damaged || FolderPartOf(step.From) != FolderPartOf(step.To)) {
      Fail(DamagedStepMessage(i));
      return;
    }
    if (record_.StepUndone[i] || record_.StepSkipped[i] || record_.StepErrors[i] != 0 ||
        i >= record_.StepsRun) {
      return;
    }
    const std::optional<TFileIdentity> at_target = IdentityAt(kCurrentFolder, step.To.c_str());
    const int probe_error = at_target ? 0 : errno;
    if (!SameItem(at_target, step)) {
      if (ItemWhereTheBatchLeftIt(record_, i)) return;
      if (GoneForGood(step, at_target, probe_error)) {
        Skip(i);
      } else {
        Fail(UndoFailureMessageUtf8(step.To, step.From));
      }
      return;
    }
    if (RenameNoReplaceUtf8(step.To, step.From) != 0) {
      Fail(UndoFailureMessageUtf8(step.To, step.From));
      return;
    }
    undone_.push_back(i);
    if (step.First()) ++result_.Restored;
    if (step.Kind == TStepKind::OutOfTemp) ++open_temps_;
    if (step.Kind == TStepKind::IntoTemp && open_temps_ > 0) --open_temps_;
  }

  // The target holds another item, or nothing while its folder is there: waiting
  // will not bring the item back.
  static bool GoneForGood(const TJournalStep& step, const std::optional<TFileIdentity>& at_target,
                          int probe_error) {
    if (at_target) return true;
    if (probe_error != ENOENT) return false;
    const std::string folder(FolderPartOf(step.To));
    const std::optional<TFileIdentity> parent = IdentityAt(kCurrentFolder, folder.c_str());
    return parent && parent->IsDirectory();
  }

  // A step into a temporary name whose way out was given up is the same item:
  // it is reported once.
  bool ItemAlreadySkipped(std::size_t i) const {
    const TJournalStep& step = record_.Steps[i];
    for (std::size_t k = i + 1; k < record_.Steps.size(); ++k) {
      const TJournalStep& later = record_.Steps[k];
      if (later.Device == step.Device && later.Inode == step.Inode &&
          (skipped_here_[k] || record_.StepSkipped[k])) {
        return true;
      }
    }
    return false;
  }

  void Skip(std::size_t i) {
    skipped_.push_back(i);
    if (record_.Steps[i].Kind == TStepKind::IntoTemp && ItemAlreadySkipped(i)) return;
    skipped_here_[i] = true;
    ++result_.Skipped;
    result_.Messages.push_back(UndoSkippedMessageUtf8(record_.Steps[i].To, record_.Steps[i].From));
  }

  void Fail(std::string message) {
    ++result_.Failed;
    result_.Messages.push_back(std::move(message));
  }

  const TJournalRecord& record_;
  TJournalUndoResult& result_;
  std::vector<std::size_t> undone_;
  std::vector<std::size_t> skipped_;
  std::vector<bool> skipped_here_;
  std::size_t open_temps_ = 0;  // items the undo put under a temporary name
};

bool AnySkipped(const TJournalRecord& record, const std::vector<std::size_t>& skipped_now) {
  if (!skipped_now.empty()) return true;
  for (bool skipped : record.StepSkipped) {
    if (skipped) return true;
  }
  return false;
}

// The state the batch takes after this undo; nothing: it keeps its state.
std::optional<TJournalState> StateAfter(const TJournalRecord& record,
                                        const TJournalUndoResult& result,
                                        const std::vector<std::size_t>& skipped_now) {
  if (result.Failed == 0 && !result.Stopped) {
    return AnySkipped(record, skipped_now) ? TJournalState::Partial : TJournalState::Undone;
  }
  // A batch cut short keeps its state, which holds up the next batch until it
  // is undone or discarded; a batch that ended waits for the next undo.
  if (record.State == TJournalState::Finished || record.State == TJournalState::Pending) {
    return TJournalState::Pending;
  }
  return std::nullopt;
}

}  // namespace

TJournalUndoResult UndoFromJournal(const std::string& folder, const TWatcherSwitch& watcher,
                                   const std::function<bool()>& stop_requested,
                                   const std::string& expected_batch,
                                   const std::function<void(std::size_t)>& restored) {
  TJournalUndoResult result;
  const TJournalLock lock(folder);
  if (!lock.Held()) {
    result.Refusal = lock.Refusal();
    return result;
  }
  ArchiveSettledJournal(folder);
  const std::optional<TUndoableBatch> newest = NewestUndoableBatch(folder);
  if (!newest) return result;
  if (!expected_batch.empty() && newest->Summary.Batch != expected_batch) {
    result.Refusal = std::string(kMsgUndoTargetChanged);
    return result;
  }
  const std::optional<TJournalRecord> record = ReadJournalFile(newest->Summary.Path);
  if (!record) return result;
  result.Found = true;
  result.Batch = newest->Summary;
  result.Number = newest->Number;
  if (record->Damaged) {
    result.Failed = 1;
    result.Messages.push_back(DamagedJournalMessage(newest->Summary.Path));
    return result;
  }
  TStepUndoer undoer(*record, result);
  {
    TWatcherPause pause(watcher);
    undoer.Run(stop_requested, restored);
  }
  const std::optional<TJournalState> state = StateAfter(*record, result, undoer.Skipped());
  result.Settled = state && UndoSettled(*state);
  MarkBatchFile(newest->Summary.Path, record->Batch, undoer.Undone(), undoer.Skipped(), state);
  if (newest->Summary.Path == JournalPath(folder)) ArchiveSettledJournal(folder);
  return result;
}

}  // namespace nalo
