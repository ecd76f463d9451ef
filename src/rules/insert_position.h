// Where the add and move rules put a text into a name: before the name, after the
// base name, after the extension, or before or after the first occurrence of an
// anchor string. The position lists differ by target mode (folders have no "after
// the extension"), so a list index is turned into a position first.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nalo {

enum class TInsertPosition {
  kBeforeName,      // "ファイル名の前" / "フォルダ名の前"
  kAfterBaseName,   // "ファイル名の後" / "フォルダ名の後"
  kAfterExtension,  // "拡張子の後" (file mode only)
  kBeforeAnchor,    // "任意文字列の前"
  kAfterAnchor,     // "任意文字列の後"
};

// The position of list item `index` in the given mode; nothing for an index outside
// the mode's list.
std::optional<TInsertPosition> PositionFromIndex(int index, bool folder_mode);

constexpr bool IsAnchorPosition(TInsertPosition position) {
  return position == TInsertPosition::kBeforeAnchor ||
         position == TInsertPosition::kAfterAnchor;
}

// `name` with `text` put at `position`. The anchor is searched case-sensitively and
// only its first occurrence counts. A name without the anchor gets nothing: an
// insertion point that does not exist is not guessed at, so such entries keep
// their names.
std::optional<std::string> InsertAtPosition(std::string_view name, std::string_view text,
                                            TInsertPosition position, std::string_view anchor);

}  // namespace nalo
