// The presets are whole TListViewOptions so the dialog applies them in one step;
// reading and writing go through the options record's own key functions.
#include "settings/options_dialog_values.h"

#include "settings/ini_file.h"
#include "settings/windows_color.h"

namespace nalo {
namespace {

constexpr char kStartOption[] = "StartOption";
constexpr char kFormMaxKey[] = "Chk_FormMax";
// Start-up maximises the window when nothing is saved.
constexpr bool kStartMaximisedByDefault = true;
constexpr char kWindowsLookFont[] = "MS UI Gothic";

}  // namespace

int FontSizeItemIndex(const std::string& text) {
  for (std::size_t i = 0; i < kFontSizeItems.size(); ++i) {
    if (text == kFontSizeItems[i]) return static_cast<int>(i);
  }
  return -1;
}

std::string FontSizeForItem(int item, const std::string& loaded) {
  if (item < 0 || item >= static_cast<int>(kFontSizeItems.size())) return loaded;
  return kFontSizeItems[static_cast<std::size_t>(item)];
}

TListViewOptions DefaultLookPreset() {
  TListViewOptions look;
  look.FontColor = kYellow;
  look.BackColor = kBlack;
  look.FontName = kDefaultListFontName;
  look.FontSize = kFontSizeItems[kPresetFontSizeItem];
  return look;
}

TListViewOptions WindowsLookPreset() {
  TListViewOptions look;
  look.FontColor = SystemColorValue(kSysColorWindowText);
  look.BackColor = SystemColorValue(kSysColorWindow);
  look.FontName = kWindowsLookFont;
  look.FontSize = kFontSizeItems[kPresetFontSizeItem];
  return look;
}

TOptionsSettings ReadOptionsForDialog(const TIniFile& ini) {
  TOptionsSettings options = ReadOptionsSettings(ini);
  options.Chk_FormMax = ini.ReadBool(kStartOption, kFormMaxKey, kStartMaximisedByDefault);
  return options;
}

void SaveOptionsNow(const std::string& path, const TOptionsSettings& options) {
  TIniFile ini(path);
  WriteOptionsSettings(ini, options);
  ini.Save();
}

}  // namespace nalo
