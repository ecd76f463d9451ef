// Writing and reading the batch journal. The plan goes to a temporary file that is
// synced and then renamed over the previous journal, so at every moment the file
// holds either the old complete record or the new plan in full. Reading checks
// every record's checksum: a damaged step is kept as a damaged placeholder (its
// place in the order matters), a damaged head or plan makes the whole journal
// damaged, and a last line cut off by a crash is ignored.
#include "execution/batch_journal.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <random>

#include "execution/execution_messages.h"
#include "execution/record_checksum.h"

namespace nalo {
namespace {

constexpr std::string_view kMagic = "NALO-BATCH-JOURNAL 2";

// Longest journal read back; a plan of a million renames with long paths fits.
constexpr std::size_t kMaxJournalBytes = std::size_t{1} << 31;

// State words are padded to the longest one so the state line keeps its length
// when it is rewritten in place.
constexpr std::size_t kStateWidth = 11;

constexpr std::array<std::string_view, 5> kStateWords = {"planned", "interrupted", "finished",
                                                         "undone", "discarded"};

// Bytes of a step line besides its two paths: the name, four numbers of up to 20
// digits, eight tabs, the checksum and the line feed.
constexpr std::size_t kStepLineOverhead = 4 + 4 * 20 + 8 + 8 + 1;

bool NeedsEscape(char c) { return c == '\\' || c == '\t' || c == '\n' || c == '\r'; }

void AppendEscaped(std::string& out, std::string_view text) {
  std::size_t plain = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!NeedsEscape(text[i])) continue;
    out.append(text.substr(plain, i - plain));
    switch (text[i]) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      default: out += "\\r"; break;
    }
    plain = i + 1;
  }
  out.append(text.substr(plain));
}

