// Status texts are assembled from fixed pieces and plain decimal numbers.
#include "listing/status_text.h"

#include "listing/listing_state.h"

namespace nalo {
namespace {

std::string CountPart(std::size_t count, bool scan_completed) {
  std::string text = "検索個数：" + std::to_string(count) + "個";
  if (!scan_completed) text += " (キャンセル)";
  return text;
}

}  // namespace

TMarkCounts CountMarks(const TEntryList& entries) {
  TMarkCounts marks;
  for (const TListData& e : entries.Items()) {
    if (e.State == kStateRenamed) ++marks.Renamed;
    if (e.State == kStateFailed) ++marks.Failed;
    if (e.Legacy) ++marks.Legacy;
  }
  return marks;
}

std::string StatusCountText(std::size_t count, bool scan_completed, TMarkCounts marks) {
  std::string text = CountPart(count, scan_completed);
  if (marks.Renamed > 0) text += "、リネーム個数：" + std::to_string(marks.Renamed) + "個";
  if (marks.Failed > 0) text += "、リネーム失敗数：" + std::to_string(marks.Failed) + "個";
  if (marks.Legacy > 0) text += "、Shift-JIS の名前：" + std::to_string(marks.Legacy) + "個";
  return text;
}

std::string SelectionText(std::size_t count, bool scan_completed, std::size_t selected) {
  return CountPart(count, scan_completed) + " ( " + std::to_string(selected) +
         "個のオブジェクトを選択 )";
}

TStatusRefresh RefreshStatusCounts(const TEntryList& entries, TListingState& state,
                                   std::int32_t tab_index) {
  const TMarkCounts marks = CountMarks(entries);
  TStatusRefresh refresh;
  if (tab_index != 0) {
    state.UndoPending = marks.Renamed > 0;
    refresh.ReturnEnabled = marks.Renamed > 0;
  } else {
    refresh.ReturnEnabled = true;
  }
  refresh.Panel0 = StatusCountText(entries.Count(), state.ScanCompleted, marks);
  return refresh;
}

}  // namespace nalo
