// The history folder holds files "<sequence>-<batch>.journal"; the sequence has
// a fixed width, so the names sort from the oldest to the newest. A batch that is
// found twice (a crash between the two names of a move) is listed once.
#include "execution/batch_history.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <set>

#include "execution/journal_text.h"
#include "platform/file_times.h"

namespace nalo {
namespace {

constexpr std::string_view kHistorySuffix = ".journal";
constexpr std::size_t kSequenceWidth = 10;

std::string InFolder(const std::string& folder, std::string_view name) {
  return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + std::string(name);
}

bool IsHistoryName(std::string_view name) {
  if (name.size() <= kSequenceWidth + 1 + kHistorySuffix.size()) return false;
  if (name.substr(name.size() - kHistorySuffix.size()) != kHistorySuffix) return false;
  if (name[kSequenceWidth] != '-') return false;
  return ParseNumber(name.substr(0, kSequenceWidth)).has_value();
}

// The names of the history's files, oldest first.
std::vector<std::string> HistoryNames(const std::string& folder) {
  std::vector<std::string> names;
  ListRecordFolder(HistoryFolder(folder), names);
  std::erase_if(names, [](const std::string& n) { return !IsHistoryName(n); });
  std::sort(names.begin(), names.end());
  return names;
}

// Every file that holds a batch, newest first.
std::vector<std::string> BatchFiles(const std::string& folder) {
  std::vector<std::string> files{JournalPath(folder)};
  const std::vector<std::string> names = HistoryNames(folder);
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    files.push_back(InFolder(HistoryFolder(folder), *it));
  }
  return files;
}

std::string NextHistoryName(const std::vector<std::string>& names, const std::string& batch) {
  std::uint64_t next = 1;
  if (!names.empty()) next = ParseNumber(names.back().substr(0, kSequenceWidth)).value_or(0) + 1;
  std::string name;
  AppendPaddedNumber(name, next, kSequenceWidth);
  return name + "-" + batch + std::string(kHistorySuffix);
}

void DropOldest(const std::string& folder) {
  const std::vector<std::string> names = HistoryNames(folder);
  for (std::size_t i = 0; i + kHistoryBatches < names.size(); ++i) {
    RemoveRecordFile(InFolder(HistoryFolder(folder), names[i]));
  }
}

// The file that holds batch `batch`, if any.
std::optional<std::string> FileOfBatch(const std::string& folder, const std::string& batch) {
  const std::string journal = JournalPath(folder);
  if (auto summary = ReadBatchSummary(journal); summary && summary->Batch == batch) return journal;
  const std::string tail = "-" + batch + std::string(kHistorySuffix);
  for (const std::string& name : HistoryNames(folder)) {
    if (name.size() > tail.size() && name.substr(name.size() - tail.size()) == tail) {
      return InFolder(HistoryFolder(folder), name);
    }
  }
  return std::nullopt;
}

// Sets a file whose head cannot be rewritten aside, where no list looks.
void SetAside(const std::string& path) {
  MoveRecordFile(path, path + ".damaged-" + std::to_string(std::time(nullptr)));
}

}  // namespace

std::string HistoryFolder(const std::string& folder) {
  return InFolder(folder, kHistoryFolderName);
}

std::vector<TBatchSummary> ReadHistory(const std::string& folder) {
  std::vector<TBatchSummary> batches;
  std::set<std::string> seen;
  for (const std::string& path : BatchFiles(folder)) {
    std::optional<TBatchSummary> summary = ReadBatchSummary(path);
    if (!summary || (!summary->Batch.empty() && !seen.insert(summary->Batch).second)) continue;
    batches.push_back(std::move(*summary));
  }
  return batches;
}

namespace {

// Whether undo has something to do with a batch: not yet done with it, and the
// batch renamed something or did not reach its end.
bool Undoable(const TBatchSummary& batch) {
  if (!batch.State) return true;
  if (UndoSettled(*batch.State)) return false;
  return !(*batch.State == TJournalState::Finished && batch.Counts.Renamed == 0);
}

}  // namespace

std::string BatchCaption(const TBatchSummary& batch, std::size_t number) {
  return "バッチ " + std::to_string(number) + "（" + DateTextOf(LocalTimeOf(batch.Time)) + "、" +
         batch.Folder + "、" + std::to_string(batch.Counts.Renamed) + " 個）";
}

std::optional<TUndoableBatch> NewestUndoableBatch(const std::string& folder) {
  const std::vector<TBatchSummary> batches = ReadHistory(folder);
  for (std::size_t i = 0; i < batches.size(); ++i) {
    if (Undoable(batches[i])) return TUndoableBatch{batches[i], i + 1};
  }
  return std::nullopt;
}

bool BatchTouchesFolder(const TBatchSummary& batch, const std::string& utf8_folder) {
  auto with_slash = [](std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
  };
  const std::string a = with_slash(batch.Folder), b = with_slash(utf8_folder);
  if (batch.Folder.empty() || utf8_folder.empty()) return false;
  return a.compare(0, b.size(), b) == 0 || b.compare(0, a.size(), a) == 0;
}

int ArchiveSettledJournal(const std::string& folder) {
  const std::string journal = JournalPath(folder);
  const std::optional<TJournalState> state = ReadBatchState(journal);
  if (!state || *state == TJournalState::Planned || *state == TJournalState::Interrupted) return 0;
  // A batch an earlier version left is rewritten once, so that the history reads
  // every summary from a head; a damaged one moves as it is.
  UpgradeJournalFile(journal);
  const std::optional<TBatchSummary> summary = ReadBatchSummary(journal);
  if (!summary) return EIO;
  if (const int rc = MakeRecordFolder(HistoryFolder(folder))) return rc;
  const std::string target =
      InFolder(HistoryFolder(folder), NextHistoryName(HistoryNames(folder), summary->Batch));
  if (const int rc = MoveRecordFile(journal, target)) return rc;
  DropOldest(folder);
  return 0;
}

void MarkJournalUndone(const std::string& folder, const std::string& batch,
                       const std::vector<std::size_t>& steps, bool all_undone) {
  if (batch.empty()) return;
  const std::optional<std::string> path = FileOfBatch(folder, batch);
  if (!path) return;
  std::optional<TJournalState> state;
  if (all_undone) state = TJournalState::Undone;
  if (MarkBatchFile(*path, batch, steps, {}, state) && *path == JournalPath(folder)) {
    ArchiveSettledJournal(folder);
  }
}

bool DiscardJournal(const std::string& folder) {
  const std::optional<TUndoableBatch> newest = NewestUndoableBatch(folder);
  if (!newest) return false;
  const std::string& path = newest->Summary.Path;
  if (!MarkBatchFile(path, newest->Summary.Batch, {}, {}, TJournalState::Discarded)) {
    SetAside(path);
    return true;
  }
  if (path == JournalPath(folder)) ArchiveSettledJournal(folder);
  return true;
}

}  // namespace nalo
