// nalo-cli undo: puts the last batch back from its journal, also when the batch
// was cut short by a crash or a stop signal; --discard gives up an unfinished
// batch instead, so that the next apply may start.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "execution/batch_journal.h"
#include "execution/journal_undo.h"
#include "platform/stop_signals.h"

namespace nalo::cli {
namespace {

constexpr const char* kNothingToUndo = "元に戻せるリネームがありません。\n";

bool Undoable(const std::optional<TJournalRecord>& journal) {
  return journal && journal->State != TJournalState::Undone &&
         journal->State != TJournalState::Discarded &&
         (journal->Damaged || !journal->Steps.empty());
}

int RunDiscard(const TSession& session) {
  const TJournalLock lock(session.SettingsDir);
  if (!lock.Held()) {
    std::cerr << ForTerminal(lock.Refusal()) << "\n";
    return kExitUsage;
  }
  if (!Undoable(ReadJournal(session.SettingsDir)) || !DiscardJournal(session.SettingsDir)) {
    std::cerr << kNothingToUndo;
    return kExitNothing;
  }
  std::cerr << "直前のリネームの記録を破棄しました。元に戻すことはできなくなりました。\n";
  return kExitDone;
}

}  // namespace

int RunUndo(const TCliArgs& args) {
  const TSession session(args);
  if (args.Discard) return RunDiscard(session);
  const std::optional<TJournalRecord> journal = ReadJournal(session.SettingsDir);
  if (!Undoable(journal)) {
    std::cerr << kNothingToUndo;
    return kExitNothing;
  }
  if (!args.Yes) {
    if (!CanAsk()) throw EUsageError("確認できないため中止しました。--yes を指定してください。");
    const char* state = journal->Unfinished() ? "（中断されたバッチ）" : "";
    if (!AskYesNo(std::string("直前のリネーム") + state + "を元に戻しますか？")) return kExitNothing;
  }
  const TStopSignals stop_signals;
  const TJournalUndoResult result =
      UndoFromJournal(session.SettingsDir, {}, [] { return TStopSignals::Requested(); });
  if (!result.Refusal.empty()) {
    std::cerr << ForTerminal(result.Refusal) << "\n";
    return kExitUsage;
  }
  if (!result.Found) {
    std::cerr << kNothingToUndo;
    return kExitNothing;
  }
  for (const std::string& message : result.Messages) std::cerr << ForTerminal(message) << "\n";
  std::cerr << result.Restored << " 個を元に戻しました。";
  if (result.Failed > 0) std::cerr << result.Failed << " 個は戻せませんでした。";
  if (result.Stopped) std::cerr << "中断しました。もう一度 nalo-cli undo で続きを戻せます。";
  std::cerr << "\n";
  if (result.Stopped) return kExitSignalBase + TStopSignals::Signal();
  return result.Failed > 0 ? kExitFailures : kExitDone;
}

}  // namespace nalo::cli
