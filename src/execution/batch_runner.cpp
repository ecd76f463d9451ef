// The step loop of a batch. Every path is converted to UTF-8 once (TBatchPaths)
// and every folder held open once, so a step is one rename call on two bare names;
// the journal text is written straight from those names into one buffer. Right
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
  const std::string& From;
  const std::string& To;
};

TStepNames NamesOf(const TStep& step, const TBatchPaths& paths, const TMovePlan& plan) {
  const TNativeMove& native = paths.Move(step.Move);
  const std::string* temp = step.Temp == kNoTemp ? nullptr : &plan.Temps[step.Temp];
  return {step.Opening() ? *native.FromName : *temp, step.Closing() ? *native.ToName : *temp};
}

TStepKind KindOf(const TStep& step) {
  if (step.Temp == kNoTemp) return TStepKind::Plain;
  return step.Last ? TStepKind::OutOfTemp : TStepKind::IntoTemp;
}

TJournalPlan JournalOf(const TBatchPaths& paths, const TMovePlan& plan) {
  TJournalPlan journal;
  std::size_t path_bytes = 0;
  for (const TStep& s : plan.Steps) {
    TStepNames names = NamesOf(s, paths, plan);
    path_bytes += 2 * paths.Folder(s.Move).size() + names.From.size() + names.To.size();
  }
  journal.Reserve(plan.Steps.size(), path_bytes);
  for (const TStep& s : plan.Steps) {
    const TFileIdentity& id = *plan.Source[s.Move];
    TStepNames names = NamesOf(s, paths, plan);
    std::string_view folder = paths.Folder(s.Move);
    journal.AddStep(static_cast<std::uint64_t>(id.Device), static_cast<std::uint64_t>(id.Inode),
                    KindOf(s), folder, names.From, folder, names.To);
  }
  return journal;
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
    const TFileIdentity& expected = *plan_.Source[m];
    if (found->Device != expected.Device || found->Inode != expected.Inode) return kErrItemReplaced;
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
    const TFileIdentity id{plan_.Source[m]->Device, plan_.Source[m]->Inode, modes_[m]};
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
        const std::string& source = paths_.Arg(m, *paths_.Move(m).FromName, source_scratch);
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
  std::size_t open_temps_ = 0;  // items now under a temporary name
  std::vector<mode_t> modes_;   // per move; 0 until a step looked at its item
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

TBatchOutcome RunBatch(const std::vector<TMove>& moves, const TBatchOptions& options,
                       bool write_journal) {
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
    const TJournalPlan record = JournalOf(paths, plan);
    int rc = WriteJournalPlan(options.JournalFolder, record);
    if (rc != 0) {
      outcome.Refusal = JournalRefusalMessage(JournalPath(options.JournalFolder), rc);
      return outcome;
    }
    outcome.Batch = record.Batch();
  }
  outcome.Started = true;
  outcome.MoveErrors = plan.Refused;
  std::vector<mode_t> modes;
  {
    TWatcherPause pause(options.Watcher);
    TStepRunner runner(paths, plan, outcome.MoveErrors);
    runner.Run(options);
    outcome.Stopped = runner.StepsRun() < plan.Steps.size();
    if (journal) {
      WriteJournalOutcome(options.JournalFolder, outcome.Batch, runner.StepErrors(),
                          runner.StepsRun(), CountsOf(outcome.MoveErrors));
    }
    modes = runner.TakeModes();
  }
  outcome.Source = std::move(plan.Source);
  for (std::size_t m = 0; m < modes.size(); ++m) {
    if (outcome.Source[m]) outcome.Source[m]->Mode = modes[m];
  }
  return outcome;
}

void CarryFolderContents(TEntryList& entries, const std::vector<TMove>& moves,
                         const TBatchOutcome& outcome) {
  std::vector<TMove> folders;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (outcome.MoveErrors[i] == 0 && outcome.Source[i] && outcome.Source[i]->IsDirectory() &&
        moves[i].From != moves[i].To) {
      folders.push_back(moves[i]);
    }
  }
  auto depth = [](const TMove& m) { return std::count(m.From.begin(), m.From.end(), '/'); };
  std::stable_sort(folders.begin(), folders.end(),
                   [&](const TMove& a, const TMove& b) { return depth(a) > depth(b); });
  if (folders.empty()) return;
  TFolderRebaser rebaser(entries);
  for (const TMove& m : folders) rebaser.Rebase(m.From, m.To);
}

}  // namespace nalo
