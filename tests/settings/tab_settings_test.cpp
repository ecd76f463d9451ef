// The six per-tab records: defaults of a missing file, full round trips through
// the INI text and through real files, the search tab's write rules (bounds that
// are off written as 0, dates that are off written as now, no unit written as 0)
// and the guards against damaged values.
#include "settings/tab_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings/settings_folder.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

using nalo::testing::TTempFolder;
using nalo::testing::WriteFile;
using Strings = std::vector<std::string>;

constexpr double kNow = 45000.75;  // 2023-03-15 18:00

template <class Record>
Record ReadFromText(const std::string& text) {
  Record r;
  if constexpr (std::is_same_v<Record, TTabStatus_Search>) {
    ReadTabStatus(TIniFile::FromText(text), r, kNow);
  } else {
    ReadTabStatus(TIniFile::FromText(text), r);
  }
  return r;
}

template <class Record>
std::string WriteToText(const Record& r) {
  TIniFile ini = TIniFile::FromText("");
  if constexpr (std::is_same_v<Record, TTabStatus_Search>) {
    WriteTabStatus(ini, r, kNow);
  } else {
    WriteTabStatus(ini, r);
  }
  return ini.ToText();
}

TEST(TabDefaults, SearchWithoutAFile) {
  const auto r = ReadFromText<TTabStatus_Search>("");
  EXPECT_EQ(r.ExtMaskItems, Strings{});
  EXPECT_EQ(r.StrMaskItems, Strings{});
  EXPECT_EQ(r.ExtMask, "");
  EXPECT_EQ(r.StrMask, "");
  EXPECT_FALSE(r.StrMaskCase);
  EXPECT_EQ(r.MinSize, 0);
  EXPECT_EQ(r.MaxSize, 0);
  EXPECT_FALSE(r.UseMinSize);
  EXPECT_FALSE(r.UseMaxSize);
  EXPECT_EQ(r.StartDate, kNow);
  EXPECT_EQ(r.EndDate, kNow);
  EXPECT_FALSE(r.UseStartDate);
  EXPECT_FALSE(r.UseEndDate);
  EXPECT_EQ(r.SizeUnit, 0);
}

TEST(TabDefaults, ReplaceWithoutAFile) {
  const auto r = ReadFromText<TTabStatus_Okikae>("");
  EXPECT_EQ(r.KakkoOldIdx, 0);
  EXPECT_EQ(r.KakkoNewIdx, 0);
  EXPECT_TRUE(r.KakkoFirstOnly);
  EXPECT_EQ(r.StringOldItems, Strings{});
  EXPECT_EQ(r.StringNewItems, Strings{});
  EXPECT_EQ(r.StringOld, "");
  EXPECT_EQ(r.StringNew, "");
  EXPECT_FALSE(r.StringCase);
  EXPECT_TRUE(r.StringFirstOnly);
  EXPECT_EQ(r.SpaceOldItems, Strings{});
  EXPECT_EQ(r.SpaceOld, "");
  EXPECT_FALSE(r.SpaceWide);
  EXPECT_TRUE(r.SpaceHankaku);
  EXPECT_EQ(r.SpaceWideCount, 0);
  EXPECT_EQ(r.SpaceHankakuCount, 0);
  EXPECT_FALSE(r.SpaceCase);
  EXPECT_TRUE(r.SpaceFirstOnly);
  EXPECT_EQ(r.Kind, 0);
}

TEST(TabDefaults, AddConvertRegexMoveWithoutAFile) {
  const auto add = ReadFromText<TTabStatus_Add>("");
  EXPECT_EQ(add.Position, 0);
  EXPECT_EQ(add.NiniStrItems, Strings{});
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(add.AddItems[i], Strings{});
    EXPECT_EQ(add.AddText[i], "");
  }
  EXPECT_EQ(add.NiniStr, "");
  EXPECT_EQ(add.Candidate, 0);

  const auto conv = ReadFromText<TTabStatus_Modif>("");
  EXPECT_EQ(conv.NumBaseItems, Strings{});
  EXPECT_EQ(conv.ExtItems, Strings{});
  EXPECT_EQ(conv.NumBase, "");
  EXPECT_EQ(conv.Ext, "");
  EXPECT_EQ(conv.DigitsIdx, 0);
  EXPECT_EQ(conv.NumStart, 0);
  EXPECT_EQ(conv.NameCaseIdx, 0);
  EXPECT_TRUE(conv.NameCapitalize);
  EXPECT_EQ(conv.ExtCaseIdx, 1);
  EXPECT_FALSE(conv.ExtCapitalize);
  EXPECT_EQ(conv.Kind, 0);

  const auto regex = ReadFromText<TTabStatus_Seiki>("");
  EXPECT_EQ(regex.RegExpItems, Strings{});
  EXPECT_EQ(regex.SubTextItems, Strings{});
  EXPECT_EQ(regex.RegExp, "");
  EXPECT_EQ(regex.SubText, "");
  EXPECT_EQ(regex.ReplaceMode, 0);
  EXPECT_EQ(regex.Engine, 0);

  const auto move = ReadFromText<TTabStatus_Move>("");
  EXPECT_EQ(move.NiniStrItems, Strings{});
  EXPECT_EQ(move.MoveStrItems, Strings{});
  EXPECT_EQ(move.NiniStr, "");
  EXPECT_EQ(move.MoveStr, "");
  EXPECT_EQ(move.Position, 1);
  EXPECT_TRUE(move.MoveBracket);
  EXPECT_FALSE(move.MoveString);
  EXPECT_EQ(move.BracketIdx, 0);
  EXPECT_FALSE(move.StringCase);
}

