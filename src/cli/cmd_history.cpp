// nalo-cli history: the batches of the history, newest first, one row each:
// number (1 = the newest, the one nalo-cli undo takes first when it is not undone),
// start time, folder, count of renamed items and state. The column names go to
// standard error, so the rows on standard output stay plain data.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "execution/batch_history.h"
#include "platform/file_times.h"

namespace nalo::cli {
namespace {

constexpr const char* kHeader = "番号\t日時\tフォルダ\t変更数\t状態\n";

// The word a script reads for the state of a batch.
std::string_view StateWord(const std::optional<TJournalState>& state) {
  if (!state) return "damaged";
  switch (*state) {
    case TJournalState::Planned: return "unfinished";
    case TJournalState::Interrupted: return "interrupted";
    case TJournalState::Finished: return "finished";
    case TJournalState::Undone: return "undone";
    case TJournalState::Discarded: return "discarded";
    case TJournalState::Pending: return "undo-pending";
    case TJournalState::Partial: return "partly-undone";
  }
  return "damaged";
}

struct TRow {
  std::string Number, Time, Folder, Renamed;
  std::string_view State;
};

TRow RowOf(const TBatchSummary& batch, std::size_t number) {
  return {std::to_string(number), DateTextOf(LocalTimeOf(batch.Time)), PathToCore(batch.Folder),
          std::to_string(batch.Counts.Renamed), StateWord(batch.State)};
}

void PrintPlain(const std::vector<TBatchSummary>& batches, TFormat format, const TUserText& text) {
  TRowWriter writer(std::cout, text, StyleOf(format, text));
  for (std::size_t i = 0; i < batches.size(); ++i) {
    const TRow row = RowOf(batches[i], i + 1);
    writer.Plain(row.Number);
    writer.Tab();
    writer.Plain(row.Time);
    writer.Tab();
    writer.Text(row.Folder);
    writer.Tab();
    writer.Plain(row.Renamed);
    writer.Tab();
    writer.Plain(row.State);
    writer.EndRow();
  }
}

void PrintJson(const std::vector<TBatchSummary>& batches) {
  const TUserText utf8(false);
  std::cout << "[";
  for (std::size_t i = 0; i < batches.size(); ++i) {
    const TRow row = RowOf(batches[i], i + 1);
    std::cout << (i > 0 ? ",\n  " : "\n  ");
    PrintJsonObject(std::cout, {{"number", row.Number},
                                {"time", row.Time},
                                {"folder", utf8.FromCore(row.Folder)},
                                {"renamed", row.Renamed},
                                {"state", std::string(row.State)}});
  }
  std::cout << "\n]\n";
}

}  // namespace

int RunHistory(const TCliArgs& args) {
  const TSession session(args);
  const TFormat format = FormatOf(args.Format, args.Null);
  const std::vector<TBatchSummary> batches = ReadHistory(session.SettingsDir);
  if (format == TFormat::Json) {
    PrintJson(batches);
  } else {
    std::cerr << kHeader;
    PrintPlain(batches, format, session.Text);
  }
  return batches.empty() ? kExitNothing : kExitDone;
}

}  // namespace nalo::cli
