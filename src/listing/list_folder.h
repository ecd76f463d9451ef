// ListFolder: one complete listing of a folder. It asks before a re-scan would
// lose a pending undo, runs the scanner, rebuilds and sorts the entry list, and
// updates the folder history. The front ends supply the question, the scan runner
// (a progress window, or a direct call) and the status texts through hooks.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "listing/find_search.h"
#include "listing/list_data.h"
#include "listing/listing_state.h"
#include "listing/search_option.h"
#include "settings/tab_status.h"

namespace nalo {

// The re-scan question (UTF-8 texts).
inline constexpr std::string_view kRescanPromptText = "（再検索しますと元に戻せなくなります。）";
inline constexpr std::string_view kRescanBoxText =
    "検索しなおすと元に戻せなくなります。\r\r検索しますか？";
// Status panel 1 while the entries are built.
inline constexpr std::string_view kShowingText = "表示中...";
inline constexpr std::string_view kShowingCancelledText = "表示中 (キャンセル)...";

struct TRescanQuestion {
  // The re-scan prompt window (a scan requested by the directory watcher) rather
  // than a Yes/No message box.
  bool UsePromptWindow = false;
  std::string Message;  // may be empty for the prompt window
};

struct TListFolderRequest {
  std::string Folder;             // CP932
  bool FolderMode = false;        // list folders instead of files
  bool SubFolders = false;        // SubFolderSearch
  bool WatcherTriggered = false;  // the directory watcher asked for this scan
  bool ReturnEnabled = false;     // btn_Return is enabled (undo offered)
  // The entries' sizes and dates are shown or ordered by. When false, the scan reads
  // them only if a search condition tests them; the entries otherwise hold zeros.
  bool ReadSizeAndDate = true;
  // Every name of each listed folder is kept with the folder (TFolderText::Names)
  // for the clash check of a later batch.
  bool KeepNames = true;
  // A cancelled scan leaves the entries and the state as they were, rather than
  // listing what it found until then.
  bool KeepListOnCancel = false;
  TExclusion Exclusion;
};

struct TListFolderHooks {
  // Answers the re-scan question: true goes on. Missing: always go on.
  std::function<bool(const TRescanQuestion&)> Ask;
  // BeginRuleRun / EndRuleRun; EndRun also runs when the listing throws.
  std::function<void()> BeginRun;
  std::function<void()> EndRun;
  // Runs the scan and returns whether it completed. Missing: a direct Search.
  std::function<bool(TFindSearch&, const TSearchOption&, TScanRows&)> RunScan;
  // Status panel 1 text while the entries are built.
  std::function<void(std::string_view)> ShowProgressText;
  // Shows an error message (kRowConversionError).
  std::function<void(std::string_view)> ShowError;
};

struct TListFolderResult {
  std::size_t Count = 0;         // entries listed
  bool Declined = false;         // the user declined the re-scan
  bool Listed = false;           // the folder existed and was scanned
  bool ReturnDisabled = false;   // the question was accepted: btn_Return goes off
  bool ConversionFailed = false; // kRowConversionError was shown
  bool Cancelled = false;        // KeepListOnCancel: the scan was cancelled, nothing changed
};

// The question to ask before listing, or nothing to ask (Message empty and no
// prompt window).
TRescanQuestion RescanQuestionFor(const TListFolderRequest& request, const TListingState& state);

// Lists `request.Folder` into `entries` under the conditions of `search`.
// A folder that does not exist changes nothing and lists 0 entries.
TListFolderResult ListFolder(const TListFolderRequest& request, const TTabStatus_Search& search,
                             TListingState& state, TEntryList& entries,
                             const TListFolderHooks& hooks = {});

}  // namespace nalo
