// The options dialog's values: the font-size items and the fallback for a size
// that is not one of them, the two presets, the start-maximised default when the
// dialog reads the file, and the write at once that keeps every other key.
#include "settings/options_dialog_values.h"

#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "settings/ini_file.h"
#include "settings/windows_color.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

using nalo::testing::ReadFile;
using nalo::testing::TTempFolder;
using nalo::testing::WriteFile;

struct SizeRow {
  const char* name;
  std::string text;
  int item;
};

TEST(FontSizeItems, TextToItem) {
  const SizeRow rows[] = {
      {"first", "8", 0},          {"preset", "10", kPresetFontSizeItem},
      {"last", "18", 7},          {"not-offered", "13", -1},
      {"empty", "", -1},          {"leading-blank", " 10", -1},
      {"decimal", "10.5", -1},    {"prefix-of-item", "1", -1},
  };
  for (const SizeRow& row : rows) {
    EXPECT_EQ(FontSizeItemIndex(row.text), row.item) << row.name;
  }
}

TEST(FontSizeItems, ItemToStoredText) {
  EXPECT_EQ(FontSizeForItem(0, "13"), "8");
  EXPECT_EQ(FontSizeForItem(7, ""), "18");
  // No item selected, or an index the list does not have: the saved text stays.
  EXPECT_EQ(FontSizeForItem(-1, "13"), "13");
  EXPECT_EQ(FontSizeForItem(8, "10.5"), "10.5");
  for (int i = 0; i < static_cast<int>(kFontSizeItems.size()); ++i) {
    EXPECT_EQ(FontSizeItemIndex(FontSizeForItem(i, "")), i) << "item " << i;
  }
}

TEST(LookPresets, DefaultIsYellowOnBlackGothic10) {
  const TListViewOptions look = DefaultLookPreset();
  EXPECT_EQ(look.FontColor, 65535);
  EXPECT_EQ(look.BackColor, 0);
  EXPECT_EQ(look.FontName, Utf8ToCp932("ＭＳ Ｐゴシック").value());
  EXPECT_EQ(look.FontSize, "10");
  EXPECT_EQ(look, TListViewOptions{}) << "the preset equals a file with nothing saved";
}

TEST(LookPresets, WindowsStandardUsesSystemColours) {
  const TListViewOptions look = WindowsLookPreset();
  EXPECT_EQ(static_cast<std::uint32_t>(look.FontColor), 0x80000008u);
  EXPECT_EQ(static_cast<std::uint32_t>(look.BackColor), 0x80000005u);
  EXPECT_EQ(look.FontName, "MS UI Gothic");
  EXPECT_EQ(look.FontSize, "10");
}

TEST(ReadForDialog, StartMaximisedDefaultsOnLikeStartUp) {
  EXPECT_TRUE(ReadOptionsForDialog(TIniFile::FromText("")).Chk_FormMax);
  EXPECT_FALSE(ReadOptionsForDialog(TIniFile::FromText("[StartOption]\r\nChk_FormMax=0\r\n")).Chk_FormMax);
  EXPECT_TRUE(ReadOptionsForDialog(TIniFile::FromText("[StartOption]\r\nChk_FormMax=1\r\n")).Chk_FormMax);
}

TEST(ReadForDialog, OtherKeysAsTheOptionsRecordReadsThem) {
  const TIniFile ini = TIniFile::FromText(
      "[SearchOption]\r\nSubFolder=1\r\n[SpaceOption]\r\nStrTrim=0\r\n"
      "[ListViewOpt]\r\nFontColor=255\r\nBackColor=-2147483643\r\nFontName=\"IPAGothic\"\r\n"
      "FontSize=13\r\n");
  TOptionsSettings expected = ReadOptionsSettings(ini);
  expected.Chk_FormMax = true;
  const TOptionsSettings o = ReadOptionsForDialog(ini);
  EXPECT_EQ(o, expected);
  EXPECT_TRUE(o.SubFolder);
  EXPECT_FALSE(o.StrTrim);
  EXPECT_EQ(SystemColorIndex(o.ListView.BackColor), kSysColorWindow);
  EXPECT_EQ(o.ListView.FontSize, "13");
}

TEST(SaveNow, UnchangedConfirmKeepsAFileWithoutStartKeyMaximised) {
  TTempFolder dir;
  const std::string path = dir.Path("Nalo.ini");
  SaveOptionsNow(path, ReadOptionsForDialog(TIniFile(path)));
  const TIniFile saved(path);
  EXPECT_TRUE(saved.ReadBool("StartOption", "Chk_FormMax", false));
  EXPECT_EQ(ReadOptionsForDialog(saved), ReadOptionsForDialog(TIniFile::FromText("")));
}

TEST(SaveNow, WritesEveryOptionAndKeepsOtherKeys) {
  TTempFolder dir;
  const std::string path = dir.Path("Nalo.ini");
  WriteFile(path, "[LastTimeFolder]\r\nPath=\"/data/\"\r\n[StartOption]\r\nTabIdx=3\r\n");
  TOptionsSettings o;
  o.Chk_FormMax = false;
  o.SubFolder = true;
  o.StrTrim = false;
  o.ListView = WindowsLookPreset();
  o.ListView.FontSize = "14";
  SaveOptionsNow(path, o);

  const TIniFile saved(path);
  EXPECT_EQ(ReadOptionsForDialog(saved), o);
  EXPECT_EQ(saved.ReadString("LastTimeFolder", "Path", ""), "/data/");
  EXPECT_EQ(saved.ReadInteger("StartOption", "TabIdx", 0), 3);
  const std::string text = ReadFile(path);
  EXPECT_NE(text.find("FontName=\"MS UI Gothic\"\r\n"), std::string::npos) << text;
}

TEST(SaveNow, AFileThatCannotBeWrittenIsNamed) {
  TTempFolder dir;
  WriteFile(dir.Path("blocker"), "a file where a folder should be");
  const std::string path = dir.Path("blocker") + "/Nalo.ini";
  try {
    SaveOptionsNow(path, TOptionsSettings{});
    FAIL() << "no error";
  } catch (const EIniWriteError& e) {
    EXPECT_EQ(std::string(e.what()).rfind(path + ": ", 0), 0u) << e.what();
  }
}

}  // namespace
}  // namespace nalo
