// The undo loop over the journal's steps. Where each item is comes from the disk,
// not from the journal's outcome alone: after a kill the journal cannot say which
// steps ran, and a step whose item is neither at its target nor anywhere else the
// batch put it has been moved by someone else, which undo reports instead of
// counting it as done.
#include "execution/journal_undo.h"

#include <optional>

#include "execution/batch_journal.h"
#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

bool HoldsItem(const std::string& path, const TJournalStep& step) {
  const auto id = IdentityAt(kCurrentFolder, path.c_str());
  return id && static_cast<std::uint64_t>(id->Device) == step.Device &&
         static_cast<std::uint64_t>(id->Inode) == step.Inode;
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
      : record_(record), result_(result) {}

  void Run(const std::function<bool()>& stop_requested) {
    for (std::size_t i = record_.Steps.size(); i-- > 0;) {
      if (open_temps_ == 0 && stop_requested && stop_requested()) {
        result_.Stopped = true;
        return;
      }
      UndoStep(i);
    }
  }
  const std::vector<std::size_t>& Undone() const { return undone_; }

 private:
  void UndoStep(std::size_t i) {
    const TJournalStep& step = record_.Steps[i];
    if (step.Damaged || FolderPartOf(step.From) != FolderPartOf(step.To)) {
      Fail(DamagedStepMessage(i));
      return;
    }
    if (record_.StepUndone[i] || record_.StepErrors[i] != 0 || i >= record_.StepsRun) return;
    if (!HoldsItem(step.To, step)) {
      if (!ItemWhereTheBatchLeftIt(record_, i)) Fail(UndoFailureMessageUtf8(step.To, step.From));
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

  void Fail(std::string message) {
    ++result_.Failed;
    result_.Messages.push_back(std::move(message));
  }

  const TJournalRecord& record_;
  TJournalUndoResult& result_;
  std::vector<std::size_t> undone_;
  std::size_t open_temps_ = 0;  // items the undo put under a temporary name
};

}  // namespace

TJournalUndoResult UndoFromJournal(const std::string& folder, const TWatcherSwitch& watcher,
                                   const std::function<bool()>& stop_requested) {
  TJournalUndoResult result;
  const TJournalLock lock(folder);
  if (!lock.Held()) {
    result.Refusal = lock.Refusal();
    return result;
  }
  const std::optional<TJournalRecord> record = ReadJournal(folder);
  if (!record || record->State == TJournalState::Undone ||
      record->State == TJournalState::Discarded) {
    return result;
  }
  result.Found = true;
  if (record->Damaged) {
    result.Failed = 1;
    result.Messages.push_back(DamagedJournalMessage(JournalPath(folder)));
    return result;
  }
  TStepUndoer undoer(*record, result);
  {
    TWatcherPause pause(watcher);
    undoer.Run(stop_requested);
  }
  MarkJournalUndone(folder, record->Batch, undoer.Undone(), result.Failed == 0 && !result.Stopped);
  return result;
}

}  // namespace nalo
