// The step loop of a batch. Every path is converted to UTF-8 once (TBatchPaths)
// and every folder held open once, so a step is one rename call on two bare names;
// the journal text is written from those names in blocks as it is made. Right
// before each rename the step looks at its source (one fstatat, not following a
// link) and compares device and inode with the listed item: anything else there
// fails the move and is left alone. A cycle whose closing step fails moves its
// item back from the temporary name, so a failed move leaves the item under its
// old name.
#include "execution/batch_runner.h"

#include <algorithm>
#include <cerrno>

#include "execution/batch_journal.h"
#include "execution/batch_paths.h"
#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

// The UTF-8 bare names a step renames from and to.
struct TStepNames {
  std::string_view From;
  std::string_view To;
};

TStepNames NamesOf(const TStep& step, const TBatchPaths& paths, const TMovePlan& plan) {
  const std::string_view temp = step.Temp == kNoTemp ? std::string_view() : plan.Temps[step.Temp];
  return {step.Opening() ? paths.FromName(step.Move) : temp,
          step.Closing() ? paths.ToName(step.Move) : temp};
}

TStepKind KindOf(const TStep& step) {
  if (step.Temp == kNoTemp) return TStepKind::Plain;
  return step.Last ? TStepKind::OutOfTemp : TStepKind::IntoTemp;
}

// The folder every step of the plan lies in, for the journal's head.
std::string CommonFolderOf(const TBatchPaths& paths, const TMoveList& moves,
                           const TMovePlan& plan) {
  TCommonFolder common;
  std::size_t last = static_cast<std::size_t>(-1);
  for (const TStep& s : plan.Steps) {
    const std::size_t folder = moves.FolderIndexOf(s.Move);
    if (folder == last) continue;
    common.Note(paths.Folder(s.Move));
    last = folder;
  }
  return common.Text();
}

// Writes the plan into the journal and syncs it, step by step; 0 or the errno.
int WriteJournal(const std::string& settings_folder, const TBatchPaths& paths,
                 const TMoveList& moves, const TMovePlan& plan, std::string& batch) {
  TJournalPlan journal(CommonFolderOf(paths, moves, plan));
  batch = journal.Batch();
  if (const int rc = journal.Begin(settings_folder)) return rc;
  for (const TStep& s : plan.Steps) {
    const TItemIdentity& id = plan.Source[s.Move];
    const TStepNames names = NamesOf(s, paths, plan);
    const std::string_view folder = paths.Folder(s.Move);
    journal.AddStep(id.Device, id.Inode, KindOf(s), folder, names.From, folder, names.To);
  }
  return journal.Commit();
}

class TStepRunner {
 public:
  TStepRunner(const TBatchPaths& paths, const TMovePlan& plan, std::vector<int>& move_errors)
      : paths_(paths),
        plan_(plan),
        move_errors_(move_errors),
        step_errors_(plan.Steps.size(), 0),
        modes_(plan.Source.size(), 0) {}

  void Run(const TBatchOptions& options) {
    for (std::size_t m = 0; m < move_errors_.size() && options.MoveFailed; ++m) {
      if (move_errors_[m] != 0) options.MoveFailed(m, move_errors_[m]);
    }
    for (std::size_t k = 0; k < plan_.Steps.size(); ++k) {
      if (open_temps_ == 0 && options.StopRequested && options.StopRequested()) {
        StopAt(k);
        return;
      }
      if (options.StepFolder) TellFolder(k, options.StepFolder);
      RunStep(k);
      if (step_errors_[k] != 0 && options.MoveFailed) {
        options.MoveFailed(plan_.Steps[k].Move, step_errors_[k]);
      }
      if (options.AfterStep) options.AfterStep(k + 1);
    }
    steps_run_ = plan_.Steps.size();
  }
  const std::vector<int>& StepErrors() const { return step_errors_; }
  std::size_t StepsRun() const { return steps_run_; }
  // The mode each move's item had when its first step looked at it.
  std::vector<mode_t> TakeModes() { return std::move(modes_); }

 private:
  void TellFolder(std::size_t k, const std::function<void(std::string_view)>& tell) {
    const std::string_view folder = paths_.Folder(plan_.Steps[k].Move);
    // Each held folder keeps its text in one place: a new place is a new folder.
    if (folder.data() == told_folder_.data()) return;
    told_folder_ = folder;
    tell(folder);
  }

  // The moves whose last step is not yet run did not run at all: a stop never
  // falls between the two steps of a move through a temporary name.
  void StopAt(std::size_t k) {
    steps_run_ = k;
    for (; k < plan_.Steps.size(); ++k) {
      const TStep& step = plan_.Steps[k];
      if (step.Closing() && move_errors_[step.Move] == 0) move_errors_[step.Move] = kErrNotRun;
    }
  }

  // The identity check of a step: what sits at `from` right now must be the item
  // the move expects (the listed one); 0, ENOENT when nothing is there, or
  // kErrItemReplaced. The look also gives the item's mode.
  int CheckSource(int fd, const std::string& from, std::size_t m) {
    const std::optional<TFileIdentity> found = IdentityAt(fd, from.c_str());
    if (!found) return ENOENT;
    const TItemIdentity& expected = plan_.Source[m];
    if (static_cast<std::uint64_t>(found->Device) != expected.Device ||
        static_cast<std::uint64_t>(found->Inode) != expected.Inode) {
      return kErrItemReplaced;
    }
    if (modes_[m] == 0) modes_[m] = found->Mode;
    return 0;
  }

