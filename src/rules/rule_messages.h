// The fixed texts a rule run hands to its front end: the messages shown in message
// boxes and the caption and hint of the confirmation window's OK button per rule
// family. User-facing texts of the core are UTF-8; names stay CP932.
#pragma once

#include <string_view>

namespace nalo {

// "Only the selected items" is on and no item is selected.
inline constexpr std::string_view kMsgNoSelection = "アイテムを選択していません。";
// The rule ran and no name changes; the front end shows this instead of the list.
inline constexpr std::string_view kMsgNothingToRename = "該当するファイルがありません。";

// Validation messages of the rule families.
inline constexpr std::string_view kMsgSameReplacement = "置換文字列が同じですYO !";
inline constexpr std::string_view kMsgNoString = "文字列が入力されていません。";
inline constexpr std::string_view kMsgNoAddString = "追加文字列が入力されていません。";
inline constexpr std::string_view kMsgNoAnchorString = "任意文字列が入力されていません。";
inline constexpr std::string_view kMsgNoMoveString = "移動文字列が入力されていません。";

// Caption and hint of the confirmation window's OK button.
struct TOkButtonText {
  std::string_view Caption;
  std::string_view Hint;
};

inline constexpr TOkButtonText kOkReplace{"置換実行", "置換処理を実行します"};  // replace, regex
inline constexpr TOkButtonText kOkAdd{"追加実行", "追加処理を実行します"};
inline constexpr TOkButtonText kOkConvert{"変換実行", "変換処理を実行します"};
inline constexpr TOkButtonText kOkMove{"移動実行", "移動処理を実行します"};

}  // namespace nalo
