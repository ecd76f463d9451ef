// The walk behind TFindSearch. Each folder is read once: its entries are kept in
// memory, matched against every mask in mask order (so an item matched by two
// masks yields two rows, in the order the masks were given), and only matching
// items are examined with fstatat, on two cores for a large folder (the calls are
// independent and the kernel's lookups run in parallel). Sub-folders are then
// visited in the order the directory returned them, each opened relative to its
// parent, one open directory per level of depth.
#include "listing/find_search.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "listing/helper_thread.h"
#include "listing/wildcard_mask.h"
#include "platform/dir_scan.h"
#include "platform/encoding.h"
#include "platform/file_times.h"
#include "platform/file_times_cache.h"

namespace nalo {
namespace {

// One directory entry remembered while the masks are matched.
struct TFolderItem {
  std::string Utf8Name;
  std::string Name;        // CP932
  std::string FoldedName;  // lower-cased for the masks
  bool Legacy = false;     // the on-disk bytes are legacy CP932
  TDirEntryType Type = TDirEntryType::Unknown;
  std::uint64_t Inode = 0;
  std::optional<TItemStat> Stat;  // filled on first need
  bool StatTried = false;
};

// A sub-folder the walk will enter.
struct TSubFolder {
  std::string Utf8Name;
  std::string Name;  // CP932
};

// Items a folder needs before the helper thread examines half of them: a smaller
// folder is examined sooner on one thread than handed over and waited for.
constexpr std::size_t kParallelExamineMin = 512;

bool IsHiddenName(std::string_view utf8_name) { return !utf8_name.empty() && utf8_name[0] == '.'; }

// A kind the directory entry states for sure: a link or an unknown kind needs a look
// at the item itself.
bool IsPlainKind(TDirEntryType type) {
  return type == TDirEntryType::File || type == TDirEntryType::Folder;
}

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
      : search_(search),
        masks_(std::move(masks)),
        file_mode_(file_mode),
        sub_folders_(sub_folders),
        read_stat_(search.ReadSizeAndDate),
        rows_(rows),
        match_all_(masks_.size() == 1 && masks_[0] == kAllFilesMask) {}

  // Walks the tree below `dir`; returns false once cancelled.
  bool Walk(TDirReader dir, const std::string& location, const std::string& utf8_location) {
    if (file_mode_ && search_.OnFolder) search_.OnFolder(location);
    if (!ReadItems(dir, utf8_location)) return false;
    ExamineMatchingItems(dir);
    EmitRows(dir, location);
    if (!sub_folders_) return true;
    const std::vector<TSubFolder> subs = SubFoldersToEnter(dir, utf8_location);
    for (const TSubFolder& sub : subs) {
      if (search_.Cancelled()) return false;
      TDirReader child = dir.OpenChild(sub.Utf8Name);
      if (!child.IsOpen()) continue;  // unreadable or vanished: contributes nothing
      if (!Walk(std::move(child), location + sub.Name + '/', utf8_location + sub.Utf8Name + '/')) {
        return false;
      }
    }
    return true;
  }

 private:
  // Reads every entry of the folder into items_; false when cancelled meanwhile.
  // The buffer is reused from folder to folder.
  bool ReadItems(TDirReader& dir, const std::string& utf8_location) {
    items_.clear();
    TDirEntry entry;
    while (dir.Next(entry)) {
      if (search_.OnIdle) search_.OnIdle();
      if (search_.Cancelled()) return false;
      TFolderItem& item = items_.emplace_back();
      item.Utf8Name = entry.Name;
      item.Type = entry.Type;
      item.Inode = entry.Inode;
      if (std::optional<TDiskName> name = DiskNameToCp932(entry.Name)) {
        item.Name = std::move(name->Text);
        item.Legacy = name->Legacy;
        if (!match_all_) item.FoldedName = MaskFoldedName(item.Name);
      } else if (IsWantedKind(dir, item)) {
        search_.NoteUnencodable(utf8_location + item.Utf8Name);
      }
    }
    return true;
  }

  // Examines every item a mask matches ahead of EmitRows, the helper thread taking
  // the second half while this thread takes the first. Each item is written by one
  // thread only, and both are done before EmitRows reads them. A small folder, or a
  // scan without sizes and dates, leaves the looks to EmitRows.
  void ExamineMatchingItems(const TDirReader& dir) {
    if (!read_stat_ || items_.size() < kParallelExamineMin) return;
    wanted_.clear();
    for (TFolderItem& item : items_) {
      if (!item.Name.empty() && !item.StatTried && MatchesAnyMask(item)) wanted_.push_back(&item);
    }
    const std::size_t half = wanted_.size() / 2;
    const auto examine = [this, &dir](std::size_t from, std::size_t to) {
      for (std::size_t i = from; i < to; ++i) StatOf(dir, *wanted_[i]);
    };
    helper_.RunBeside([&] { examine(half, wanted_.size()); }, [&] { examine(0, half); });
  }