std::optional<std::string> Unescape(std::string_view text) {
  if (text.find('\\') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

void AppendNumber(std::string& out, std::uint64_t value) {
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// Closes the record begun at `start` of `out` with a tab, its checksum and a line feed.
void CloseRecord(std::string& out, std::size_t start) {
  const std::uint32_t sum = RecordChecksum(std::string_view(out).substr(start));
  out += '\t';
  AppendChecksumHex(out, sum);
  out += '\n';
}

std::string Record(std::string_view name, std::initializer_list<std::uint64_t> numbers) {
  std::string out(name);
  for (std::uint64_t n : numbers) {
    out += '\t';
    AppendNumber(out, n);
  }
  CloseRecord(out, 0);
  return out;
}

std::string StateLine(TJournalState state) {
  std::string word(kStateWords[static_cast<std::size_t>(state)]);
  word.resize(kStateWidth, ' ');
  std::string out = "state\t" + word;
  CloseRecord(out, 0);
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

std::string HeadText(const std::string& batch) {
  std::string out = std::string(kMagic) + "\n";
  std::size_t start = out.size();
  out += "batch\t" + batch;
  CloseRecord(out, start);
  return out;
}

// Most fields any record has, plus one so that a line with too many fields fails
// the field-count check of its record.
constexpr std::size_t kMaxFields = 9;

// The tab-separated fields of a record without its checksum, without allocating.
class TFields {
 public:
  explicit TFields(std::string_view line) {
    for (;;) {
      std::size_t tab = line.find('\t');
      items_[count_++] = line.substr(0, tab);
      if (tab == std::string_view::npos || count_ == kMaxFields) return;
      line.remove_prefix(tab + 1);
    }
  }
  std::size_t size() const { return count_; }
  std::string_view operator[](std::size_t i) const { return items_[i]; }

 private:
  std::array<std::string_view, kMaxFields> items_;
  std::size_t count_ = 0;
};

std::optional<std::uint64_t> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The record of a line without its checksum, or nothing when the checksum is wrong.
std::optional<std::string_view> CheckedBody(std::string_view line) {
  const std::size_t tab = line.rfind('\t');
  if (tab == std::string_view::npos || line.size() - tab != 9) return std::nullopt;
  const std::string_view body = line.substr(0, tab);
  std::string expected;
  AppendChecksumHex(expected, RecordChecksum(body));
  if (line.substr(tab + 1) != expected) return std::nullopt;
  return body;
}

// Takes the next line (without its line feed) off the front of `rest`; false at
// the end. `complete` tells whether the line had its line feed.
bool NextLine(std::string_view& rest, std::string_view& line, bool& complete) {
  if (rest.empty()) return false;
  std::size_t feed = rest.find('\n');
  complete = feed != std::string_view::npos;
  line = rest.substr(0, feed);
  rest.remove_prefix(complete ? feed + 1 : rest.size());
  return true;
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
  if (f[0] == "undone" && f.size() == 2) {
    auto index = StepIndex(f[1], record);
    if (!index) return false;
    record.StepUndone[*index] = true;
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

// The batch name, the offset of the state line and the state.
struct THead {
  std::string Batch;
  std::uint64_t StateOffset = 0;
  std::optional<TJournalState> State;  // nothing when the state line is damaged
};

// Takes the head (magic, batch and state lines) off the front of `rest`, which
// starts at the beginning of the file; nothing when the magic or batch is damaged.
std::optional<THead> TakeHead(std::string_view& rest) {
  const std::size_t start = rest.size();
  std::string_view line;
  bool complete = false;
  if (!NextLine(rest, line, complete) || line != kMagic) return std::nullopt;
  if (!NextLine(rest, line, complete)) return std::nullopt;
  auto batch = CheckedBody(line);
  if (!batch || batch->substr(0, 6) != "batch\t") return std::nullopt;
  THead head{std::string(batch->substr(6)), start - rest.size(), std::nullopt};
  if (NextLine(rest, line, complete) && complete) {
    if (auto body = CheckedBody(line)) head.State = ParseState(*body);
  }
  return head;
}

// Reads magic, batch and state into `record`; false when any of them is damaged.
bool ParseHead(std::string_view& rest, TJournalRecord& record) {
  const std::optional<THead> head = TakeHead(rest);
  if (!head) return false;
  record.Batch = head->Batch;
  if (!head->State) return false;
  record.State = *head->State;
  return true;
}

// The head alone, read from the first bytes of the file: a large journal is read
// whole only by ReadJournal.
std::optional<THead> ReadHead(const std::string& path, int* error = nullptr) {
  // Longer than any head: magic, batch and state lines take about 70 bytes.
  constexpr std::size_t kHeadBytes = 256;
  std::string text;
  const int err = ReadRegularFileHead(path, text, kHeadBytes);
  if (error) *error = err;
  if (err != 0) return std::nullopt;
  std::string_view rest = text;
  return TakeHead(rest);
}

bool SetState(const std::string& folder, const std::string& batch, TJournalState state) {
  const std::string path = JournalPath(folder);
  auto head = ReadHead(path);
  if (!head || (!batch.empty() && head->Batch != batch)) return false;
  return WriteRegularFileAt(path, head->StateOffset, StateLine(state)) == 0;
}

}  // namespace

bool TJournalRecord::Unfinished() const {
  if (State == TJournalState::Undone || State == TJournalState::Discarded) return false;
  return Damaged || State == TJournalState::Planned || State == TJournalState::Interrupted;
}

TJournalPlan::TJournalPlan() : batch_(NewBatchName()) {}

void TJournalPlan::Reserve(std::size_t steps, std::size_t path_bytes) {
  steps_text_.reserve(steps * kStepLineOverhead + path_bytes);
}

void TJournalPlan::AddStep(std::uint64_t device, std::uint64_t inode, TStepKind kind,
                           std::string_view from_folder, std::string_view from_name,
                           std::string_view to_folder, std::string_view to_name) {
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
  std::string text = HeadText(batch_) + StateLine(TJournalState::Planned);
  text.reserve(text.size() + steps_text_.size() + 64);
  text += steps_text_;
  text += Record("planned", {steps_});
  return text;
}

std::string JournalPath(const std::string& folder) {
  return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + kJournalFileName;
}

int WriteJournalPlan(const std::string& folder, const TJournalPlan& plan) {
  return WriteRegularFileSynced(JournalPath(folder), plan.Text());
}

void WriteJournalOutcome(const std::string& folder, const std::string& batch,
                         const std::vector<int>& step_errors, std::size_t steps_run) {
  std::string text;
  for (std::size_t i = 0; i < step_errors.size(); ++i) {
    if (step_errors[i] != 0) {
      text += Record("failed", {i, static_cast<std::uint64_t>(step_errors[i])});
    }
  }
  const bool stopped = steps_run < step_errors.size();
  if (stopped) text += Record("stopped", {steps_run});
  if (!text.empty() && AppendToRegularFile(JournalPath(folder), text) != 0) return;
  // A batch stopped before its first step changed nothing: there is nothing left
  // to undo, and the next batch may start.
  TJournalState state = TJournalState::Finished;
  if (stopped) state = steps_run == 0 ? TJournalState::Undone : TJournalState::Interrupted;
  SetState(folder, batch, state);
}

void MarkJournalUndone(const std::string& folder, const std::string& batch,
                       const std::vector<std::size_t>& steps, bool all_undone) {
  auto head = ReadHead(JournalPath(folder));
  if (!head || head->Batch != batch) return;
  std::string text;
  for (std::size_t i : steps) text += Record("undone", {i});
  if (!text.empty() && AppendToRegularFile(JournalPath(folder), text) != 0) return;
  if (all_undone) SetState(folder, batch, TJournalState::Undone);
}

bool JournalBlocksNextBatch(const std::string& folder) {
  int error = 0;
  const std::optional<THead> head = ReadHead(JournalPath(folder), &error);
  if (error == ENOENT) return false;
  if (!head || !head->State) return true;
  return *head->State == TJournalState::Planned || *head->State == TJournalState::Interrupted;
}

bool DiscardJournal(const std::string& folder) {
  return SetState(folder, "", TJournalState::Discarded);
}

std::optional<TJournalRecord> ReadJournal(const std::string& folder) {
  std::string text;
  const int err = ReadRegularFile(JournalPath(folder), text, kMaxJournalBytes);
  if (err == ENOENT) return std::nullopt;
  TJournalRecord record;
  std::string_view rest = text;
  if (err != 0 || !ParseHead(rest, record) || !ParsePlan(rest, record)) {
    TJournalRecord damaged;
    damaged.Damaged = true;
    damaged.Batch = record.Batch;
    damaged.State = record.State;
    return damaged;
  }
  record.StepErrors.assign(record.Steps.size(), 0);
  record.StepUndone.assign(record.Steps.size(), false);
  record.StepsRun = record.Steps.size();
  ParseOutcomes(rest, record);
  return record;
}

TJournalLock::TJournalLock(const std::string& folder, int wait_ms)
    : path_(folder + (folder.empty() || folder.back() == '/' ? "" : "/") + kJournalLockFileName),
      lock_(TFileLock::Take(path_, wait_ms)) {}

std::string TJournalLock::Refusal() const {
  if (lock_.Error() == EWOULDBLOCK) return std::string(kMsgJournalBusy);
  return JournalRefusalMessage(path_, lock_.Error());
}

}  // namespace nalo
