// What the options dialog offers and how its controls map onto the options
// record: the fixed font sizes, the two list-look presets, reading the options
// with the same defaults start-up uses, and writing them at once on OK.
#pragma once

#include <array>
#include <string>

#include "settings/options_settings.h"

namespace nalo {

class TIniFile;

// The items of the font-size drop-down list, in order.
inline constexpr std::array<const char*, 8> kFontSizeItems = {"8", "9", "10", "11",
                                                              "12", "14", "16", "18"};
// The item both presets select ("10").
inline constexpr int kPresetFontSizeItem = 2;

// The item showing `text`, or -1 when no item has exactly that text.
int FontSizeItemIndex(const std::string& text);

// The size to store for drop-down item `item`. With no item selected (-1, the
// saved size was not one of the items) the saved text `loaded` is kept, so
// confirming the dialog unchanged never alters the list's size.
std::string FontSizeForItem(int item, const std::string& loaded);

// "デフォルト設定": yellow "ＭＳ Ｐゴシック" 10 pt on black.
TListViewOptions DefaultLookPreset();
// "Windows標準": the desktop's window text and background, "MS UI Gothic" 10 pt.
TListViewOptions WindowsLookPreset();

// The options as the dialog shows them. Start maximised reads with the default
// start-up applies (on), so a file without the key keeps behaving the same after
// the dialog is confirmed unchanged.
TOptionsSettings ReadOptionsForDialog(const TIniFile& ini);

// Writes the options into Nalo.ini at `path` (UTF-8) at once, keeping every other
// key; throws EIniWriteError naming the file when it cannot be written.
void SaveOptionsNow(const std::string& path, const TOptionsSettings& options);

}  // namespace nalo
