// Assembly of the messages with counts and paths. Paths are CP932 inside the core
// and are converted for display; bytes without a UTF-8 form show as U+FFFD.
#include "execution/execution_messages.h"

#include <cerrno>
#include <cstring>

#include "execution/move_plan.h"
#include "platform/encoding.h"

namespace nalo {

std::string RenameFailureMessage(std::size_t failures) {
  return std::to_string(failures) + std::string(kMsgRenameFailedTail);
}

std::string UndoFailureMessageUtf8(std::string_view current, std::string_view target) {
  return std::string(current) + " を、" + "\r" + std::string(target) + "に戻す事が出来ません。";
}

std::string UndoSkippedMessageUtf8(std::string_view current, std::string_view target) {
  return std::string(current) + " は別の項目に置き換わったか、なくなっています。\r" +
         std::string(target) + "には戻しませんでした。";
}

std::string UndoFailureMessage(std::string_view current_cp932, std::string_view target_cp932) {
  return UndoFailureMessageUtf8(Cp932ToUtf8Lossy(current_cp932), Cp932ToUtf8Lossy(target_cp932));
}

std::string DeleteReport(std::size_t deleted, std::size_t failed) {
  std::string deleted_text = std::to_string(deleted) + "個のファイルを削除しました。";
  std::string failed_text = std::to_string(failed) + "個のファイルが削除に失敗しました。";
  if (deleted > 0 && failed == 0) return deleted_text;
  if (deleted > 0) return deleted_text + "\r" + "また、" + failed_text;
  if (failed > 0) return failed_text;
  return std::string();
}

std::string_view RefusalReason(int error) {
  switch (error) {
    case kErrItemReplaced: return kMsgItemReplaced;
    case kErrHoldsSettings: return kMsgHoldsSettings;
    case kErrFolderIsLink: return kMsgFolderIsLink;
    default: return {};
  }
}

std::string FailureReasonText(int error) {
  if (const std::string_view own = RefusalReason(error); !own.empty()) return std::string(own);
  switch (error) {
    case EEXIST:
    case ENOTEMPTY: return "同じ名前の項目が既にあります";
    case EACCES:
    case EPERM: return "アクセスが拒否されました（変更する権限がありません）";
    case ENOENT: return "項目が見つかりません（移動または削除されています）";
    case EINVAL: return "ファイル名/フォルダ名に使用できない文字が含まれています";
    case ENAMETOOLONG: return "名前が長すぎます";
    case EXDEV: return "別のフォルダへは移動できません";
    case EROFS: return "読み取り専用のファイルシステムです";
    case ENOSPC: return "ディスクの空き容量が足りません";
    case EIO: return "入出力エラーが発生しました";
    default: return std::strerror(error);
  }
}

std::string DamagedStepMessage(std::size_t index) {
  return "リネームの記録の手順 " + std::to_string(index + 1) +
         " が壊れているため、その手順は元に戻しませんでした。";
}

std::string DamagedJournalMessage(const std::string& journal_path) {
  return "リネームの記録が壊れているため、元に戻せません: " + journal_path;
}

std::string JournalRefusalMessage(const std::string& journal_path, int error) {
  return std::string(kMsgJournalUnwritable) + "\r" + journal_path + ": " + std::strerror(error);
}

}  // namespace nalo
