// The texts of status panel 0 (entry count, renamed and failed counts, selection)
// and the recount that follows every change of the entry list. Texts are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "listing/list_data.h"

namespace nalo {

struct TListingState;

struct TMarkCounts {
  std::size_t Renamed = 0;  // entries with State 0
  std::size_t Failed = 0;   // entries with State 1
  std::size_t Legacy = 0;   // entries whose names are legacy CP932 bytes on disk
};

TMarkCounts CountMarks(const TEntryList& entries);

// "検索個数：N個" (+ " (キャンセル)" after a cancelled scan), then
// "、リネーム個数：R個" when R > 0, "、リネーム失敗数：F個" when F > 0 and
// "、Shift-JIS の名前：L個" when L > 0.
std::string StatusCountText(std::size_t count, bool scan_completed, TMarkCounts marks = {});

// "検索個数：N個 ( S個のオブジェクトを選択 )", with " (キャンセル)" after N as above.
std::string SelectionText(std::size_t count, bool scan_completed, std::size_t selected);

struct TStatusRefresh {
  std::string Panel0;
  bool ReturnEnabled = false;  // btn_Return
};

// Recounts the marks; off the search tab (tab index 0) UndoPending and btn_Return
// follow whether any entry is marked renamed, on it btn_Return (clear conditions)
// is always enabled.
TStatusRefresh RefreshStatusCounts(const TEntryList& entries, TListingState& state,
                                   std::int32_t tab_index);

}  // namespace nalo
