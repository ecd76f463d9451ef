// The listing sequence: check the folder, ask, scan, rebuild the entries, sort,
// remember the folder. The run bracket (BeginRun / EndRun) is held by a guard so a
// thrown exception still re-enables the front end.
#include "listing/list_folder.h"

#include <utility>

#include "listing/entries_from_rows.h"
#include "listing/list_sort.h"
#include "listing/path_history.h"
#include "platform/dir_scan.h"
#include "platform/encoding.h"

namespace nalo {
namespace {

class TRunGuard {
 public:
  explicit TRunGuard(const TListFolderHooks& hooks) : hooks_(hooks) {
    if (hooks_.BeginRun) hooks_.BeginRun();
  }
  ~TRunGuard() {
    if (hooks_.EndRun) hooks_.EndRun();
  }
  TRunGuard(const TRunGuard&) = delete;
  TRunGuard& operator=(const TRunGuard&) = delete;

 private:
  const TListFolderHooks& hooks_;
};

bool FolderExists(const std::string& folder) {
  const std::optional<std::string> utf8 = Cp932ToUtf8(folder);
  return utf8 && IsExistingFolder(*utf8);
}

bool RunScan(const TListFolderHooks& hooks, TFindSearch& search, const TSearchOption& option,
             bool file_mode, TScanRows& rows) {
  if (hooks.RunScan) return hooks.RunScan(search, option, rows);
  return search.Search(option.Folder, option.ExtMask, file_mode, rows, option.SubFolders);
}

}  // namespace

TRescanQuestion RescanQuestionFor(const TListFolderRequest& request, const TListingState& state) {
  TRescanQuestion q;
  q.UsePromptWindow = request.WatcherTriggered;
  if (request.ReturnEnabled && state.UndoPending) {
    q.Message = std::string(request.WatcherTriggered ? kRescanPromptText : kRescanBoxText);
  }
  return q;
}

TListFolderResult ListFolder(const TListFolderRequest& request, const TTabStatus_Search& search,
                             TListingState& state, TEntryList& entries,
                             const TListFolderHooks& hooks) {
  TListFolderResult result;
  if (!FolderExists(request.Folder)) return result;

  const TRescanQuestion question = RescanQuestionFor(request, state);
  if (!question.Message.empty() || question.UsePromptWindow) {
    if (hooks.Ask && !hooks.Ask(question)) {
      result.Declined = true;
      return result;
    }
    result.ReturnDisabled = true;
  }

  TRunGuard run(hooks);
  const TSearchOption option = BuildSearchOption(request.Folder, search, request.Exclusion,
                                                 request.SubFolders, request.FolderMode);
  TFindSearch finder;
  finder.ReadSizeAndDate = request.ReadSizeAndDate || TestsSizeOrDate(option);
  finder.KeepNames = request.KeepNames;
  finder.MakeSortKeys = true;  // the new entries are sorted by name or by location
  TScanRows rows;
  const bool completed = RunScan(hooks, finder, option, !request.FolderMode, rows);
  if (!completed && request.KeepListOnCancel) {
    result.Cancelled = true;
    return result;
  }
  state.CurrentFolder = request.Folder;
  state.ScanCompleted = completed;
  state.UnencodableCount = finder.UnencodableCount();
  state.UnencodableExamples = finder.UnencodableExamples();
  entries.ClearEntries();
  if (hooks.ShowProgressText) {
    hooks.ShowProgressText(state.ScanCompleted ? kShowingText : kShowingCancelledText);
  }

  // The entries are made in sorted order, so none is moved after it is made.
  state.SortColumn = request.SubFolders ? kSortByLocation : kSortByName;
  state.SortAscending = true;
  const std::vector<std::uint32_t> order =
      SortedRowOrder(rows, finder.SortKeys(), state.SortColumn, state.SortAscending);
  if (!AppendEntries(rows, order, option, entries)) {
    result.ConversionFailed = true;
    if (hooks.ShowError) hooks.ShowError(kRowConversionError);
  }
  AddToPathHistory(state.PathHistory, request.Folder);
  state.UndoPending = false;

  result.Listed = true;
  result.Count = entries.Count();
  return result;
}

}  // namespace nalo
