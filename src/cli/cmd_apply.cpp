// nalo-cli apply: computes the rows like preview, asks (unless --yes), then
// renames through the execution core with the batch journal in the settings folder.
#include <iostream>
#include <unordered_set>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/terminal.h"
#include "execution/apply_renames.h"

namespace nalo::cli {
namespace {

// Messages of the core break lines with "\r"; a terminal wants "\n".
std::string ForTerminal(std::string text) {
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  return text;
}

void PrintFailures(const TPlannedRows& plan, const TUserText& text) {
  std::unordered_set<std::string> failed;
  for (const TListData& e : plan.Selection.Entries.Items()) {
    if (e.State == kStateFailed) failed.insert(e.FullPath());
  }
  for (const TConfirmationRow& row : plan.Result.rows) {
    if (failed.count(row.OldFullPath) == 0) continue;
    std::cerr << "リネーム失敗: " << text.FromCore(row.OldFullPath) << " → "
              << text.FromCore(row.NewName) << "\n";
  }
}

}  // namespace

int RunApply(const TCliArgs& args) {
  const TSession session(args);
  TPlannedRows plan;
  if (std::optional<int> code = PlanRows(session, plan)) return *code;
  PrintRows(std::cout, plan.Result.rows, RowProblems(plan), TFormat::Tsv, session.Text);
  std::cout.flush();
  if (!args.Yes) {
    if (!CanAsk()) throw EUsageError("確認できないため中止しました。--yes を指定してください。");
    if (!AskYesNo(std::to_string(plan.Result.rows.size()) + " 個の名前を変更しますか？")) {
      return kExitNothing;
    }
  }
  TProgressBar progress(plan.Result.rows.size());
  TBatchOptions options;
  options.JournalFolder = session.SettingsDir;
  options.AfterStep = [&](std::size_t done) { progress.Update(done); };
  const TApplyResult result = ApplyRenames(plan.Selection.Entries, plan.Result.rows, {}, options);
  if (!result.Started) {
    std::cerr << ForTerminal(result.Message) << "\n";
    return kExitUsage;
  }
  PrintFailures(plan, session.Text);
  if (!result.Message.empty()) std::cerr << ForTerminal(result.Message) << "\n";
  return result.Failed > 0 ? kExitFailures : kExitDone;
}

}  // namespace nalo::cli