  bool MatchesAnyMask(const TFolderItem& item) const {
    if (match_all_) return true;
    return std::any_of(masks_.begin(), masks_.end(), [&item](const std::string& mask) {
      return MatchesMask(mask, item.FoldedName);
    });
  }

  void EmitRows(const TDirReader& dir, const std::string& location_text) {
    // One shared text for the folder's rows.
    const TFolderText location(location_text, dir.Identity(), NamesOfFolder());
    // Room for this folder's rows, growing geometrically so a tree of many small
    // folders does not reallocate once per folder.
    const std::size_t needed = rows_.size() + items_.size();
    if (needed > rows_.capacity()) rows_.reserve(std::max(needed, rows_.capacity() * 2));
    for (const std::string& mask : masks_) {
      for (TFolderItem& item : items_) {
        if (item.Name.empty()) continue;
        if (!match_all_ && !MatchesMask(mask, item.FoldedName)) continue;
        if (!IsWantedKind(dir, item)) continue;
        AddRow(location, item);
      }
    }
  }

  // Every name the folder holds, masked or not, of any kind, as read from the disk.
  std::shared_ptr<const TFolderNames> NamesOfFolder() const {
    if (!search_.KeepNames) return nullptr;
    auto names = std::make_shared<TFolderNames>(items_.size());
    for (const TFolderItem& item : items_) names->Add(item.Utf8Name);
    return names;
  }

  // The sub-folders of the folder just read that the walk goes into, in the order
  // the directory returned them. One whose name has no core form is counted in
  // file mode (its files could not be named); in folder mode it was counted as an item.
  std::vector<TSubFolder> SubFoldersToEnter(const TDirReader& dir, const std::string& utf8_location) {
    std::vector<TSubFolder> subs;
    for (TFolderItem& item : items_) {
      if (!IsEnterable(dir, item)) continue;
      if (item.Name.empty()) {
        if (file_mode_) search_.NoteUnencodable(utf8_location + item.Utf8Name);
        continue;
      }
      // A legacy folder stands in the paths below it as its bytes, so those paths
      // lead back to it on disk.
      const std::string name =
          item.Legacy ? ByteUnitsOf(item.Utf8Name).value_or(item.Name) : item.Name;
      subs.push_back({item.Utf8Name, name});
    }
    return subs;
  }

  const std::optional<TItemStat>& StatOf(const TDirReader& dir, TFolderItem& item) {
    if (!item.StatTried) {
      item.Stat = dir.Stat(item.Utf8Name, item.Type);
      item.StatTried = true;
    }
    return item.Stat;
  }

  // A file in file mode, a folder in folder mode; vanished items are neither (an
  // item that vanishes after an unexamined entry was read is listed, and its rename
  // fails like that of any item removed after the scan).
  bool IsWantedKind(const TDirReader& dir, TFolderItem& item) {
    if (!read_stat_ && IsPlainKind(item.Type)) {
      return (item.Type == TDirEntryType::Folder) != file_mode_;
    }
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

  // A row with the item's size and dates when it was examined (always, unless the
  // scan skips them), else with zeros.
  void AddRow(const TFolderText& location, const TFolderItem& item) {
    TFileInfoRec& row = rows_.emplace_back();
    row.Name = item.Name;
    row.Legacy = item.Legacy;
    row.Location = location;
    // Without a look at the item, its identity is the directory entry's inode on
    // the folder's device.
    row.Identity = {location.Identity().Device, item.Inode};
    if (!item.Stat) return;
    const TItemStat& st = *item.Stat;
    const TLocalTime local = local_times_.Of(st.Modified);
    row.Size = file_mode_ ? st.Size : 0;
    row.Modified = DayCountOf(local);
    row.FileTime = static_cast<std::int32_t>(DosDateTimeOf(local));
    row.Identity = {st.Device, st.Inode};
  }

  TFindSearch& search_;
  std::vector<std::string> masks_;
  bool file_mode_;
  bool sub_folders_;
  bool read_stat_;  // every wanted item is examined for its size and dates
  TScanRows& rows_;
  std::vector<TFolderItem> items_;  // entries of the folder being read
  std::vector<TFolderItem*> wanted_;  // items_ a mask matches, to examine ahead
  THelperThread helper_;              // takes half of wanted_ in a large folder
  bool match_all_;  // the single mask "*.*": no name needs folding or matching
  TLocalTimeCache local_times_;  // spares a localtime_r call for most items
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
