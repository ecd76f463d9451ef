// Writing and reading the batch journal. The plan goes to a temporary file that is
// synced and then renamed over the previous journal, so at every moment the file
// holds either the old complete record or the new plan in full. Reading checks
// every record's checksum: a damaged step is kept as a damaged placeholder (its
// place in the order matters), a damaged head or plan makes the whole journal
// damaged, and a last line cut off by a crash is ignored. The state and summary
// lines have a fixed width, so they are rewritten in place and a reader of the
// head never needs the rest of the file.
#include "execution/batch_journal.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <random>

#include "execution/batch_history.h"
#include "execution/entry_paths.h"
#include "execution/execution_messages.h"
#include "execution/journal_legacy.h"
#include "execution/journal_text.h"
#include "execution/move_plan.h"
#include "execution/record_checksum.h"

namespace nalo {
namespace {

constexpr std::string_view kMagic = "NALO-BATCH-JOURNAL 3";
constexpr std::string_view kSecondFormatMagic = "NALO-BATCH-JOURNAL 2";

// Longest journal read back; a plan of a million renames with long paths fits.
constexpr std::size_t kMaxJournalBytes = std::size_t{1} << 31;

// Bytes read for a head: the magic, batch, state and summary lines take about 150
// bytes, and the folder line holds one path (at most PATH_MAX bytes, escaped).
constexpr std::size_t kHeadBytes = 16 * 1024;

// Bytes read from the end of a file of the first format to find its state line.
constexpr std::size_t kFirstFormatTailBytes = 64;

// State words are padded to the longest one so the state line keeps its length
// when it is rewritten in place; counts and time are padded to 20 digits (the
// most a 64-bit number takes) for the same reason.
constexpr std::size_t kStateWidth = 11;
constexpr std::size_t kNumberWidth = 20;

constexpr std::array<std::string_view, 7> kStateWords = {
    "planned", "interrupted", "finished", "undone", "discarded", "pending", "partial"};

// Bytes of a step line besides its two paths: the name, four numbers of up to 20
// digits, eight tabs, the checksum and the line feed.
constexpr std::size_t kStepLineOverhead = 4 + 4 * 20 + 8 + 8 + 1;

std::string StateLine(TJournalState state) {
  std::string word(kStateWords[static_cast<std::size_t>(state)]);
  word.resize(kStateWidth, ' ');
  std::string out = "state\t" + word;
  CloseRecord(out, 0);
  return out;
}

std::string SummaryLine(std::int64_t time, TBatchCounts counts) {
  std::string out = "summary\t";
  AppendPaddedNumber(out, static_cast<std::uint64_t>(time < 0 ? 0 : time), kNumberWidth);
  out += '\t';
  AppendPaddedNumber(out, counts.Renamed, kNumberWidth);
  out += '\t';
  AppendPaddedNumber(out, counts.Failed, kNumberWidth);
  CloseRecord(out, 0);
  return out;
}

std::string HeadText(const std::string& batch, TJournalState state, std::int64_t time,
                     TBatchCounts counts, std::string_view folder) {
  std::string out = std::string(kMagic) + "\n";
  std::size_t start = out.size();
  out += "batch\t" + batch;
  CloseRecord(out, start);
  out += StateLine(state);
  out += SummaryLine(time, counts);
  start = out.size();
  out += "folder\t";
  AppendEscaped(out, folder);
  CloseRecord(out, start);
  return out;
}

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

// A folder ending in "/" as shown: without the "/" (but the root).
std::string ShownFolder(std::string_view folder) {
  if (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return std::string(folder);
}

std::optional<TJournalState> ParseState(std::string_view body) {
  TFields f(body);
  if (f.size() != 2 || f[0] != "state") return std::nullopt;
  std::string_view word = f[1];
  while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
  for (std::size_t i = 0; i < kStateWords.size(); ++i) {
    if (word == kStateWords[i]) return static_cast<TJournalState>(i);
  }
  return std::nullopt;
}

// What the head of a file says; the offsets let its lines be rewritten in place.
struct THead {
  int Version = 3;
  std::string Batch;
  std::uint64_t StateOffset = 0;
  std::optional<TJournalState> State;  // nothing when the state line is damaged
  std::uint64_t SummaryOffset = 0;     // 0: no summary (an earlier format)
  std::int64_t Time = 0;
  TBatchCounts Counts;
  std::string Folder;
  std::uint64_t End = 0;  // where the steps begin; 0 when the head is damaged
};

bool ParseSummary(std::string_view body, THead& head) {
  TFields f(body);
  if (f.size() != 4 || f[0] != "summary") return false;
  auto time = ParseNumber(f[1]), renamed = ParseNumber(f[2]), failed = ParseNumber(f[3]);
  if (!time || !renamed || !failed) return false;
  head.Time = static_cast<std::int64_t>(*time);
  head.Counts = {static_cast<std::size_t>(*renamed), static_cast<std::size_t>(*failed)};
  return true;
}

// The next complete, checked line of `rest`, or nothing.
std::optional<std::string_view> TakeChecked(std::string_view& rest) {
  std::string_view line;
  bool complete = false;
  if (!NextLine(rest, line, complete) || !complete) return std::nullopt;
  return CheckedBody(line);
}

// Takes the head off the front of `rest`, which starts at the beginning of a file
// of the second or current format; nothing when the magic or batch is damaged.
std::optional<THead> TakeHead(std::string_view& rest) {
  const std::size_t start = rest.size();
  std::string_view line;
  bool complete = false;
  if (!NextLine(rest, line, complete)) return std::nullopt;
  THead head;
  if (line == kSecondFormatMagic) {
    head.Version = 2;
  } else if (line != kMagic) {
    return std::nullopt;
  }
  auto batch = TakeChecked(rest);
  if (!batch || batch->substr(0, 6) != "batch\t") return std::nullopt;
  head.Batch = std::string(batch->substr(6));
  head.StateOffset = start - rest.size();
  if (auto body = TakeChecked(rest)) head.State = ParseState(*body);
  if (!head.State) return head;
  if (head.Version == 2) {
    head.End = start - rest.size();
    return head;
  }
  head.SummaryOffset = start - rest.size();
  auto summary = TakeChecked(rest);
  if (!summary || !ParseSummary(*summary, head)) return head;
  auto folder_line = TakeChecked(rest);
  if (!folder_line || folder_line->substr(0, 7) != "folder\t") return head;
  auto folder = Unescape(folder_line->substr(7));
  if (!folder) return head;
  head.Folder = std::move(*folder);
  head.End = start - rest.size();
  return head;
}

std::optional<TJournalStep> ParseStep(const TFields& f, std::size_t expected_index) {
  if (f.size() != 7 || f[0] != "step" || ParseNumber(f[1]) != expected_index) return std::nullopt;
  auto device = ParseNumber(f[2]), inode = ParseNumber(f[3]), kind = ParseNumber(f[4]);
  auto from = Unescape(f[5]), to = Unescape(f[6]);
  if (!device || !inode || !kind || *kind > 2 || !from || !to) return std::nullopt;
  return TJournalStep{*device,          *inode,         static_cast<TStepKind>(*kind),
                      std::move(*from), std::move(*to), false};
}

// A step index in a record after the plan, checked against the plan.
std::optional<std::size_t> StepIndex(std::string_view text, const TJournalRecord& record) {
  auto index = ParseNumber(text);
  if (!index || *index >= record.Steps.size()) return std::nullopt;
  return static_cast<std::size_t>(*index);
}

// A record that follows the plan; false for an unknown or malformed one.
bool ParseOutcome(std::string_view body, TJournalRecord& record) {
  TFields f(body);
  if (f[0] == "failed" && f.size() == 3) {
    auto index = StepIndex(f[1], record);
    auto error = ParseNumber(f[2]);
    if (!index || !error) return false;
    record.StepErrors[*index] = static_cast<int>(*error);
    return true;
  }
  if (f[0] == "stopped" && f.size() == 2) {
    auto run = ParseNumber(f[1]);
    if (!run || *run > record.Steps.size()) return false;
    record.StepsRun = static_cast<std::size_t>(*run);
    return true;
  }
  if ((f[0] == "undone" || f[0] == "skipped") && f.size() == 2) {
    auto index = StepIndex(f[1], record);
    if (!index) return false;
    (f[0] == "undone" ? record.StepUndone : record.StepSkipped)[*index] = true;
    return true;
  }
  return false;
}

// Reads the steps up to the "planned" record; false when the plan is damaged.
bool ParsePlan(std::string_view& rest, TJournalRecord& record) {
  std::string_view line;
  bool complete = false;
  while (NextLine(rest, line, complete)) {
    auto body = CheckedBody(line);
    if (body && body->substr(0, 8) == "planned\t") {
      return ParseNumber(body->substr(8)) == record.Steps.size();
    }
    std::optional<TJournalStep> step;
    if (body) step = ParseStep(TFields(*body), record.Steps.size());
    if (!step) {
      if (line.substr(0, 5) != "step\t") return false;
      step = TJournalStep{};
      step->Damaged = true;
      ++record.DamagedSteps;
    }
    record.Steps.push_back(std::move(*step));
  }
  return false;  // the plan never closed
}

void ParseOutcomes(std::string_view rest, TJournalRecord& record) {
  std::string_view line;
  bool complete = false;
  while (NextLine(rest, line, complete)) {
    auto body = CheckedBody(line);
    if (body && ParseOutcome(*body, record)) continue;
    if (!complete) return;  // a line cut off by a crash
    // A damaged outcome record: the disk still tells where each item is, and
    // undo looks there before it moves anything.
  }
}

void SizeOutcomes(TJournalRecord& record) {
  record.StepErrors.assign(record.Steps.size(), 0);
  record.StepUndone.assign(record.Steps.size(), false);
  record.StepSkipped.assign(record.Steps.size(), false);
  record.StepsRun = record.Steps.size();
}

// The batch of a file of the second or current format.
TJournalRecord ParseJournal(std::string_view text) {
  TJournalRecord record;
  std::string_view rest = text;
  const std::optional<THead> head = TakeHead(rest);
  if (head) {
    record.Batch = head->Batch;
    record.Version = head->Version;
    if (head->State) record.State = *head->State;
  }
  if (!head || !head->State || head->End == 0) {
    record.Damaged = true;
    return record;
  }
  // A settled batch is kept as its head alone.
  if (rest.empty() && UndoSettled(record.State)) return record;
  if (!ParsePlan(rest, record)) {
    TJournalRecord damaged;
    damaged.Damaged = true;
    damaged.Batch = record.Batch;
    damaged.State = record.State;
    damaged.Version = record.Version;
    return damaged;
  }
  SizeOutcomes(record);
  ParseOutcomes(rest, record);
  return record;
}

// The head of the file at `path`; a file of the first format gives its state from
// its end and no offsets. Nothing when the file is missing or its head damaged.
std::optional<THead> ReadHead(const std::string& path, int* error = nullptr) {
  std::string text;
  const int err = ReadRegularFileHead(path, text, kHeadBytes);
  if (error) *error = err;
  if (err != 0) return std::nullopt;
  std::string_view rest = text;
  if (rest.substr(0, kFirstFormatMagic.size() + 1) == std::string(kFirstFormatMagic) + "\n") {
    THead head;
    head.Version = 1;
    std::string tail;
    if (ReadRegularFileTail(path, tail, kFirstFormatTailBytes) != 0) return std::nullopt;
    head.State = FirstFormatState(tail);
    return head;
  }
  return TakeHead(rest);
}

// The deepest folder that holds the source of every step, ending in "/".
std::string CommonFolder(const std::vector<TJournalStep>& steps) {
  std::string common;
  bool first = true;
  for (const TJournalStep& s : steps) {
    if (s.Damaged) continue;
    std::string_view folder = FolderPartOf(s.From);
    if (first) {
      common = folder;
      first = false;
      continue;
    }
    std::size_t n = 0;
    while (n < common.size() && n < folder.size() && common[n] == folder[n]) ++n;
    common.resize(n == 0 ? 0 : common.rfind('/', n - 1) + 1);
  }
  return common;
}

// The counts a batch of an earlier format implies: each move has one closing
// step, and a move that failed has one failed step.
TBatchCounts CountsOfRecord(const TJournalRecord& record) {
  TBatchCounts counts;
  for (std::size_t i = 0; i < record.Steps.size() && i < record.StepsRun; ++i) {
    if (record.Steps[i].Kind != TStepKind::IntoTemp) ++counts.Renamed;
    if (record.StepErrors[i] != 0) ++counts.Failed;
  }
  counts.Renamed -= std::min(counts.Renamed, counts.Failed);
  return counts;
}

TBatchSummary SummaryOfRecord(const TJournalRecord& record, const std::string& path) {
  TBatchSummary summary;
  summary.Batch = record.Batch;
  summary.Path = path;
  if (!record.Damaged) summary.State = record.State;
  summary.Time = RegularFileTime(path).value_or(0);
  summary.Folder = ShownFolder(CommonFolder(record.Steps));
  summary.Counts = CountsOfRecord(record);
  return summary;
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

bool TJournalRecord::Unfinished() const {
  if (UndoSettled(State)) return false;
  return Damaged || State == TJournalState::Planned || State == TJournalState::Interrupted;
}

TJournalPlan::TJournalPlan() : batch_(NewBatchName()), time_(std::time(nullptr)) {}

void TJournalPlan::Reserve(std::size_t steps, std::size_t path_bytes) {
  steps_text_.reserve(steps * kStepLineOverhead + path_bytes);
}

void TJournalPlan::NoteFolder(std::string_view folder) {
  if (steps_ == 0) {
    folder_.assign(folder);
    return;
  }
  if (folder.substr(0, folder_.size()) == folder_) return;  // the same folder or one below
  std::size_t n = 0;
  while (n < folder_.size() && n < folder.size() && folder_[n] == folder[n]) ++n;
  folder_.resize(n == 0 ? 0 : folder_.rfind('/', n - 1) + 1);
}

void TJournalPlan::AddStep(std::uint64_t device, std::uint64_t inode, TStepKind kind,
                           std::string_view from_folder, std::string_view from_name,
                           std::string_view to_folder, std::string_view to_name) {
  NoteFolder(from_folder);
  std::string& out = steps_text_;
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
}

std::string TJournalPlan::Text() const {
  std::string text = HeadText(batch_, TJournalState::Planned, time_, {}, folder_);
  text.reserve(text.size() + steps_text_.size() + 64);
  text += steps_text_;
  text += Record("planned", {steps_});
  return text;
}

std::string JournalPath(const std::string& folder) {
  return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + kJournalFileName;
}

int WriteJournalPlan(const std::string& folder, const TJournalPlan& plan) {
  ArchiveSettledJournal(folder);
  return WriteRegularFileSynced(JournalPath(folder), plan.Text());
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

std::optional<TJournalState> ReadBatchState(const std::string& path, int* error) {
  const std::optional<THead> head = ReadHead(path, error);
  if (!head) return std::nullopt;
  return head->State;
}

bool JournalBlocksNextBatch(const std::string& folder) {
  int error = 0;
  const std::optional<TJournalState> state = ReadBatchState(JournalPath(folder), &error);
  if (error == ENOENT) return false;
  if (!state) return true;
  return *state == TJournalState::Planned || *state == TJournalState::Interrupted;
}

std::optional<TJournalRecord> ReadJournalFile(const std::string& path) {
  std::string text;
  const int err = ReadRegularFile(path, text, kMaxJournalBytes);
  if (err == ENOENT) return std::nullopt;
  TJournalRecord record;
  if (err != 0) {
    record.Damaged = true;
    return record;
  }
  if (std::string_view(text).substr(0, kFirstFormatMagic.size()) == kFirstFormatMagic) {
    if (!ParseFirstFormat(text, record)) {
      record = TJournalRecord{};
      record.Damaged = true;
      record.Version = 1;
    }
    return record;
  }
  return ParseJournal(text);
}

std::optional<TBatchSummary> ReadBatchSummary(const std::string& path) {
  int error = 0;
  const std::optional<THead> head = ReadHead(path, &error);
  if (error == ENOENT) return std::nullopt;
  if (head && head->Version == 3 && head->End != 0) {
    return TBatchSummary{head->Batch, path, head->State, head->Time, ShownFolder(head->Folder),
                         head->Counts};
  }
  const std::optional<TJournalRecord> record = ReadJournalFile(path);
  if (!record) return std::nullopt;
  TBatchSummary summary = SummaryOfRecord(*record, path);
  if (head && head->Version == 3) {  // a current head with a damaged summary
    summary.Time = head->Time;
  }
  return summary;
}

TJournalLock::TJournalLock(const std::string& folder, int wait_ms)
    : path_(folder + (folder.empty() || folder.back() == '/' ? "" : "/") + kJournalLockFileName),
      lock_(TFileLock::Take(path_, wait_ms)) {}

std::string TJournalLock::Refusal() const {
  if (lock_.Error() == EWOULDBLOCK) return std::string(kMsgJournalBusy);
  return JournalRefusalMessage(path_, lock_.Error());
}

}  // namespace nalo
