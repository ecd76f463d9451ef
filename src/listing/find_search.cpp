// The walk behind TFindSearch. Each folder is read once: its entries are kept in
// memory, matched against every mask in mask order (so an item matched by two
// masks yields two rows, in the order the masks were given), and only matching
// items are examined with fstatat. Sub-folders are then visited in the order the
// directory returned them, each opened relative to its parent, one open directory
// per level of depth.
#include "listing/find_search.h"

#include <optional>
#include <utility>

#include "listing/wildcard_mask.h"
#include "platform/dir_scan.h"
#include "platform/encoding.h"
#include "platform/file_times.h"

namespace nalo {
namespace {

// One directory entry remembered while the masks are matched.
struct TFolderItem {
  std::string Utf8Name;
  std::string Name;        // CP932
  std::string FoldedName;  // lower-cased for the masks
  TDirEntryType Type;
  std::optional<TItemStat> Stat;  // filled on first need
  bool StatTried = false;
};

bool IsHiddenName(std::string_view utf8_name) { return !utf8_name.empty() && utf8_name[0] == '.'; }

std::string WithTrailingSlash(std::string path) {
  if (path.empty() || path.back() != '/') path.push_back('/');
  return path;
}

}  // namespace

// The state of one search: masks, mode, output and the scanner to report to.
class TFolderWalk {
 public:
  TFolderWalk(TFindSearch& search, std::vector<std::string> masks, bool file_mode, bool sub_folders,
              TScanRows& rows)
      : search_(search), masks_(std::move(masks)), file_mode_(file_mode), sub_folders_(sub_folders),
        rows_(rows), match_all_(masks_.size() == 1 && masks_[0] == kAllFilesMask) {}

  // Walks the tree below `dir`; returns false once cancelled.
  bool Walk(TDirReader dir, const std::string& location, const std::string& utf8_location) {
    if (file_mode_ && search_.OnFolder) search_.OnFolder(location);
    std::vector<TFolderItem> items;
    if (!ReadItems(dir, utf8_location, items)) return false;
    EmitRows(dir, location, items);
    if (!sub_folders_) return true;
    for (TFolderItem& item : items) {
      if (search_.Cancelled()) return false;
      if (!IsEnterable(dir, item)) continue;
      if (item.Name.empty()) {
        if (file_mode_) search_.NoteUnencodable(utf8_location + item.Utf8Name);
        continue;  // no CP932 path could name what lies inside
      }
      TDirReader child = dir.OpenChild(item.Utf8Name);
      if (!child.IsOpen()) continue;  // unreadable or vanished: contributes nothing
      if (!Walk(std::move(child), location + item.Name + '/', utf8_location + item.Utf8Name + '/')) {
        return false;
      }
    }
    return true;
  }

 private:
  // Reads every entry of the folder; false when cancelled meanwhile.
  bool ReadItems(TDirReader& dir, const std::string& utf8_location, std::vector<TFolderItem>& items) {
    TDirEntry entry;
    while (dir.Next(entry)) {
      if (search_.OnIdle) search_.OnIdle();
      if (search_.Cancelled()) return false;
      TFolderItem item{std::string(entry.Name), {}, {}, entry.Type, std::nullopt, false};
      if (std::optional<std::string> cp932 = Utf8ToCp932(entry.Name)) {
        item.Name = std::move(*cp932);
        if (!match_all_) item.FoldedName = MaskFoldedName(item.Name);
      } else if (IsWantedKind(dir, item)) {
        search_.NoteUnencodable(utf8_location + item.Utf8Name);
      }
      items.push_back(std::move(item));
    }
    return true;
  }

  void EmitRows(const TDirReader& dir, const std::string& location, std::vector<TFolderItem>& items) {
    for (const std::string& mask : masks_) {
      for (TFolderItem& item : items) {
        if (item.Name.empty()) continue;
        if (!match_all_ && !MatchesMask(mask, item.FoldedName)) continue;
        if (!IsWantedKind(dir, item)) continue;
        AddRow(location, item);
      }
    }
  }

  const std::optional<TItemStat>& StatOf(const TDirReader& dir, TFolderItem& item) {
    if (!item.StatTried) {
      item.Stat = dir.Stat(item.Utf8Name, item.Type);
      item.StatTried = true;
    }
    return item.Stat;
  }

  // A file in file mode, a folder in folder mode; vanished items are neither.
  bool IsWantedKind(const TDirReader& dir, TFolderItem& item) {
    const std::optional<TItemStat>& st = StatOf(dir, item);
    return st && st->IsFolder != file_mode_;
  }

  // A real (not linked), visible sub-folder.
  bool IsEnterable(const TDirReader& dir, TFolderItem& item) {
    if (IsHiddenName(item.Utf8Name)) return false;
    if (item.Type == TDirEntryType::Folder) return true;
    if (item.Type != TDirEntryType::Unknown) return false;
    const std::optional<TItemStat>& st = StatOf(dir, item);
    return st && st->IsFolder && !st->IsLink;
  }

  void AddRow(const std::string& location, const TFolderItem& item) {
    const TItemStat& st = *item.Stat;
    const TLocalTime local = LocalTimeOf(st.Modified);
    TFileInfoRec row;
    row.FullPath.reserve(location.size() + item.Name.size());
    row.FullPath.append(location).append(item.Name);
    row.Name = item.Name;
    row.Location = location;
    row.Size = file_mode_ ? st.Size : 0;
    row.Modified = DayCountOf(local);
    row.FileTime = static_cast<std::int32_t>(DosDateTimeOf(local));
    rows_.push_back(std::move(row));
  }

  TFindSearch& search_;
  std::vector<std::string> masks_;
  bool file_mode_;
  bool sub_folders_;
  TScanRows& rows_;
  bool match_all_;  // the single mask "*.*": no name needs folding or matching
};

void TFindSearch::NoteUnencodable(const std::string& utf8_path) {
  ++unencodable_count_;
  if (unencodable_examples_.size() < kMaxUnencodableExamples) {
    unencodable_examples_.push_back(utf8_path);
  }
}

bool TFindSearch::Search(const std::string& folder, std::string_view mask_text, bool file_mode,
                         TScanRows& rows, bool include_sub_folders) {
  cancelled_.store(false, std::memory_order_relaxed);
  unencodable_count_ = 0;
  unencodable_examples_.clear();
  rows.clear();
  const std::string location = WithTrailingSlash(folder);
  const std::optional<std::string> utf8_location = Cp932ToUtf8(location);
  if (!utf8_location) return true;  // no such folder on disk: nothing to list
  TDirReader dir = TDirReader::Open(*utf8_location);
  if (!dir.IsOpen()) return !Cancelled();
  TFolderWalk walk(*this, ParseMaskList(mask_text), file_mode, include_sub_folders, rows);
  walk.Walk(std::move(dir), location, *utf8_location);
  return !Cancelled();
}

}  // namespace nalo
