// Reading and writing the options-dialog keys of Nalo.ini; missing or unreadable
// values fall back to the defaults of TOptionsSettings.
#include "settings/options_settings.h"

#include "settings/ini_file.h"
#include "settings/ini_text.h"

namespace nalo {
namespace {

constexpr char kListViewOpt[] = "ListViewOpt";
constexpr char kStartOption[] = "StartOption";
constexpr char kSearchOption[] = "SearchOption";
constexpr char kSpaceOption[] = "SpaceOption";

// The size used when the saved text is not a usable one.
constexpr int kDefaultFontPoints = 10;
// Largest point size accepted; larger values come only from a damaged file and
// would make the list unusable.
constexpr int kMaxFontPoints = 200;

}  // namespace

TListViewOptions ReadListViewOptions(const TIniFile& ini) {
  const TListViewOptions d;
  TListViewOptions o;
  o.FontColor = ini.ReadInt32(kListViewOpt, "FontColor", d.FontColor);
  o.BackColor = ini.ReadInt32(kListViewOpt, "BackColor", d.BackColor);
  o.FontName = ini.ReadString(kListViewOpt, "FontName", d.FontName);
  o.FontSize = ini.ReadString(kListViewOpt, "FontSize", d.FontSize);
  return o;
}

void WriteListViewOptions(TIniFile& ini, const TListViewOptions& options) {
  ini.WriteInteger(kListViewOpt, "FontColor", options.FontColor);
  ini.WriteInteger(kListViewOpt, "BackColor", options.BackColor);
  ini.WriteString(kListViewOpt, "FontName", options.FontName);
  ini.WriteString(kListViewOpt, "FontSize", options.FontSize);
}

int FontPointSize(const TListViewOptions& options) {
  const std::optional<long long> points = ini::ParseInteger(options.FontSize);
  if (!points || *points < 1 || *points > kMaxFontPoints) return kDefaultFontPoints;
  return static_cast<int>(*points);
}

TOptionsSettings ReadOptionsSettings(const TIniFile& ini) {
  const TOptionsSettings d;
  TOptionsSettings o;
  o.Chk_FormMax = ini.ReadBool(kStartOption, "Chk_FormMax", d.Chk_FormMax);
  o.SubFolder = ReadSubFolderOption(ini);
  o.StrTrim = ini.ReadBool(kSpaceOption, "StrTrim", d.StrTrim);
  o.ListView = ReadListViewOptions(ini);
  return o;
}

void WriteOptionsSettings(TIniFile& ini, const TOptionsSettings& options) {
  ini.WriteBool(kStartOption, "Chk_FormMax", options.Chk_FormMax);
  WriteSubFolderOption(ini, options.SubFolder);
  ini.WriteBool(kSpaceOption, "StrTrim", options.StrTrim);
  WriteListViewOptions(ini, options.ListView);
}

bool ReadSubFolderOption(const TIniFile& ini) { return ini.ReadBool(kSearchOption, "SubFolder", false); }

void WriteSubFolderOption(TIniFile& ini, bool sub_folder) {
  ini.WriteBool(kSearchOption, "SubFolder", sub_folder);
}

}  // namespace nalo
