// Reading and writing the main window's keys of Nalo.ini. Reads fall back to the
// defaults of TMainSettings key by key; writes follow the shutdown order, so keys
// new to a file appear in that order.
#include "settings/main_settings.h"

#include "settings/ini_file.h"

namespace nalo {
namespace {

constexpr char kStartOption[] = "StartOption";
constexpr char kFormLocate[] = "FormLocate";
constexpr char kFormSize[] = "FormSize";
constexpr char kListView[] = "ListView";
constexpr char kPreviewColumn[] = "PreviewColumn";
constexpr char kPreviewWidth[] = "PreviewWidth";
constexpr char kLastTimeFolder[] = "LastTimeFolder";
constexpr char kNotCheck[] = "NotCheck";
constexpr char kSelCheck[] = "SelCheck";
constexpr char kOption[] = "Option";
constexpr char kPath[] = "Path";
constexpr char kFolderWin[] = "FolderWin";

std::string NotSection(int tab) { return "Not" + std::to_string(tab); }
std::string ColumnKey(int i) { return "C_Width" + std::to_string(i); }

TFormBounds ReadFormBounds(const TIniFile& ini, const TFormBounds& d) {
  return {ini.ReadInt32(kFormLocate, "Top", d.Top), ini.ReadInt32(kFormLocate, "Left", d.Left),
          ini.ReadInt32(kFormSize, "Height", d.Height), ini.ReadInt32(kFormSize, "Width", d.Width)};
}

TFolderWinSettings ReadFolderWin(const TIniFile& ini) {
  const TFolderWinSettings d;
  TFolderWinSettings w;
  w.Bounds.Top = ini.ReadInt32(kFolderWin, "Top", d.Bounds.Top);
  w.Bounds.Left = ini.ReadInt32(kFolderWin, "Left", d.Bounds.Left);
  w.Bounds.Height = ini.ReadInt32(kFolderWin, "Height", d.Bounds.Height);
  w.Bounds.Width = ini.ReadInt32(kFolderWin, "Width", d.Bounds.Width);
  w.TopMost = ini.ReadBool(kFolderWin, "TopMost", d.TopMost);
  w.Status = ini.ReadBool(kFolderWin, "Status", d.Status);
  w.Dock = ini.ReadBool(kFolderWin, "Dock", d.Dock);
  w.DockPnlWidth = ini.ReadInt32(kFolderWin, "DockPnlWidth", d.DockPnlWidth);
  return w;
}

void WriteFolderWin(TIniFile& ini, const TFolderWinSettings& w) {
  if (!w.Dock) {
    ini.WriteInteger(kFolderWin, "Height", w.Bounds.Height);
    ini.WriteInteger(kFolderWin, "Width", w.Bounds.Width);
    ini.WriteInteger(kFolderWin, "Top", w.Bounds.Top);
    ini.WriteInteger(kFolderWin, "Left", w.Bounds.Left);
    ini.WriteBool(kFolderWin, "TopMost", w.TopMost);
  }
  ini.WriteBool(kFolderWin, "Status", w.Status);
  ini.WriteBool(kFolderWin, "Dock", w.Dock);
  ini.WriteInteger(kFolderWin, "DockPnlWidth", w.DockPnlWidth);
}

}  // namespace

TMainSettings ReadMainSettings(const TIniFile& ini, const std::string& default_folder) {
  const TMainSettings d;
  TMainSettings s;
  s.Chk_FormMax = ini.ReadBool(kStartOption, "Chk_FormMax", d.Chk_FormMax);
  s.TabIdx = ini.ReadInt32(kStartOption, "TabIdx", d.TabIdx);
  if (s.TabIdx < 0 || s.TabIdx >= kTabCount) s.TabIdx = d.TabIdx;
  const TOptionsSettings options = ReadOptionsSettings(ini);
  s.SubFolder = options.SubFolder;
  s.StrTrim = options.StrTrim;
  s.ListView = options.ListView;
  s.Form = ReadFormBounds(ini, d.Form);
  for (int i = 0; i < kListColumnCount; ++i) {
    s.ColumnWidths[i] = ini.ReadInt32(kListView, ColumnKey(i), d.ColumnWidths[i]);
  }
  s.PreviewColumn = ini.ReadBool(kListView, kPreviewColumn, !ini.SectionExists(kListView));
  s.PreviewColumnWidth = ini.ReadInt32(kListView, kPreviewWidth, d.PreviewColumnWidth);
  s.LastFolder = ini.ReadString(kLastTimeFolder, "Path", default_folder);
  for (int tab = 0; tab < kTabCount; ++tab) s.NotLists[tab] = ini.ReadList(NotSection(tab));
  s.NotCheck = ini.ReadBool(kNotCheck, "Check", d.NotCheck);
  s.NotCaseSensitive = ini.ReadBool(kNotCheck, "OK", d.NotCaseSensitive);
  s.SelectOnly = ini.ReadBool(kSelCheck, "Check", d.SelectOnly);
  s.FileMode = ini.ReadBool(kOption, "Search", d.FileMode);
  s.PathHistory = ini.ReadList(kPath);
  s.ResultForm = ReadResultForm(ini);
  s.FolderWin = ReadFolderWin(ini);
  return s;
}

void WriteMainSettings(TIniFile& ini, const TMainSettings& s, const std::string& default_folder) {
  ini.WriteInteger(kStartOption, "TabIdx", (s.TabIdx >= 0 && s.TabIdx < kTabCount) ? s.TabIdx : 0);
  if (!ini.ReadBool(kStartOption, "Chk_FormMax", true)) {
    ini.WriteInteger(kFormLocate, "Top", s.Form.Top);
    ini.WriteInteger(kFormLocate, "Left", s.Form.Left);
    ini.WriteInteger(kFormSize, "Height", s.Form.Height);
    ini.WriteInteger(kFormSize, "Width", s.Form.Width);
  }
  ini.WriteString(kLastTimeFolder, "Path", s.LastFolder.empty() ? default_folder : s.LastFolder);
  for (int i = 0; i < kListColumnCount; ++i) ini.WriteInteger(kListView, ColumnKey(i), s.ColumnWidths[i]);
  ini.WriteBool(kListView, kPreviewColumn, s.PreviewColumn);
  ini.WriteInteger(kListView, kPreviewWidth, s.PreviewColumnWidth);
  for (int tab = 0; tab < kTabCount; ++tab) ini.WriteList(NotSection(tab), s.NotLists[tab]);
  ini.WriteBool(kNotCheck, "Check", s.NotCheck);
  ini.WriteBool(kNotCheck, "OK", s.NotCaseSensitive);
  ini.WriteBool(kSelCheck, "Check", s.SelectOnly);
  ini.WriteBool(kOption, "Search", s.FileMode);
  ini.WriteList(kPath, s.PathHistory);
  WriteFolderWin(ini, s.FolderWin);
}

}  // namespace nalo