// Records with every field away from its default.
TTabStatus_Search SampleSearch() {
  TTabStatus_Search r;
  r.StrMaskItems = {"ab", "  cd"};
  r.StrMask = "\x95\x5C";  // 表, trail byte 0x5C
  r.StrMaskCase = true;
  r.ExtMaskItems = {"*.avi;*.mpg", "*.jpg"};
  r.ExtMask = "*.txt";
  r.MinSize = 10;
  r.MaxSize = 2147483647;
  r.UseMinSize = true;
  r.UseMaxSize = true;
  r.StartDate = 37578.0;
  r.EndDate = 37579.0;
  r.UseStartDate = true;
  r.UseEndDate = true;
  r.SizeUnit = 2;
  return r;
}

TTabStatus_Okikae SampleReplace() {
  return {3, 4, false, {"old1", "old2"}, {"new1"}, "  old", "new  ", true, false, {"sp"}, "_",
          true, false, 2, 3, true, false, 2};
}

TTabStatus_Add SampleAdd() {
  TTabStatus_Add r;
  r.Position = 4;
  r.NiniStrItems = {"[x]", "y"};
  for (int i = 0; i < 4; ++i) {
    r.AddItems[i] = {"c" + std::to_string(i)};
    r.AddText[i] = " t" + std::to_string(i);
  }
  r.NiniStr = "nini";
  r.Candidate = 8;
  return r;
}

TTabStatus_Modif SampleConvert() {
  return {{"base"}, {".txt", ".jpg"}, "file_", ".mp3", 4, 100, 1, false, 0, true, 9};
}

TTabStatus_Seiki SampleRegex() { return {{"(a+)", "^b"}, {"$1"}, "\\d+", "[$&]", 1, 1}; }

TTabStatus_Move SampleMove() { return {{"s1"}, {"m1", "m2"}, "nini", "move", 0, false, true, 5, true}; }

struct KeyCase {
  const char* section;
  const char* key;
  const char* raw;  // as written, quotes included
};

void ExpectKeys(const std::string& text, std::initializer_list<KeyCase> cases, const char* record) {
  const TIniFile ini = TIniFile::FromText(text);
  for (const KeyCase& c : cases) {
    const std::string line = std::string(c.key) + "=" + c.raw + "\r\n";
    EXPECT_NE(text.find(line), std::string::npos) << record << ": [" << c.section << "] " << line;
    EXPECT_EQ(ini.ReadRaw(c.section, c.key), std::string(ini::StripQuotes(c.raw)))
        << record << ": [" << c.section << "] " << c.key;
  }
}

