// The step loop of a batch. Paths are converted to UTF-8 once, for the journal and
// the rename calls alike. A cycle whose closing step fails moves its item back from
// the temporary name, so a failed move leaves the item under its old name.
#include "execution/batch_runner.h"

#include <algorithm>
#include <cerrno>

#include "execution/batch_journal.h"
#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

struct TNativeStep {
  std::string From;
  std::string To;
};

std::vector<TNativeStep> NativeSteps(const TMovePlan& plan) {
  std::vector<TNativeStep> native;
  native.reserve(plan.Steps.size());
  for (const TStep& s : plan.Steps) {
    native.push_back({NativePath(s.From).value_or(""), NativePath(s.To).value_or("")});
  }
  return native;
}

std::vector<TJournalStep> JournalSteps(const std::vector<TMove>& moves, const TMovePlan& plan,
                                       const std::vector<TNativeStep>& native) {
  std::vector<TJournalStep> steps;
  steps.reserve(plan.Steps.size());
  for (std::size_t k = 0; k < plan.Steps.size(); ++k) {
    const TStep& s = plan.Steps[k];
    const TFileIdentity& id = *plan.Source[s.Move];
    steps.push_back({static_cast<std::uint64_t>(id.Device), static_cast<std::uint64_t>(id.Inode),
                     s.From == moves[s.Move].From, native[k].From, native[k].To});
  }
  return steps;
}

class TStepRunner {
 public:
  TStepRunner(const std::vector<TMove>& moves, const TMovePlan& plan,
              const std::vector<TNativeStep>& native, std::vector<int>& move_errors)
      : moves_(moves), plan_(plan), native_(native), move_errors_(move_errors),
        step_errors_(plan.Steps.size(), 0) {}

  void Run(const std::function<void(std::size_t)>& after_step) {
    for (std::size_t k = 0; k < plan_.Steps.size(); ++k) {
      RunStep(k);
      if (after_step) after_step(k + 1);
    }
  }
  const std::vector<int>& StepErrors() const { return step_errors_; }

 private:
  void RunStep(std::size_t k) {
    const TStep& step = plan_.Steps[k];
    const TMove& move = moves_[step.Move];
    if (move_errors_[step.Move] != 0) return;  // its opening step already failed
    const TFileIdentity& id = *plan_.Source[step.Move];
    bool opening = step.From == move.From;
    if (opening && id.IsReadOnly()) ClearReadOnly(move.From, id.Mode);
    const TNativeStep& native = native_[k];
    int rc = native.From.empty() || native.To.empty() ? EILSEQ
                                                      : RenameNoReplaceUtf8(native.From, native.To);
    step_errors_[k] = rc;
    if (rc != 0) {
      move_errors_[step.Move] = rc;
      std::string at = opening ? move.From : step.From;
      if (!opening && RenameNoReplace(step.From, move.From) == 0) at = move.From;
      if (id.IsReadOnly()) SetMode(at, id.Mode);
    } else if (step.Last && id.IsReadOnly()) {
      SetMode(move.To, id.Mode);
    }
  }

  const std::vector<TMove>& moves_;
  const TMovePlan& plan_;
  const std::vector<TNativeStep>& native_;
  std::vector<int>& move_errors_;
  std::vector<int> step_errors_;
};

}  // namespace

TBatchOutcome RunBatch(const std::vector<TMove>& moves, const TBatchOptions& options,
                       bool write_journal) {
  TBatchOutcome outcome;
  TMovePlan plan = PlanMoves(moves);
  std::vector<TNativeStep> native = NativeSteps(plan);
  bool journal = write_journal && !options.JournalFolder.empty();
  if (journal) {
    int rc = WriteJournalPlan(options.JournalFolder, JournalSteps(moves, plan, native));
    if (rc != 0) {
      outcome.Refusal = JournalRefusalMessage(options.JournalFolder + "/" + kJournalFileName, rc);
      return outcome;
    }
  }
  outcome.Started = true;
  outcome.MoveErrors = plan.Refused;
  {
    TWatcherPause pause(options.Watcher);
    TStepRunner runner(moves, plan, native, outcome.MoveErrors);
    runner.Run(options.AfterStep);
    if (journal) WriteJournalOutcome(options.JournalFolder, runner.StepErrors());
  }
  outcome.Source = std::move(plan.Source);
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