  void RunStep(std::size_t k) {
    const TStep& step = plan_.Steps[k];
    const std::size_t m = step.Move;
    if (move_errors_[m] != 0) return;  // its opening step already failed
    if (KindOf(step) == TStepKind::OutOfTemp) --open_temps_;
    const int fd = paths_.Fd(m);
    TStepNames names = NamesOf(step, paths_, plan_);
    const std::string& from = paths_.Arg(m, names.From, from_scratch_);
    const std::string& to = paths_.Arg(m, names.To, to_scratch_);
    int rc = CheckSource(fd, from, m);
    const TFileIdentity id{static_cast<dev_t>(plan_.Source[m].Device),
                           static_cast<ino_t>(plan_.Source[m].Inode), modes_[m]};
    if (rc == 0 && step.Opening() && id.IsReadOnly()) ClearReadOnlyAt(fd, from.c_str(), id.Mode);
    if (rc == 0) rc = RenameNoReplaceAt(fd, from, to);
    step_errors_[k] = rc;
    if (rc == 0 && KindOf(step) == TStepKind::IntoTemp) ++open_temps_;
    if (rc == kErrItemReplaced || rc == ENOENT) {
      move_errors_[m] = rc;  // not our item (or none) at the name: leave it as it is
    } else if (rc != 0) {
      move_errors_[m] = rc;
      const std::string* at = &from;
      std::string source_scratch;
      if (!step.Opening()) {  // back from the temporary name to the item's own name
        const std::string& source = paths_.Arg(m, paths_.FromName(m), source_scratch);
        if (RenameNoReplaceAt(fd, from, source) == 0) at = &source;
      }
      if (id.IsReadOnly()) SetModeAt(fd, at->c_str(), id.Mode);
    } else if (step.Closing() && id.IsReadOnly()) {
      SetModeAt(fd, to.c_str(), id.Mode);
    }
  }

  const TBatchPaths& paths_;
  const TMovePlan& plan_;
  std::vector<int>& move_errors_;
  std::vector<int> step_errors_;
  std::size_t steps_run_ = 0;
  std::string_view told_folder_;  // the folder StepFolder heard of last
  std::size_t open_temps_ = 0;    // items now under a temporary name
  std::vector<mode_t> modes_;     // per move; 0 until a step looked at its item
  std::string from_scratch_, to_scratch_;
};

// The settings folder and the folders above it, which a batch never renames.
std::vector<TFileIdentity> KeptFolders(const TBatchOptions& options) {
  return options.JournalFolder.empty() ? std::vector<TFileIdentity>{}
                                       : FolderAndAncestors(options.JournalFolder);
}

// Why a batch that keeps a journal may not start now; empty when it may.
std::string JournalRefusal(const TBatchOptions& options, const TJournalLock& lock) {
  if (!lock.Held()) return lock.Refusal();
  if (JournalBlocksNextBatch(options.JournalFolder)) return std::string(kMsgUnfinishedBatchRefusal);
  return {};
}

}  // namespace

TBatchOutcome RunBatch(const TMoveList& moves, const TBatchOptions& options, bool write_journal) {
  TBatchOutcome outcome;
  const bool journal = write_journal && !options.JournalFolder.empty();
  std::optional<TJournalLock> lock;
  if (journal) {
    lock.emplace(options.JournalFolder, options.LockWaitMs);
    outcome.Refusal = JournalRefusal(options, *lock);
    if (!outcome.Refusal.empty()) return outcome;
  }
  TBatchPaths paths(moves);
  TMovePlan plan =
      PlanMoves(moves, paths, journal ? KeptFolders(options) : std::vector<TFileIdentity>{});
  if (journal) {
    if (const int rc = WriteJournal(options.JournalFolder, paths, moves, plan, outcome.Batch)) {
      outcome.Batch.clear();
      outcome.Refusal = JournalRefusalMessage(JournalPath(options.JournalFolder), rc);
      return outcome;
    }
  }
  outcome.Started = true;
  outcome.MoveErrors = plan.Refused;
  {
    TWatcherPause pause(options.Watcher);
    TStepRunner runner(paths, plan, outcome.MoveErrors);
    runner.Run(options);
    outcome.Stopped = runner.StepsRun() < plan.Steps.size();
    if (journal) {
      WriteJournalOutcome(options.JournalFolder, outcome.Batch, runner.StepErrors(),
                          runner.StepsRun(), CountsOf(outcome.MoveErrors));
    }
    outcome.Modes = runner.TakeModes();
  }
  return outcome;
}

void CarryFolderContents(TEntryList& entries, const TMoveList& moves,
                         const TBatchOutcome& outcome) {
  std::vector<std::size_t> folders;  // the moves that renamed a folder
  for (std::size_t i = 0; i < moves.size(); ++i) {
    const TFileIdentity item{0, 0, outcome.Modes[i]};
    if (outcome.MoveErrors[i] == 0 && item.IsDirectory() && moves.FromName(i) != moves.ToName(i)) {
      folders.push_back(i);
    }
  }
  if (folders.empty()) return;
  auto depth = [&](std::size_t i) {
    const std::string& folder = moves.FolderOf(i);
    return std::count(folder.begin(), folder.end(), '/');
  };
  std::stable_sort(folders.begin(), folders.end(),
                   [&](std::size_t a, std::size_t b) { return depth(a) > depth(b); });
  TFolderRebaser rebaser(entries);
  for (std::size_t i : folders) rebaser.Rebase(moves.From(i), moves.To(i));
}

}  // namespace nalo
