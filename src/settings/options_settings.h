// The keys of Nalo.ini that the options dialog owns: start maximised, search
// sub-folders, trim names, and the colours and font of the list. The dialog reads
// them when it opens and writes them at once when confirmed; the folder tree
// window's check box reads and writes the sub-folder key alone.
#pragma once

#include <cstdint>
#include <string>

namespace nalo {

class TIniFile;

// "ＭＳ Ｐゴシック" in code page 932, the list font when none is saved.
inline constexpr char kDefaultListFontName[] = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

// Colours are Windows colour values 0x00BBGGRR.
inline constexpr std::int32_t kYellow = 0x0000FFFF;
inline constexpr std::int32_t kBlack = 0x00000000;

// The look of ListView1 and cmb_Path.
struct TListViewOptions {
  std::int32_t FontColor = kYellow;
  std::int32_t BackColor = kBlack;
  std::string FontName = kDefaultListFontName;  // code page 932
  std::string FontSize = "10";                  // points, kept as the text saved

  friend bool operator==(const TListViewOptions&, const TListViewOptions&) = default;
};

// Point size of the list font from its saved text: the leading whole number
// ("10.5" is 10), or 10 when the text has none or it is not a usable size.
int FontPointSize(const TListViewOptions& options);

struct TOptionsSettings {
  bool Chk_FormMax = false;  // the dialog's default; start-up uses true
  bool SubFolder = false;
  bool StrTrim = true;
  TListViewOptions ListView;

  friend bool operator==(const TOptionsSettings&, const TOptionsSettings&) = default;
};

// ListViewOpt section.
TListViewOptions ReadListViewOptions(const TIniFile& ini);
void WriteListViewOptions(TIniFile& ini, const TListViewOptions& options);

// StartOption/Chk_FormMax, SearchOption/SubFolder, SpaceOption/StrTrim, ListViewOpt.
TOptionsSettings ReadOptionsSettings(const TIniFile& ini);
void WriteOptionsSettings(TIniFile& ini, const TOptionsSettings& options);

// SearchOption/SubFolder alone.
bool ReadSubFolderOption(const TIniFile& ini);
void WriteSubFolderOption(TIniFile& ini, bool sub_folder);

}  // namespace nalo
