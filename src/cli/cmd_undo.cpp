// nalo-cli undo: puts the last batch back from its journal, also when the batch
// was cut short by a crash.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "execution/batch_journal.h"

namespace nalo::cli {

int RunUndo(const TCliArgs& args) {
  const TSession session(args);
  const std::optional<TJournalRecord> journal = ReadJournal(session.SettingsDir);
  if (!journal || journal->Undone || journal->Steps.empty()) {
    std::cerr << "元に戻せるリネームがありません。\n";
    return kExitNothing;
  }
  if (!args.Yes) {
    if (!CanAsk()) throw EUsageError("確認できないため中止しました。--yes を指定してください。");
    const char* state = journal->Finished ? "" : "（中断されたバッチ）";
    if (!AskYesNo(std::string("直前のリネーム") + state + "を元に戻しますか？")) return kExitNothing;
  }
  const TJournalUndoResult result = UndoFromJournal(session.SettingsDir, {});
  for (const std::string& message : result.Messages) std::cerr << message << "\n";
  std::cerr << result.Restored << " 個を元に戻しました。";
  if (result.Failed > 0) std::cerr << result.Failed << " 個は戻せませんでした。";
  std::cerr << "\n";
  return result.Failed > 0 ? kExitFailures : kExitDone;
}

}  // namespace nalo::cli
