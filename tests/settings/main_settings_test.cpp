// Nalo.ini: every default when nothing is saved, the shutdown write order and its
// conditions (bounds only when not maximised or not docked), full round trips,
// and the keys owned by the options dialog and the confirmation window.
#include "settings/main_settings.h"

#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "settings/ini_file.h"
#include "settings/settings_files.h"
#include "settings/settings_folder.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

using nalo::testing::TTempFolder;
using Strings = std::vector<std::string>;

const std::string kHome = "/home/user";

TEST(MainDefaults, EveryKeyWithoutAFile) {
  const TMainSettings s = ReadMainSettings(TIniFile::FromText(""), kHome);
  EXPECT_TRUE(s.Chk_FormMax);
  EXPECT_EQ(s.TabIdx, 0);
  EXPECT_FALSE(s.SubFolder);
  EXPECT_TRUE(s.StrTrim);
  EXPECT_EQ(s.ListView.FontColor, 65535);
  EXPECT_EQ(s.ListView.BackColor, 0);
  EXPECT_EQ(s.ListView.FontName, Utf8ToCp932("ＭＳ Ｐゴシック").value());
  EXPECT_EQ(s.ListView.FontSize, "10");
  EXPECT_EQ(s.Form, (TFormBounds{0, 0, 650, 700}));
  EXPECT_EQ(std::vector<int>(std::begin(s.ColumnWidths), std::end(s.ColumnWidths)),
            (std::vector<int>{500, 100, 150, 200}));
  EXPECT_EQ(s.LastFolder, kHome);
  for (const StringList& list : s.NotLists) EXPECT_EQ(list, Strings{});
  EXPECT_FALSE(s.NotCheck);
  EXPECT_FALSE(s.NotCaseSensitive);
  EXPECT_FALSE(s.SelectOnly);
  EXPECT_TRUE(s.FileMode);
  EXPECT_TRUE(s.PreviewColumn);
  EXPECT_EQ(s.PathHistory, Strings{});
  EXPECT_EQ(s.ResultForm.Bounds, (TFormBounds{0, 0, 400, 850}));
  EXPECT_EQ(std::vector<int>(std::begin(s.ResultForm.ColumnWidths), std::end(s.ResultForm.ColumnWidths)),
            (std::vector<int>{300, 400, 100}));
  EXPECT_EQ(s.FolderWin.Bounds, (TFormBounds{0, 0, 250, 280}));
  EXPECT_TRUE(s.FolderWin.TopMost);
  EXPECT_FALSE(s.FolderWin.Status);
  EXPECT_FALSE(s.FolderWin.Dock);
  EXPECT_EQ(s.FolderWin.DockPnlWidth, 120);
}

TEST(MainDefaults, OptionsDialogAndListSave) {
  const TIniFile empty = TIniFile::FromText("");
  const TOptionsSettings o = ReadOptionsSettings(empty);
  EXPECT_FALSE(o.Chk_FormMax) << "the dialog's default differs from start-up";
  EXPECT_FALSE(o.SubFolder);
  EXPECT_TRUE(o.StrTrim);
  EXPECT_EQ(o.ListView, TListViewOptions{});
  const TListSaveSettings l = ReadListSave(empty, kHome + "/");
  EXPECT_EQ(l.Path, kHome + "/");
  EXPECT_EQ(l.Name, "List.txt");
}

TEST(MainDefaults, TabIndexOutOfRangeReadsAsZero) {
  for (const char* value : {"6", "-1", "x"}) {
    const std::string text = std::string("[StartOption]\nTabIdx=") + value + "\n";
    EXPECT_EQ(ReadMainSettings(TIniFile::FromText(text), kHome).TabIdx, 0) << value;
  }
  EXPECT_EQ(ReadMainSettings(TIniFile::FromText("[startoption]\ntabidx=5\n"), kHome).TabIdx, 5);
}

