// Reading a batch file whole (the reading half of batch_journal.h). Every record's checksum is
// checked: a damaged step is kept as a damaged placeholder (its place in the order matters), a
// damaged head or plan makes the whole batch damaged, and a last line cut off by a crash is
// ignored. A file of an earlier format gets its summary from its steps.
#include <algorithm>
#include <cerrno>

#include "execution/batch_journal.h"
#include "execution/entry_paths.h"
#include "execution/journal_head.h"
#include "execution/journal_legacy.h"
#include "execution/journal_text.h"

namespace nalo {
namespace {

// Longest journal read back; a plan of a million renames with long paths fits.
constexpr std::size_t kMaxJournalBytes = std::size_t{1} << 31;

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

}  // namespace

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

}  // namespace nalo
