// The head of a batch file: the magic line, then the batch, state, summary and
// folder records. The state and summary records have a fixed width, so they are
// rewritten in place, and a reader of the head reads the first bytes of a file
// only. Shared by the journal's writer and reader; nothing else uses it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "execution/batch_journal.h"

namespace nalo {

std::string StateLine(TJournalState state);
std::string SummaryLine(std::int64_t time, TBatchCounts counts);
// The head of the current format, the folder ending in "/".
std::string HeadText(const std::string& batch, TJournalState state, std::int64_t time,
                     TBatchCounts counts, std::string_view folder);
// A folder ending in "/" as shown: without the "/" (but the root).
std::string ShownFolder(std::string_view folder);

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

// Takes the head off the front of `rest`, which starts at the beginning of a file
// of the second or current format; nothing when the magic or batch is damaged.
std::optional<THead> TakeHead(std::string_view& rest);
// The head of the file at `path`; a file of the first format gives its state from
// its end and no offsets. Nothing when the file is missing or its head damaged.
std::optional<THead> ReadHead(const std::string& path, int* error = nullptr);

// The summary of a batch read whole, for a file of an earlier format.
TBatchSummary SummaryOfRecord(const TJournalRecord& record, const std::string& path);

}  // namespace nalo