// A file written before the new-name column existed has column widths but no
// column key: it keeps the list as it looked.
TEST(MainDefaults, NewNameColumnOnlyForANewFile) {
  const struct {
    const char* text;
    bool on;
  } cases[] = {
      {"", true},
      {"[StartOption]\nTabIdx=2\n", true},
      {"[ListView]\nC_Width0=300\n", false},
      {"[ListView]\nC_Width0=300\nPreviewColumn=1\n", true},
      {"[ListView]\nPreviewColumn=0\n", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadMainSettings(TIniFile::FromText(c.text), kHome).PreviewColumn, c.on) << c.text;
  }
}

TMainSettings Sample() {
  TMainSettings s;
  s.Chk_FormMax = false;
  s.TabIdx = 4;
  s.SubFolder = true;
  s.StrTrim = false;
  s.ListView = {0x00FF0000, 0x00FFFFFF, "IPAPGothic", "12"};
  s.Form = {10, 20, 600, 800};
  s.ColumnWidths[0] = 1;
  s.ColumnWidths[3] = 4;
  s.LastFolder = "/data/\x95\x5C";
  for (int tab = 0; tab < kTabCount; ++tab) s.NotLists[tab] = {"not" + std::to_string(tab), " x"};
  s.NotCheck = true;
  s.NotCaseSensitive = true;
  s.SelectOnly = true;
  s.FileMode = false;
  s.PreviewColumn = false;
  s.PreviewColumnWidth = 77;
  s.PathHistory = {"/a", "/b", "/c"};
  s.ResultForm = {{1, 2, 3, 4}, {5, 6, 7}};
  s.FolderWin = {{11, 12, 13, 14}, false, true, false, 99};
  return s;
}

// What the three writers of Nalo.ini put there for `s`.
TIniFile WriteAll(const TMainSettings& s, const std::string& start = "") {
  TIniFile ini = TIniFile::FromText(start);
  WriteOptionsSettings(ini, {s.Chk_FormMax, s.SubFolder, s.StrTrim, s.ListView});
  WriteResultForm(ini, s.ResultForm);
  WriteMainSettings(ini, s, kHome);
  return ini;
}

TEST(MainRoundTrip, EveryKey) {
  const TMainSettings s = Sample();
  EXPECT_EQ(ReadMainSettings(TIniFile::FromText(WriteAll(s).ToText()), kHome), s);
}

TEST(MainWrite, ShutdownWritesInOrderAndLeavesOtherWritersKeysAlone) {
  TIniFile ini = TIniFile::FromText("[StartOption]\nChk_FormMax=0\n");
  WriteMainSettings(ini, Sample(), kHome);
  EXPECT_EQ(ini.SectionNames(),
            (Strings{"StartOption", "FormLocate", "FormSize", "LastTimeFolder", "ListView", "Not0", "Not1",
                     "Not2", "Not3", "Not4", "Not5", "NotCheck", "SelCheck", "Option", "Path", "FolderWin"}));
  EXPECT_EQ(ini.KeyNames("StartOption"), (Strings{"Chk_FormMax", "TabIdx"}));
  EXPECT_EQ(ini.KeyNames("FolderWin"),
            (Strings{"Height", "Width", "Top", "Left", "TopMost", "Status", "Dock", "DockPnlWidth"}));
}

TEST(MainWrite, WindowBoundsOnlyWhenNotStartingMaximised) {
  const std::string saved = "[FormLocate]\nTop=1\nLeft=2\n[FormSize]\nHeight=3\nWidth=4\n";
  const struct {
    const char* name;
    std::string file;
    bool bounds_written;
  } cases[] = {
      {"maximised", "[StartOption]\nChk_FormMax=1\n" + saved, false},
      {"key-missing-counts-as-maximised", saved, false},
      {"normal", "[StartOption]\nChk_FormMax=0\n" + saved, true},
  };
  for (const auto& c : cases) {
    TIniFile ini = TIniFile::FromText(c.file);
    WriteMainSettings(ini, Sample(), kHome);
    const TFormBounds expected = c.bounds_written ? Sample().Form : TFormBounds{1, 2, 3, 4};
    EXPECT_EQ(ReadMainSettings(ini, kHome).Form, expected) << c.name;
  }
}

