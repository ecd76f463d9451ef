// nalo-cli apply: computes the rows like preview, asks (unless --yes), then
// renames through the execution core with the batch journal in the settings folder.
// Ctrl-C or SIGTERM during the renames ends the batch at a step boundary; the
// batch stays in the journal for nalo-cli undo.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/terminal.h"
#include "execution/apply_renames.h"
#include "execution/execution_messages.h"
#include "platform/stop_signals.h"

namespace nalo::cli {
namespace {

void PrintFailures(const TPlannedRows& plan, const TApplyResult& result, const TUserText& text) {
  for (const TFailedRow& failed : result.FailedRows) {
    const TConfirmationRow& row = plan.Result.Rows[failed.Row];
    std::cerr << "リネーム失敗: " << text.FromCore(failed.OldPath) << " → "
              << text.FromCore(row.NewName) << "\n";
  }
}

int ReportStop(const TApplyResult& result) {
  if (result.Renamed == 0 && result.Failed == 0) {
    std::cerr << "中断しました。名前は一つも変更していません。\n";
  } else {
    std::cerr << "中断しました。" << result.Renamed << " 個の名前を変更し、" << result.NotRun
              << " 個は変更していません。nalo-cli undo で元に戻せます。\n";
  }
  return kExitSignalBase + TStopSignals::Signal();
}

}  // namespace

int RunApply(const TCliArgs& args) {
  const TSession session(args);
  TPlannedRows plan;
  if (std::optional<int> code = PlanRows(session, plan)) return *code;
  PrintRows(std::cout, plan.Selection.Entries, plan.Result.Rows, RowProblems(plan), TFormat::Tsv,
            session.Text);
  std::cout.flush();
  if (!args.Yes) {
    if (!CanAsk()) throw EUsageError("確認できないため中止しました。--yes を指定してください。");
    if (!AskYesNo(std::to_string(plan.Result.Rows.size()) + " 個の名前を変更しますか？")) {
      return kExitNothing;
    }
  }
  TProgressBar progress(plan.Result.Rows.size());
  TBatchOptions options;
  options.JournalFolder = session.SettingsDir;
  options.AfterStep = [&](std::size_t done) { progress.Update(done); };
  options.StopRequested = [] { return TStopSignals::Requested(); };
  const TStopSignals stop_signals;
  const TApplyResult result = ApplyRenames(plan.Selection.Entries, plan.Result.Rows, {}, options);
  if (!result.Started) {
    std::cerr << ForTerminal(result.Message) << "\n";
    return kExitUsage;
  }
  PrintFailures(plan, result, session.Text);
  if (!result.Message.empty()) std::cerr << ForTerminal(result.Message) << "\n";
  if (result.Stopped) return ReportStop(result);
  return result.Failed > 0 ? kExitFailures : kExitDone;
}

}  // namespace nalo::cli
