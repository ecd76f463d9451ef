// Selection options become the search tab's record and the search exclusion
// condition, exactly as the desktop program would collect them, and the folder is
// listed by the core under its absolute path resolved through the file system, so
// that the batch journal can be undone from any working folder. --sort and --desc re-sort the
// entries afterwards.
#include "cli/selection.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>

#include "cli/terminal.h"
#include "listing/entries_from_rows.h"
#include "listing/list_folder.h"
#include "listing/list_sort.h"
#include "listing/size_units.h"
#include "platform/file_times.h"
#include "platform/user_area_table.h"
#include "settings/tab_status.h"

namespace nalo::cli {
namespace {

std::int32_t UnitIndex(const std::string& unit) {
  if (unit == "byte") return kUnitBytes;
  if (unit == "KB") return kUnitKB;
  if (unit == "MB") return kUnitMB;
  throw EUsageError("--unit は byte, KB, MB のどれかです: " + unit);
}

double DayOf(const std::string& date, std::string_view option) {
  TLocalTime t;
  char tail = 0;
  if (std::sscanf(date.c_str(), "%d-%d-%d%c", &t.Year, &t.Month, &t.Day, &tail) != 3 ||
      t.Month < 1 || t.Month > 12 || t.Day < 1 || t.Day > 31 || t.Year < 1900) {
    throw EUsageError(std::string(option) + " は YYYY-MM-DD で指定してください: " + date);
  }
  return DayCountOf(t);
}

std::int32_t SizeBound(std::int64_t value, std::string_view option) {
  if (value < 0 || value > kMaxSizeBound) {
    throw EUsageError(std::string(option) + " は 0 から " + std::to_string(kMaxSizeBound) +
                      " までです");
  }
  return static_cast<std::int32_t>(value);
}

TTabStatus_Search SearchRecordOf(const TSelectionArgs& a, const TUserText& text) {
  TTabStatus_Search s;
  s.ExtMask = text.ToCore(a.Mask, "--mask");
  s.StrMask = text.ToCore(a.Contains, "--contains");
  s.StrMaskCase = a.ContainsCase;
  s.SizeUnit = UnitIndex(a.Unit);
  if (a.MinSize) {
    s.UseMinSize = true;
    s.MinSize = SizeBound(*a.MinSize, "--min-size");
  }
  if (a.MaxSize) {
    s.UseMaxSize = true;
    s.MaxSize = SizeBound(*a.MaxSize, "--max-size");
  }
  if (!a.Since.empty()) {
    s.UseStartDate = true;
    s.StartDate = DayOf(a.Since, "--since");
  }
  if (!a.Until.empty()) {
    s.UseEndDate = true;
    s.EndDate = DayOf(a.Until, "--until");
  }
  return s;
}

std::int32_t SortColumnOf(const std::string& sort) {
  if (sort == "name") return kSortByName;
  if (sort == "size") return kSortBySize;
  if (sort == "date") return kSortByDate;
  if (sort == "location") return kSortByLocation;
  throw EUsageError("--sort は name, size, date, location のどれかです: " + sort);
}

// --sort orders by a column; --desc alone reverses the order the entries have
// (the scan's column for a folder, the input order for a list of names).
void ApplySortOptions(const TSelectionArgs& a, TSelection& selection) {
  if (a.Sort.empty() && !a.Desc) return;
  if (a.Sort.empty() && selection.FromNames) {
    std::reverse(selection.Entries.Items().begin(), selection.Entries.Items().end());
    return;
  }
  const std::int32_t column = a.Sort.empty() ? selection.State.SortColumn : SortColumnOf(a.Sort);
  selection.State.SortColumn = column;
  selection.State.SortAscending = !a.Desc;
  SortEntries(selection.Entries, column, !a.Desc);
}

void ReportUnencodable(const TListingState& state) {
  if (state.UnencodableCount == 0) return;
  std::cerr << state.UnencodableCount << " 個の項目は、コードページ 932 にない文字が "
            << kUserAreaCodes << " 種類を超えたため一覧に入れませんでした。\n";
  for (const std::string& path : state.UnencodableExamples) std::cerr << "  " << path << "\n";
}

std::string WithoutTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

// `dir` resolved through the file system: absolute, every link followed and every
// ".." taken on the disk (so "link/.." is the folder above the link's target, as
// the shell's cd -P would go). A folder that does not exist stays as it was given,
// made absolute, and is reported by the listing.
std::string AbsoluteFolder(const std::string& dir) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::canonical(dir, error);
  if (!error) return WithoutTrailingSlash(resolved.string());
  return WithoutTrailingSlash(std::filesystem::absolute(dir).lexically_normal().string());
}

// The scan as the core would run it, with a running count on a terminal.
bool ScanWithProgress(TFindSearch& finder, const TSearchOption& option, TScanRows& rows) {
  TScanProgress progress;
  finder.OnFolder = [&](const std::string&) { progress.Folder(); };
  finder.OnIdle = [&] { progress.Item(); };
  return finder.Search(option.Folder, option.ExtMask, !option.FolderMode, rows,
                       option.SubFolders);
}

}  // namespace

void ListDirectory(const std::string& dir, const TSelectionArgs& args, TListNeeds needs,
                   TSelection& selection) {
  const TUserText utf8(false);
  const TTabStatus_Search search = SearchRecordOf(args, utf8);
  TListFolderRequest request;
  request.Folder = PathToCore(AbsoluteFolder(dir));
  request.FolderMode = args.Folders;
  request.SubFolders = args.Recursive;
  request.ReadSizeAndDate = needs.SizesAndDates || args.Sort == "size" || args.Sort == "date";
  request.KeepNames = needs.FolderNames;
  if (!args.Exclude.empty()) {
    request.Exclusion.Enabled = true;
    request.Exclusion.Text = utf8.ToCore(args.Exclude, "--exclude");
    request.Exclusion.CaseSensitive = args.ExcludeCase;
  }
  selection.FolderMode = args.Folders;
  selection.State.SizeUnit = search.SizeUnit;
  selection.State.PreviousUnit = search.SizeUnit;
  TListFolderHooks hooks;
  hooks.RunScan = ScanWithProgress;
  const TListFolderResult result =
      ListFolder(request, search, selection.State, selection.Entries, hooks);
  if (!result.Listed) throw EUsageError("フォルダが見つかりません: " + dir);
  if (result.ConversionFailed) throw EUsageError(std::string(kRowConversionError));
  ReportUnencodable(selection.State);
  ApplySortOptions(args, selection);
}

void ReadNames(const std::string& source, const TSelectionArgs& args, const TUserText& text,
               TSelection& selection) {
  std::ifstream file;
  if (source != "-") {
    file.open(source, std::ios::binary);
    if (!file) throw EUsageError("ファイルを開けません: " + source);
  }
  std::istream& in = source == "-" ? std::cin : file;
  selection.FolderMode = args.Folders;
  selection.FromNames = true;
  const TFolderText location("./");  // names from a list are relative to the working folder
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.find('\0') != std::string::npos) throw EUsageError("名前に NUL 文字があります");
    TListData entry;
    entry.Name = text.ToCore(line, "名前");
    entry.Location = location;
    entry.FolderMode = args.Folders;
    selection.Entries.Add(std::move(entry));
  }
  ApplySortOptions(args, selection);
}

}  // namespace nalo::cli