TEST(MainWrite, DockedFolderWindowKeepsItsFloatingBounds) {
  TMainSettings s = Sample();
  s.FolderWin.Dock = true;
  s.FolderWin.DockPnlWidth = 333;
  TIniFile ini = TIniFile::FromText("[FolderWin]\nTop=7\nLeft=8\nHeight=9\nWidth=10\nTopMost=0\n");
  WriteMainSettings(ini, s, kHome);
  const TFolderWinSettings back = ReadMainSettings(ini, kHome).FolderWin;
  EXPECT_EQ(back.Bounds, (TFormBounds{7, 8, 9, 10}));
  EXPECT_FALSE(back.TopMost);
  EXPECT_TRUE(back.Dock);
  EXPECT_EQ(back.Status, s.FolderWin.Status);
  EXPECT_EQ(back.DockPnlWidth, 333);
}

TEST(MainWrite, EmptyFolderIsSavedAsTheDefaultFolder) {
  TMainSettings s = Sample();
  s.LastFolder.clear();
  TIniFile ini = TIniFile::FromText("");
  WriteMainSettings(ini, s, kHome);
  EXPECT_EQ(ini.ReadRaw("LastTimeFolder", "Path"), kHome);
}

TEST(MainWrite, OptionsWriteFontNameQuoted) {
  TIniFile ini = TIniFile::FromText("");
  TOptionsSettings o;
  o.ListView.FontName = " Spaced Font ";
  WriteOptionsSettings(ini, o);
  EXPECT_NE(ini.ToText().find("FontName=\" Spaced Font \"\r\n"), std::string::npos);
  EXPECT_EQ(ReadOptionsSettings(ini), o);
}

TEST(MainOptions, FontPointSizeFromItsText) {
  const struct {
    const char* text;
    int points;
  } cases[] = {{"10", 10}, {"12", 12}, {" 9 ", 9}, {"10.5", 10}, {"", 10}, {"big", 10}, {"0", 10},
               {"-3", 10}, {"100000", 10}};
  for (const auto& c : cases) {
    TListViewOptions o;
    o.FontSize = c.text;
    EXPECT_EQ(FontPointSize(o), c.points) << '"' << c.text << '"';
  }
}

TEST(MainWrite, ListSaveRoundTrip) {
  TIniFile ini = TIniFile::FromText("");
  const TListSaveSettings l{"/tmp/\x83\x5C/", "names.txt"};
  WriteListSave(ini, l);
  EXPECT_EQ(ReadListSave(TIniFile::FromText(ini.ToText()), "/"), l);
}

TEST(SettingsFiles, WholeSetThroughAFolder) {
  TTempFolder dir;
  const TSettingsFiles empty = LoadSettingsFiles(dir.Root(), kHome);
  EXPECT_EQ(empty.Main, ReadMainSettings(TIniFile::FromText(""), kHome));

  TSettingsFiles s = empty;
  s.Main = Sample();
  s.Main.Chk_FormMax = true;  // not written at shutdown, so it stays as the file had it
  s.Main.SubFolder = false;
  s.Main.StrTrim = true;
  s.Main.ListView = TListViewOptions{};
  s.Main.ResultForm = TResultFormSettings{};
  s.Main.Form = TFormBounds{0, 0, 650, 700};
  s.Tabs.Okikae.StringNew = "  blanks";
  s.Tabs.Search.UseStartDate = true;
  s.Tabs.Search.StartDate = 37578.0;
  EXPECT_EQ(SaveSettingsFiles(dir.Root(), s, kHome), Strings{});
  const TSettingsFiles back = LoadSettingsFiles(dir.Root(), kHome);
  EXPECT_EQ(back.Main, s.Main);
  EXPECT_EQ(back.Tabs.Okikae, s.Tabs.Okikae);
  EXPECT_EQ(back.Tabs.Search.StartDate, 37578.0);
  EXPECT_EQ(testing::CountFilesIn(dir.Root()), 7u);
}

}  // namespace
}  // namespace nalo
