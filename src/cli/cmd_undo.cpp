// nalo-cli undo: puts back the newest batch of the history that is not undone yet,
// also when it was cut short by a crash or a stop signal; run again, it goes on
// with the batch before it. --discard gives that batch up instead, so that undo
// may go past it and the next apply may start.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "execution/batch_history.h"
#include "execution/journal_undo.h"
#include "platform/stop_signals.h"

namespace nalo::cli {
namespace {

constexpr const char* kNothingToUndo = "元に戻せるリネームがありません。\n";

int RunDiscard(const TSession& session) {
  const TJournalLock lock(session.SettingsDir);
  if (!lock.Held()) {
    std::cerr << ForTerminal(lock.Refusal()) << "\n";
    return kExitUsage;
  }
  const std::optional<TUndoableBatch> target = NewestUndoableBatch(session.SettingsDir);
  if (!target || !DiscardJournal(session.SettingsDir)) {
    std::cerr << kNothingToUndo;
    return kExitNothing;
  }
  std::cerr << ForTerminal(BatchCaption(target->Summary, target->Number))
            << "の記録を破棄しました。このバッチは元に戻せなくなりました。\n";
  return kExitDone;
}

void PrintReport(const TJournalUndoResult& result) {
  for (const std::string& message : result.Messages) std::cerr << ForTerminal(message) << "\n";
  std::cerr << ForTerminal(BatchCaption(result.Batch, result.Number)) << ": " << result.Restored
            << " 個を元に戻しました。\n";
  if (result.Skipped > 0) {
    std::cerr
        << result.Skipped
        << " 個は元の場所に別の項目があるか、なくなっているため戻しませんでした。"
           "このバッチは一部だけ元に戻したものとし、次の nalo-cli undo はその前のバッチを戻します。\n";
  }
  if (result.Failed > 0) {
    std::cerr << result.Failed
              << " 個は戻せませんでした。原因を取り除いてから nalo-cli undo を実行すると、"
                 "このバッチの残りをもう一度戻します（諦めるときは nalo-cli undo --discard）。\n";
  }
  if (result.Stopped) std::cerr << "中断しました。もう一度 nalo-cli undo で続きを戻せます。\n";
}

}  // namespace

int RunUndo(const TCliArgs& args) {
  const TSession session(args);
  if (args.Discard) return RunDiscard(session);
  const std::optional<TUndoableBatch> target = NewestUndoableBatch(session.SettingsDir);
  if (!target) {
    std::cerr << kNothingToUndo;
    return kExitNothing;
  }
  if (!args.Yes) {
    if (!CanAsk()) throw EUsageError("確認できないため中止しました。--yes を指定してください。");
    const std::optional<TJournalState> state = target->Summary.State;
    const bool cut_short =
        !state || *state == TJournalState::Planned || *state == TJournalState::Interrupted;
    const std::string question = BatchCaption(target->Summary, target->Number) +
                                 (cut_short ? "（中断されたバッチ）" : "") + "を元に戻しますか？";
    if (!AskYesNo(question)) return kExitNothing;
  }
  const TStopSignals stop_signals;
  const TJournalUndoResult result = UndoFromJournal(
      session.SettingsDir, {}, [] { return TStopSignals::Requested(); }, target->Summary.Batch);
  if (!result.Refusal.empty()) {
    std::cerr << ForTerminal(result.Refusal) << "\n";
    return kExitUsage;
  }
  if (!result.Found) {
    std::cerr << kNothingToUndo;
    return kExitNothing;
  }
  PrintReport(result);
  if (result.Stopped) return kExitSignalBase + TStopSignals::Signal();
  return result.Skipped + result.Failed > 0 ? kExitFailures : kExitDone;
}

}  // namespace nalo::cli
