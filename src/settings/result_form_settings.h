// The keys of Nalo.ini that belong to the confirmation window: its bounds and
// column widths (ResultForm, written when the window closes) and the folder and
// name of the last saved name list (ListSave, read and written when a list is
// saved).
#pragma once

#include <cstdint>
#include <string>

namespace nalo {

class TIniFile;

// Window bounds as Top, Left, Height, Width in pixels.
struct TFormBounds {
  std::int32_t Top = 0;
  std::int32_t Left = 0;
  std::int32_t Height = 0;
  std::int32_t Width = 0;

  friend bool operator==(const TFormBounds&, const TFormBounds&) = default;
};

// Number of columns of the confirmation list (old name, new name, folder).
inline constexpr int kResultColumnCount = 3;

struct TResultFormSettings {
  TFormBounds Bounds{0, 0, 400, 850};
  std::int32_t ColumnWidths[kResultColumnCount] = {300, 400, 100};

  friend bool operator==(const TResultFormSettings&, const TResultFormSettings&) = default;
};

struct TListSaveSettings {
  std::string Path;               // folder with a trailing "/", code page 932
  std::string Name = "List.txt";  // file name, code page 932

  friend bool operator==(const TListSaveSettings&, const TListSaveSettings&) = default;
};

TResultFormSettings ReadResultForm(const TIniFile& ini);
void WriteResultForm(TIniFile& ini, const TResultFormSettings& form);

// `default_folder` (with its trailing "/") stands in for a missing ListSave/Path.
TListSaveSettings ReadListSave(const TIniFile& ini, const std::string& default_folder);
void WriteListSave(TIniFile& ini, const TListSaveSettings& list_save);

}  // namespace nalo
