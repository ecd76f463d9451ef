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
// The text for a step an undo gave up for good: its item is no longer where the
// batch left it (UTF-8 paths).
std::string UndoSkippedMessageUtf8(std::string_view current, std::string_view target);
// Shown when the batch to undo is not the one the user was asked about.
inline constexpr std::string_view kMsgUndoTargetChanged =
    "元に戻す対象のバッチが変わったため、何もしませんでした。もう一度実行してください。";
// The report of a delete; empty when nothing was deleted and nothing failed.
std::string DeleteReport(std::size_t deleted, std::size_t failed);
// Shown when another batch or undo on the same settings folder holds the journal.
inline constexpr std::string_view kMsgJournalBusy =
    "別のリネームまたは元に戻す処理が実行中のため、開始しませんでした。\r"
    "終わってからもう一度実行してください。";

// Shown when the journal holds a batch that never reached its end.
inline constexpr std::string_view kMsgUnfinishedBatchRefusal =
    "前回のリネームが途中で終了したままです。新しいリネームは開始しませんでした。\r"
    "nalo-cli undo で元に戻すか、nalo-cli undo --discard で記録を破棄してください。";

// Shown when rows name entries the list does not hold (the list changed since the
// rows were made); nothing is renamed.
inline constexpr std::string_view kMsgRowsOutOfDate =
    "一覧が変わったため、名前の変更を開始しませんでした。もう一度実行してください。";

// Reasons given with a row that was refused before its rename.
inline constexpr std::string_view kMsgItemReplaced = "一覧を作った後で別の項目に置き換わっています";
inline constexpr std::string_view kMsgHoldsSettings =
    "設定フォルダを含むフォルダは名前を変更できません";
inline constexpr std::string_view kMsgFolderIsLink =
    "フォルダがシンボリックリンクに置き換わっています";

// The reason for a rename refused with `error`, when the program itself refused
// it for one of the reasons above; empty otherwise.
std::string_view RefusalReason(int error);
// Why a rename failed with `error`, for the user: the program's own refusals as
// above, the usual causes in Japanese, anything else in the system's words.
std::string FailureReasonText(int error);

// The text for a journal record that failed its checks (step `index`, from 0).
std::string DamagedStepMessage(std::size_t index);
// The text for a journal whose head or plan is unreadable.
std::string DamagedJournalMessage(const std::string& journal_path);

// The journal refusal with the file and the system's reason.
std::string JournalRefusalMessage(const std::string& journal_path, int error);

}  // namespace nalo