TEST(TabKeys, EachFieldUnderItsOwnKey) {
  ExpectKeys(WriteToText(SampleSearch()),
             {{"MaskExt", "Value1", "\"*.jpg\""}, {"MaskStr", "Value1", "\"  cd\""},
              {"Option", "MaskExtStr", "\"*.txt\""}, {"Option", "MaskStrStr", "\"\x95\x5C\""},
              {"Option", "MaskStrOK", "1"}, {"Option", "SizeStInt", "10"},
              {"Option", "SizeEdInt", "2147483647"}, {"Option", "SizeStCHK", "1"},
              {"Option", "SizeEdCHK", "1"}, {"Option", "DatePicSt", "37578"},
              {"Option", "DatePicEd", "37579"}, {"Option", "DatePicStCHK", "1"},
              {"Option", "DatePicEdCHK", "1"}, {"Option", "DispUnitIdx", "2"}},
             "search");
  ExpectKeys(WriteToText(SampleReplace()),
             {{"StringO", "Value1", "\"old2\""}, {"StringN", "Value0", "\"new1\""},
              {"Space", "Value0", "\"sp\""}, {"Option", "KOldIdx", "3"}, {"Option", "KNewIdx", "4"},
              {"Option", "KFMuchCHK", "0"}, {"Option", "StrOldStr", "\"  old\""},
              {"Option", "StrNewStr", "\"new  \""}, {"Option", "StrOKCHK", "1"},
              {"Option", "StrFMuchCHK", "0"}, {"Option", "SpStrStr", "\"_\""},
              {"Option", "SpWideCHK", "1"}, {"Option", "SpHankCHK", "0"}, {"Option", "SpWideInt", "2"},
              {"Option", "SpHankInt", "3"}, {"Option", "SpOKCHK", "1"}, {"Option", "SpFMuchCHK", "0"},
              {"Option", "OStsIdx", "2"}},
             "replace");
  ExpectKeys(WriteToText(SampleAdd()),
             {{"String", "Value0", "\"[x]\""}, {"Add1", "Value0", "\"c0\""},
              {"Add4", "Value0", "\"c3\""}, {"Option", "ALIdx", "4"}, {"Option", "StrNStr", "\"nini\""},
              {"Option", "Str1", "\" t0\""}, {"Option", "Str4", "\" t3\""}, {"Option", "AStsIdx", "8"}},
             "add");
  ExpectKeys(WriteToText(SampleConvert()),
             {{"FileName", "Value0", "\"base\""}, {"Ext", "Value1", "\".jpg\""},
              {"Option", "NumStr", "\"file_\""}, {"Option", "NumExt", "\".mp3\""}, {"Option", "KIdx", "4"},
              {"Option", "NumInt", "100"}, {"Option", "OKInt", "1"}, {"Option", "OKBol", "0"},
              {"Option", "ExtOKInt", "0"}, {"Option", "ExtOKBol", "1"}, {"Option", "MStsIdx", "9"}},
             "convert");
  ExpectKeys(WriteToText(SampleRegex()),
             {{"Reg", "Value1", "\"^b\""}, {"Sub", "Value0", "\"$1\""}, {"Option", "RegStr", "\"\\d+\""},
              {"Option", "SubStr", "\"[$&]\""}, {"Option", "StsIdx", "1"}, {"Option", "EngIdx", "1"}},
             "regex");
  ExpectKeys(WriteToText(SampleMove()),
             {{"String", "Value0", "\"s1\""}, {"Mov1", "Value1", "\"m2\""}, {"Option", "NStr", "\"nini\""},
              {"Option", "MStr", "\"move\""}, {"Option", "MInt", "0"}, {"Option", "KCHK", "0"},
              {"Option", "StrCHK", "1"}, {"Option", "KIdx", "5"}, {"Option", "OKCHK", "1"}},
             "move");
}

TEST(TabRoundTrip, EveryFieldOfEveryRecordThroughText) {
  EXPECT_EQ(ReadFromText<TTabStatus_Search>(WriteToText(SampleSearch())), SampleSearch());
  EXPECT_EQ(ReadFromText<TTabStatus_Okikae>(WriteToText(SampleReplace())), SampleReplace());
  EXPECT_EQ(ReadFromText<TTabStatus_Add>(WriteToText(SampleAdd())), SampleAdd());
  EXPECT_EQ(ReadFromText<TTabStatus_Modif>(WriteToText(SampleConvert())), SampleConvert());
  EXPECT_EQ(ReadFromText<TTabStatus_Seiki>(WriteToText(SampleRegex())), SampleRegex());
  EXPECT_EQ(ReadFromText<TTabStatus_Move>(WriteToText(SampleMove())), SampleMove());
}

TEST(TabRoundTrip, EveryRecordThroughItsOwnFile) {
  TTempFolder dir;
  const TTabStatusSet saved{SampleSearch(), SampleReplace(), SampleAdd(),
                            SampleConvert(), SampleMove(),   SampleRegex()};
  EXPECT_EQ(SaveAllTabStatus(dir.Root(), saved), Strings{});
  TTabStatusSet loaded;
  LoadAllTabStatus(dir.Root(), loaded);
  EXPECT_EQ(loaded, saved);

  // Tab5 is the regex tab and Tab6 the move tab.
  EXPECT_EQ(TIniFile(TabSettingsPath(dir.Root(), 5)).ReadString("Option", "RegStr", ""), "\\d+");
  EXPECT_EQ(TIniFile(TabSettingsPath(dir.Root(), 6)).ReadString("Option", "MStr", ""), "move");
  EXPECT_EQ(TIniFile(TabSettingsPath(dir.Root(), 1)).ReadList("MaskExt"),
            SampleSearch().ExtMaskItems);
}

