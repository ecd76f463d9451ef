// The walk behind TFindSearch. Each folder is read once: its entries are kept in
// memory and matched against every mask in mask order (so an item matched by two
// masks yields two rows, in the order the masks were given). Only matching items
// are examined with fstatat, and not at once: the folder joins a queue whose items
// a helper thread examines while this thread reads the next folders, converts
// their names and makes their sort keys (examine_queue.h). The rows of a folder are
// made when it leaves the queue, oldest first, so they come in the order the
// folders were read. Sub-folders are visited in the order the directory returned
// them, each opened relative to its parent, depth first in pre-order.
#include "listing/find_search.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "listing/examine_queue.h"
#include "listing/read_folder.h"
#include "listing/wildcard_mask.h"
#include "platform/collation_key.h"
#include "platform/dir_scan.h"
#include "platform/encoding.h"
#include "platform/file_times.h"
#include "platform/file_times_cache.h"

namespace nalo {
namespace {

// A sub-folder the walk will enter.
struct TSubFolder {
  std::string Utf8Name;
  std::string Name;  // CP932
};

// How far reading may run ahead of the rows: folders and items in the queue. Each
// queued folder holds an open descriptor and its entries. A few thousand items
// keep the helper busy while this thread reads on and still fit in the caches, so
// the rows are made from entries that were read a moment before.
constexpr std::size_t kMaxQueuedFolders = 16;
constexpr std::size_t kMaxQueuedItems = 4096;

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

// Looks at the item now, on the calling thread, unless a look was taken before.
const std::optional<TItemStat>& StatOf(const TDirReader& dir, TFolderItem& item) {
  if (!item.StatTried) {
    item.Stat = dir.Stat(item.Utf8Name, item.Type);
    item.StatTried = true;
  }
  return item.Stat;
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

  // Walks the tree below `dir`, then makes the rows of every folder still queued;
  // returns false once cancelled.
  bool WalkAll(TDirReader dir, const std::string& location, const std::string& utf8_location) {
    const bool completed = Walk(std::move(dir), location, utf8_location);
    while (!queue_.Empty()) EmitRows(*queue_.PopExamined());
    return completed;
  }

 private:
  bool Walk(TDirReader dir, const std::string& location, const std::string& utf8_location) {
    if (file_mode_ && search_.OnFolder) search_.OnFolder(location);
    const auto folder = std::make_shared<TReadFolder>();
    folder->Dir = std::move(dir);
    folder->Location = location;
    if (!ReadItems(*folder, utf8_location)) return false;
    // Sub-folders are told apart now: an entry of unknown kind is looked at here.
    const std::vector<TSubFolder> subs =
        sub_folders_ ? SubFoldersToEnter(*folder, utf8_location) : std::vector<TSubFolder>();
    ChooseItemsToExamine(*folder);
    if (search_.MakeSortKeys) MakeKeys(*folder);
    queue_.Push(folder);
    while (queue_.FolderCount() > kMaxQueuedFolders || queue_.ItemCount() > kMaxQueuedItems) {
      EmitRows(*queue_.PopExamined());
    }
    for (const TSubFolder& sub : subs) {
      if (search_.Cancelled()) return false;
      TDirReader child = folder->Dir.OpenChild(sub.Utf8Name);
      if (!child.IsOpen()) continue;  // unreadable or vanished: contributes nothing
      if (!Walk(std::move(child), location + sub.Name + '/', utf8_location + sub.Utf8Name + '/')) {
        return false;
      }
    }
    return true;
  }

  // Reads every entry of the folder into its items; false when cancelled meanwhile.
  bool ReadItems(TReadFolder& folder, const std::string& utf8_location) {
    TDirEntry entry;
    while (folder.Dir.Next(entry)) {
      if (search_.OnIdle) search_.OnIdle();
      if (search_.Cancelled()) return false;
      TFolderItem& item = folder.Items.emplace_back();
      item.Utf8Name = entry.Name;
      item.Type = entry.Type;
      item.Inode = entry.Inode;
      if (std::optional<TDiskName> name = DiskNameToCp932(entry.Name)) {
        item.Name = std::move(name->Text);
        item.Legacy = name->Legacy;
        if (!match_all_) item.FoldedName = MaskFoldedName(item.Name);
      } else if (IsWantedKind(folder.Dir, item)) {
        search_.NoteUnencodable(utf8_location + item.Utf8Name);
      }
    }
    return true;
  }

  // The items a mask matches that need a look: every one when the rows carry sizes
  // and dates, else only links and items of unknown kind.
  void ChooseItemsToExamine(TReadFolder& folder) {
    for (TFolderItem& item : folder.Items) {
      if (item.Name.empty() || item.StatTried) continue;
      if (!read_stat_ && IsPlainKind(item.Type)) continue;
      if (MatchesAnyMask(item)) folder.ToExamine.push_back(&item);
    }
  }

  // The sort keys of the names a row may be made for: every name a mask matches,
  // except entries that state a kind the scan does not list.
  void MakeKeys(TReadFolder& folder) const {
    for (TFolderItem& item : folder.Items) {
      if (item.Name.empty() || !MatchesAnyMask(item)) continue;
      if (IsPlainKind(item.Type) && (item.Type == TDirEntryType::Folder) == file_mode_) continue;
      item.KeyBegin = static_cast<std::uint32_t>(folder.Keys.size());
      AppendCollationKey(folder.Keys, item.Name);
      item.KeyEnd = static_cast<std::uint32_t>(folder.Keys.size());
    }
  }

  bool MatchesAnyMask(const TFolderItem& item) const {
    if (match_all_) return true;
    return std::any_of(masks_.begin(), masks_.end(), [&item](const std::string& mask) {
      return MatchesMask(mask, item.FoldedName);
    });
  }

  // The folder's rows, after every look the queue took for it; then its entries
  // are freed (the folder stays open while its sub-folders are walked).
  void EmitRows(TReadFolder& folder) {
    // One shared text for the folder's rows.
    const TFolderText location(std::move(folder.Location), folder.Dir.Identity(),
                               NamesOfFolder(folder));
    // Room for this folder's rows, growing geometrically so a tree of many small
    // folders does not reallocate once per folder.
    const std::size_t needed = rows_.size() + folder.Items.size();
    if (needed > rows_.capacity()) rows_.reserve(std::max(needed, rows_.capacity() * 2));
    for (const std::string& mask : masks_) {
      for (TFolderItem& item : folder.Items) {
        if (item.Name.empty()) continue;
        if (!match_all_ && !MatchesMask(mask, item.FoldedName)) continue;
        if (!IsWantedKind(folder.Dir, item)) continue;
        AddRow(location, folder, item);
      }
    }
    std::vector<TFolderItem>().swap(folder.Items);
    std::vector<TFolderItem*>().swap(folder.ToExamine);
    std::string().swap(folder.Keys);
  }

  // Every name the folder holds, masked or not, of any kind, as read from the disk.
  std::shared_ptr<const TFolderNames> NamesOfFolder(const TReadFolder& folder) const {
    if (!search_.KeepNames) return nullptr;
    auto names = std::make_shared<TFolderNames>(folder.Items.size());
    for (const TFolderItem& item : folder.Items) names->Add(item.Utf8Name);
    return names;
  }

  // The sub-folders of the folder just read that the walk goes into, in the order
  // the directory returned them. One whose name has no core form is counted in
  // file mode (its files could not be named); in folder mode it was counted as an item.
  std::vector<TSubFolder> SubFoldersToEnter(TReadFolder& folder, const std::string& utf8_location) {
    std::vector<TSubFolder> subs;
    for (TFolderItem& item : folder.Items) {
      if (!IsEnterable(folder.Dir, item)) continue;
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

  // A file in file mode, a folder in folder mode; vanished items are neither (an
  // item that vanishes after an unexamined entry was read is listed, and its rename
  // fails like that of any item removed after the scan).
  bool IsWantedKind(const TDirReader& dir, TFolderItem& item) const {
    if (!read_stat_ && IsPlainKind(item.Type)) {
      return (item.Type == TDirEntryType::Folder) != file_mode_;
    }
    const std::optional<TItemStat>& st = StatOf(dir, item);
    return st && st->IsFolder != file_mode_;
  }

  // A real (not linked), visible sub-folder.
  static bool IsEnterable(const TDirReader& dir, TFolderItem& item) {
    if (IsHiddenName(item.Utf8Name)) return false;
    if (item.Type == TDirEntryType::Folder) return true;
    if (item.Type != TDirEntryType::Unknown) return false;
    const std::optional<TItemStat>& st = StatOf(dir, item);
    return st && st->IsFolder && !st->IsLink;
  }

  // A row with the item's size and dates when it was examined (always, unless the
  // scan skips them), else with zeros.
  void AddRow(const TFolderText& location, const TReadFolder& folder, const TFolderItem& item) {
    TFileInfoRec& row = rows_.emplace_back();
    row.Name = item.Name;
    row.Legacy = item.Legacy;
    row.Location = location;
    if (search_.MakeSortKeys) AddKey(folder, item);
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

  // The row's sort key, made with the folder's keys or now (an entry whose kind
  // only the look told).
  void AddKey(const TReadFolder& folder, const TFolderItem& item) {
    if (item.KeyEnd > item.KeyBegin) {
      search_.sort_keys_.AddKey(
          std::string_view(folder.Keys).substr(item.KeyBegin, item.KeyEnd - item.KeyBegin));
    } else {
      search_.sort_keys_.Add(item.Name);
    }
  }

  TFindSearch& search_;
  std::vector<std::string> masks_;
  bool file_mode_;
  bool sub_folders_;
  bool read_stat_;  // every wanted item is examined for its size and dates
  TScanRows& rows_;
  bool match_all_;  // the single mask "*.*": no name needs folding or matching
  TLocalTimeCache local_times_;  // spares a localtime_r call for most items
  TExamineQueue queue_;          // folders read and not yet made into rows
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
  sort_keys_.Clear();
  const std::string location = WithTrailingSlash(folder);
  const std::optional<std::string> utf8_location = Cp932ToUtf8(location);
  if (!utf8_location) return true;  // no such folder on disk: nothing to list
  TDirReader dir = TDirReader::Open(*utf8_location);
  if (!dir.IsOpen()) return !Cancelled();
  TFolderWalk walk(*this, ParseMaskList(mask_text), file_mode, include_sub_folders, rows);
  walk.WalkAll(std::move(dir), location, *utf8_location);
  return !Cancelled();
}

}  // namespace nalo
