// Writing and reading the head of a batch file. A file of the first format has no
// head; its state is the last line of the file, read from the end.
#include "execution/journal_head.h"

#include <array>

#include "execution/journal_legacy.h"
#include "execution/journal_text.h"

namespace nalo {
namespace {

constexpr std::string_view kMagic = "NALO-BATCH-JOURNAL 3";
constexpr std::string_view kSecondFormatMagic = "NALO-BATCH-JOURNAL 2";

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

}  // namespace

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

std::string ShownFolder(std::string_view folder) {
  if (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return std::string(folder);
}

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

std::optional<THead> ReadHead(const std::string& path, int* error) {
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

}  // namespace nalo
