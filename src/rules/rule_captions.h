// Item texts of the rule tabs' lists that both front ends show and that the rule
// descriptions quote: the bracket combos of the replace and move tabs, the insert
// positions of the add and move tabs per target mode, and the digit counts of the
// numbering rule. UTF-8 display texts; the item index is what the records store.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace nalo {

// cmb_Kakko_Old: item i is BracketPairs[i].
inline constexpr std::array<std::string_view, 12> kBracketOldItems = {
    "()…半角", "[]…半角", "｢｣…半角", "<>…半角", "{}…半角", "（）…全角",
    "［］…全角", "「」…全角", "【】…全角", "『』…全角", "〔〕…全角", "《》…全角"};

// cmb_Kakko_New: the twelve pairs, then the two deletion modes.
inline constexpr int kBracketDeleteOnly = 12;         // delete the brackets, keep the content
inline constexpr int kBracketDeleteWithContent = 13;  // delete the brackets and the content
inline constexpr std::array<std::string_view, 14> kBracketNewItems = {
    "()…半角", "[]…半角", "｢｣…半角", "<>…半角", "{}…半角", "（）…全角",
    "［］…全角", "「」…全角", "【】…全角", "『』…全角", "〔〕…全角", "《》…全角",
    "無…括弧のみ削除", "無…括弧+中身を削除"};

// cmb_Mve_1: item i is BracketPairs[i].
inline constexpr std::array<std::string_view, 12> kMoveBracketItems = {
    "(*)…半角", "[*]…半角", "｢*｣…半角", "<*>…半角", "{*}…半角", "（*）…全角",
    "［*］…全角", "「*」…全角", "【*】…全角", "『*』…全角", "〔*〕…全角", "《*》…全角"};

// rgp_AddPos and rgp_MovePos in file mode and in folder mode.
inline constexpr std::array<std::string_view, 5> kFilePositionItems = {
    "ファイル名の前", "ファイル名の後", "拡張子の後", "任意文字列の前", "任意文字列の後"};
inline constexpr std::array<std::string_view, 4> kFolderPositionItems = {
    "フォルダ名の前", "フォルダ名の後", "任意文字列の前", "任意文字列の後"};

inline std::span<const std::string_view> PositionItems(bool folder_mode) {
  if (folder_mode) return kFolderPositionItems;
  return kFilePositionItems;
}

// cmb_Num2: item i asks for at least i + 1 digits.
inline constexpr std::array<std::string_view, 5> kDigitItems = {"#", "##", "###", "####",
                                                                "#####"};

// The text of item `index` of `items`, or an empty text when no item is chosen.
template <std::size_t N>
constexpr std::string_view ItemText(const std::array<std::string_view, N>& items, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return items[static_cast<std::size_t>(index)];
}

}  // namespace nalo
