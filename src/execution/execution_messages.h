// The texts the rename, undo, delete and single-rename operations hand to their
// front ends. Texts are UTF-8; "\r" is the line break of the message boxes. The
// functions put numbers and paths (converted for display) into place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nalo {

inline constexpr std::string_view kMsgRenameFailedTail =
    "個、リネーム失敗しました。\r"
    "原因の一つとして、同名ファイルが既にある可能性があります。\r"
    "あるいは、ファイル名/フォルダ名に使用できない文字列が含まれている等。";

inline constexpr std::string_view kMsgUndoSelectedOnly =
    "「選択しているファイルのみを対象とする」にチェックが入っています。\r元に戻しますか？";

inline constexpr std::string_view kMsgDialogForbiddenChar =
    "ファイル名には次の文字は使えません。\r              \\ / : ; * ? \" < > |";
inline constexpr std::string_view kMsgInPlaceForbiddenChar =
    "ファイル名/フォルダ名には次の文字は使えません。\r              \\ / : ; * ? \" < > |";
inline constexpr std::string_view kMsgCannotRename =
    "リネーム出来ません:同名ファイル等があるとリネーム出来ません。";

// Shown when the batch record cannot be written; the batch does not start.
inline constexpr std::string_view kMsgJournalUnwritable =
    "リネームの記録を書き込めないため、リネームを開始しませんでした。";

// F + the failure text of a batch.
std::string RenameFailureMessage(std::size_t failures);
// The text for an item whose undo was refused; paths are CP932.
std::string UndoFailureMessage(std::string_view current_cp932, std::string_view target_cp932);
// The same for UTF-8 paths (undo from the journal).
std::string UndoFailureMessageUtf8(std::string_view current, std::string_view target);
// The report of a delete; empty when nothing was deleted and nothing failed.
std::string DeleteReport(std::size_t deleted, std::size_t failed);
// The journal refusal with the file and the system's reason.
std::string JournalRefusalMessage(const std::string& journal_path, int error);

}  // namespace nalo