TEST(TabSearchRules, BoundsAndDatesThatAreOff) {
  TTabStatus_Search r = SampleSearch();
  r.UseMinSize = false;
  r.UseStartDate = false;
  r.SizeUnit = -1;  // no unit selected
  const TIniFile ini = TIniFile::FromText(WriteToText(r));
  EXPECT_EQ(ini.ReadRaw("Option", "SizeStInt"), "0");
  EXPECT_EQ(ini.ReadRaw("Option", "SizeEdInt"), "2147483647");
  EXPECT_EQ(ini.ReadDateTime("Option", "DatePicSt", 0), kNow);
  EXPECT_EQ(ini.ReadDateTime("Option", "DatePicEd", 0), 37579.0);
  EXPECT_EQ(ini.ReadRaw("Option", "DispUnitIdx"), "0");

  const auto back = ReadFromText<TTabStatus_Search>(WriteToText(r));
  EXPECT_EQ(back.MinSize, 0);
  EXPECT_FALSE(back.UseMinSize);
  EXPECT_EQ(back.StartDate, kNow);
  EXPECT_FALSE(back.UseStartDate);
}

TEST(TabSearchRules, DamagedValuesReadAsSafeOnes) {
  const auto r = ReadFromText<TTabStatus_Search>(
      "[Option]\nSizeStInt=-5\nSizeEdInt=99999999999\nDatePicSt=1e300\nDatePicEd=-3\n"
      "DispUnitIdx=7\nMaskStrOK=yes\n");
  EXPECT_EQ(r.MinSize, 0) << "negative";
  EXPECT_EQ(r.MaxSize, 0) << "beyond 32 bits";
  EXPECT_EQ(r.StartDate, kNow) << "after 9999-12-31";
  EXPECT_EQ(r.EndDate, kNow) << "before 1900-01-01";
  EXPECT_EQ(r.SizeUnit, 0);
  EXPECT_FALSE(r.StrMaskCase);
}

TEST(TabChoices, OutOfRangeChoicesReadAndWriteAsZero) {
  const struct {
    const char* name;
    std::int32_t got;
  } reads[] = {
      {"replace-kind", ReadFromText<TTabStatus_Okikae>("[Option]\nOStsIdx=3\n").Kind},
      {"add-candidate", ReadFromText<TTabStatus_Add>("[Option]\nAStsIdx=9\n").Candidate},
      {"convert-kind", ReadFromText<TTabStatus_Modif>("[Option]\nMStsIdx=-1\n").Kind},
      {"regex-mode", ReadFromText<TTabStatus_Seiki>("[Option]\nStsIdx=2\n").ReplaceMode},
      {"regex-engine", ReadFromText<TTabStatus_Seiki>("[Option]\nEngIdx=5\n").Engine},
  };
  for (const auto& c : reads) EXPECT_EQ(c.got, 0) << c.name;

  TTabStatus_Okikae none;
  none.Kind = -1;  // no radio button checked
  EXPECT_EQ(TIniFile::FromText(WriteToText(none)).ReadRaw("Option", "OStsIdx"), "0");
}

TEST(TabFiles, ListsShrinkInPlace) {
  TTempFolder dir;
  TTabStatus_Seiki r = SampleRegex();
  r.RegExpItems = {"1", "2", "3", "4", "5"};
  SaveTabStatus(dir.Root(), r);
  r.RegExpItems = {"a", "b", "c"};
  SaveTabStatus(dir.Root(), r);
  EXPECT_EQ(TIniFile(TabSettingsPath(dir.Root(), kRegexTabFile)).KeyNames("Reg"),
            (Strings{"Value0", "Value1", "Value2"}));
}

TEST(TabFiles, EveryFailedFileIsReportedByName) {
  TTempFolder dir;
  WriteFile(dir.Path("plain"), "x");
  const std::string folder = dir.Path("plain");  // a file, so nothing can be created in it
  const Strings failures = SaveAllTabStatus(folder, TTabStatusSet{});
  ASSERT_EQ(failures.size(), 6u);
  for (int n = 1; n <= 6; ++n) {
    EXPECT_NE(failures[n - 1].find(TabSettingsPath(folder, n)), std::string::npos) << failures[n - 1];
  }
}

}  // namespace
}  // namespace nalo
