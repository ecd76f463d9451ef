// Writing the batch journal. The plan goes to a temporary file that is synced and
// then renamed over the previous journal, so at every moment the file holds either
// the old complete record or the new plan in full; the outcome and the undo marks
// are appended, and the state and counts rewritten in place in the head.
#include "execution/batch_journal.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <random>

#include "execution/batch_history.h"
#include "execution/execution_messages.h"
#include "execution/journal_head.h"
#include "execution/journal_text.h"
#include "execution/move_plan.h"
#include "execution/record_checksum.h"

namespace nalo {
namespace {

// Bytes of a step line besides its two paths: the name, four numbers of up to 20
// digits, eight tabs, the checksum and the line feed.
constexpr std::size_t kStepLineOverhead = 4 + 4 * 20 + 8 + 8 + 1;

std::string NewBatchName() {
  std::random_device device;
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  std::mt19937_64 mix((static_cast<std::uint64_t>(device()) << 32) ^ device() ^
                      static_cast<std::uint64_t>(now));
  std::string name;
  AppendChecksumHex(name, static_cast<std::uint32_t>(mix()));
  AppendChecksumHex(name, static_cast<std::uint32_t>(mix()));
  return name;
}

// A batch of an earlier format in the current one, with its name, steps, outcome
// and undo marks; a settled batch as its head alone.
std::string UpgradedText(const TJournalRecord& record, const TBatchSummary& summary) {
  std::string text = HeadText(record.Batch, record.State, summary.Time, summary.Counts,
                              summary.Folder == "/" ? "/" : summary.Folder + "/");
  if (UndoSettled(record.State)) return text;
  for (std::size_t i = 0; i < record.Steps.size(); ++i) {
    const TJournalStep& s = record.Steps[i];
    const std::size_t start = text.size();
    text += "step\t";
    AppendNumber(text, i);
    for (std::uint64_t n : {s.Device, s.Inode, static_cast<std::uint64_t>(s.Kind)}) {
      text += '\t';
      AppendNumber(text, n);
    }
    text += '\t';
    AppendEscaped(text, s.From);
    text += '\t';
    AppendEscaped(text, s.To);
    CloseRecord(text, start);
  }
  text += Record("planned", {record.Steps.size()});
  for (std::size_t i = 0; i < record.Steps.size(); ++i) {
    if (record.StepErrors[i] != 0) {
      text += Record("failed", {i, static_cast<std::uint64_t>(record.StepErrors[i])});
    }
  }
  if (record.StepsRun < record.Steps.size()) text += Record("stopped", {record.StepsRun});
  for (std::size_t i = 0; i < record.Steps.size(); ++i) {
    if (record.StepUndone[i]) text += Record("undone", {i});
    if (record.StepSkipped[i]) text += Record("skipped", {i});
  }
  return text;
}

// The head of the file at `path` when it holds batch `batch`, in a format whose
// head can be rewritten in place.
std::optional<THead> WritableHead(const std::string& path, const std::string& batch) {
  std::optional<THead> head = ReadHead(path);
  if (head && head->Version == 1) {
    const std::optional<TJournalRecord> record = ReadJournalFile(path);
    if (!record || (!batch.empty() && record->Batch != batch) || !UpgradeJournalFile(path)) {
      return std::nullopt;
    }
    head = ReadHead(path);
  }
  if (!head || head->End == 0 || (!batch.empty() && head->Batch != batch)) return std::nullopt;
  return head;
}

}  // namespace

bool UpgradeJournalFile(const std::string& path) {
  if (const std::optional<THead> head = ReadHead(path); head && head->Version == 3) return true;
  const std::optional<TJournalRecord> record = ReadJournalFile(path);
  if (!record || record->Damaged || record->DamagedSteps > 0) return false;
  if (record->Version == 3) return true;
  const TBatchSummary summary = SummaryOfRecord(*record, path);
  return WriteRegularFileSynced(path, UpgradedText(*record, summary)) == 0;
}

bool UndoSettled(TJournalState state) {
  return state == TJournalState::Undone || state == TJournalState::Discarded ||
         state == TJournalState::Partial;
}

void TCommonFolder::Note(std::string_view folder) {
  if (!noted_) {
    folder_.assign(folder);
    noted_ = true;
    return;
  }
  if (folder.substr(0, folder_.size()) == folder_) return;  // the same folder or one below
  std::size_t n = 0;
  while (n < folder_.size() && n < folder.size() && folder_[n] == folder[n]) ++n;
  folder_.resize(n == 0 ? 0 : folder_.rfind('/', n - 1) + 1);
}

TJournalPlan::TJournalPlan(std::string folder)
    : batch_(NewBatchName()), time_(std::time(nullptr)), folder_(std::move(folder)) {}

int TJournalPlan::Begin(const std::string& settings_folder) {
  // A batch over that cannot move into the history must not be written over.
  if (const int rc = ArchiveSettledJournal(settings_folder)) return error_ = rc;
  file_.emplace(JournalPath(settings_folder));
  block_.reserve(kJournalBlockBytes + kStepLineOverhead);
  block_.append(HeadText(batch_, TJournalState::Planned, time_, {}, folder_));
  error_ = file_->Error();
  return error_;
}

int TJournalPlan::Write() {
  if (error_ == 0 && file_) error_ = file_->Append(block_);
  if (error_ == 0 && !file_) error_ = EBADF;  // Begin was not called
  block_.clear();
  return error_;
}

void TJournalPlan::AddStep(std::uint64_t device, std::uint64_t inode, TStepKind kind,
                           std::string_view from_folder, std::string_view from_name,
                           std::string_view to_folder, std::string_view to_name) {
  std::string& out = block_;
  const std::size_t start = out.size();
  out += "step\t";
  AppendNumber(out, steps_);
  out += '\t';
  AppendNumber(out, device);
  out += '\t';
  AppendNumber(out, inode);
  out += '\t';
  out += static_cast<char>('0' + static_cast<int>(kind));
  out += '\t';
  AppendEscaped(out, from_folder);
  AppendEscaped(out, from_name);
  out += '\t';
  AppendEscaped(out, to_folder);
  AppendEscaped(out, to_name);
  CloseRecord(out, start);
  ++steps_;
  if (out.size() >= kJournalBlockBytes) Write();
}

int TJournalPlan::Commit() {
  block_ += Record("planned", {steps_});
  if (Write() != 0) {
    file_.reset();  // the temporary file goes; the journal stays as it was
    return error_;
  }
  error_ = file_->Commit();
  file_.reset();
  return error_;
}

std::string JournalPath(const std::string& folder) {
  return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + kJournalFileName;
}

TBatchCounts CountsOf(const std::vector<int>& move_errors) {
  TBatchCounts counts;
  for (int error : move_errors) {
    if (error == 0) ++counts.Renamed;
    if (error != 0 && error != kErrNotRun) ++counts.Failed;
  }
  return counts;
}

void WriteJournalOutcome(const std::string& folder, const std::string& batch,
                         const std::vector<int>& step_errors, std::size_t steps_run,
                         TBatchCounts counts) {
  const std::string path = JournalPath(folder);
  const std::optional<THead> head = WritableHead(path, batch);
  if (!head) return;
  const bool stopped = steps_run < step_errors.size();
  if (stopped && steps_run == 0) {  // nothing changed: nothing to undo or to list
    RemoveRecordFile(path);
    return;
  }
  std::string text;
  for (std::size_t i = 0; i < step_errors.size(); ++i) {
    if (step_errors[i] != 0) {
      text += Record("failed", {i, static_cast<std::uint64_t>(step_errors[i])});
    }
  }
  if (stopped) text += Record("stopped", {steps_run});
  if (!text.empty() && AppendToRegularFile(path, text) != 0) return;
  if (WriteRegularFileAt(path, head->SummaryOffset, SummaryLine(head->Time, counts)) != 0) return;
  const TJournalState state = stopped ? TJournalState::Interrupted : TJournalState::Finished;
  if (WriteRegularFileAt(path, head->StateOffset, StateLine(state)) != 0) return;
  if (!stopped) ArchiveSettledJournal(folder);
}

bool MarkBatchFile(const std::string& path, const std::string& batch,
                   const std::vector<std::size_t>& undone, const std::vector<std::size_t>& skipped,
                   std::optional<TJournalState> state) {
  const std::optional<THead> head = WritableHead(path, batch);
  if (!head) return false;
  std::string text;
  for (std::size_t i : undone) text += Record("undone", {i});
  for (std::size_t i : skipped) text += Record("skipped", {i});
  if (!text.empty() && AppendToRegularFile(path, text) != 0) return false;
  if (!state) return true;
  if (WriteRegularFileAt(path, head->StateOffset, StateLine(*state)) != 0) return false;
  // A file of the second format keeps its steps until it is rewritten in the
  // current one: its summary is made from them.
  if (UndoSettled(*state) && head->Version == 3) TruncateRegularFile(path, head->End);
  return true;
}

TJournalLock::TJournalLock(const std::string& folder, int wait_ms)
    : path_(folder + (folder.empty() || folder.back() == '/' ? "" : "/") + kJournalLockFileName),
      lock_(TFileLock::Take(path_, wait_ms)) {}

std::string TJournalLock::Refusal() const {
  if (lock_.Error() == EWOULDBLOCK) return std::string(kMsgJournalBusy);
  return JournalRefusalMessage(path_, lock_.Error());
}

}  // namespace nalo
