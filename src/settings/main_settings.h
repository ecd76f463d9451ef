// The main window's part of Nalo.ini as one plain record: start-up options, list
// look, window geometry, last folder, exclusion lists and check boxes, target mode,
// path history, the confirmation window's bounds and the folder tree window's
// state. Read at start-up; written at shutdown in a fixed order, with the
// main-window bounds kept only while the window does not start maximised and the
// folder tree window's bounds kept only while it floats.
#pragma once

#include <cstdint>
#include <string>

#include "settings/options_settings.h"
#include "settings/result_form_settings.h"
#include "settings/tab_status.h"

namespace nalo {

class TIniFile;

// Tabs of the main window, and so exclusion lists (index = tab index).
inline constexpr int kTabCount = 6;
// Columns of ListView1: name, size, date, folder.
inline constexpr int kListColumnCount = 4;

struct TFolderWinSettings {
  TFormBounds Bounds{0, 0, 250, 280};
  bool TopMost = true;
  bool Status = false;              // open at shutdown
  bool Dock = false;                // docked at shutdown
  std::int32_t DockPnlWidth = 120;  // width of DockPanel1

  friend bool operator==(const TFolderWinSettings&, const TFolderWinSettings&) = default;
};

struct TMainSettings {
  bool Chk_FormMax = true;  // start maximised; true when nothing is saved
  std::int32_t TabIdx = 0;  // 0..5
  bool SubFolder = false;   // SubFolderSearch
  bool StrTrim = true;
  TListViewOptions ListView;
  TFormBounds Form{0, 0, 650, 700};
  std::int32_t ColumnWidths[kListColumnCount] = {500, 100, 150, 200};
  std::string LastFolder;             // CurrentFolder, code page 932
  StringList NotLists[kTabCount];     // exclusion candidates per tab
  bool NotCheck = false;              // chk_not
  bool NotCaseSensitive = false;      // chk_OmojiKomoji
  bool SelectOnly = false;            // chk_SelectOnly
  bool FileMode = true;               // File2 checked; false: Folder1
  bool PreviewColumn = true;          // the main list shows the new-name column
  std::int32_t PreviewColumnWidth = 300;  // its width
  StringList PathHistory;             // cmb_Path items
  TResultFormSettings ResultForm;
  TFolderWinSettings FolderWin;

  friend bool operator==(const TMainSettings&, const TMainSettings&) = default;
};

// Every key of Nalo.ini the main window reads at start-up. `default_folder`
// (code page 932) stands in for a missing LastTimeFolder/Path. A tab index outside
// 0..5 reads as 0. The new-name column is on for a new file and stays off for a
// file written before the column existed (it has [ListView] but no PreviewColumn).
TMainSettings ReadMainSettings(const TIniFile& ini, const std::string& default_folder);

// The shutdown writes, in order: TabIdx; FormLocate and FormSize only when the
// file's Chk_FormMax (default true) is false; LastTimeFolder (`default_folder` when
// LastFolder is empty); ListView widths, PreviewColumn and PreviewWidth; Not0..Not5; NotCheck,
// SelCheck, Option/Search; the Path list; FolderWin bounds and TopMost only when not docked, then
// Status, Dock and DockPnlWidth. The options, ResultForm and ListSave keys belong to their own
// writers and are left alone.
void WriteMainSettings(TIniFile& ini, const TMainSettings& settings, const std::string& default_folder);

}  // namespace nalo
