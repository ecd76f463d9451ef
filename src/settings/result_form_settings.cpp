// Reading and writing the ResultForm and ListSave sections of Nalo.ini.
#include "settings/result_form_settings.h"

#include "settings/ini_file.h"

namespace nalo {
namespace {

constexpr char kResultForm[] = "ResultForm";
constexpr char kListSave[] = "ListSave";

std::string ColumnKey(int i) { return "C_Width" + std::to_string(i); }

}  // namespace

TResultFormSettings ReadResultForm(const TIniFile& ini) {
  const TResultFormSettings d;
  TResultFormSettings f;
  f.Bounds.Top = ini.ReadInt32(kResultForm, "Top", d.Bounds.Top);
  f.Bounds.Left = ini.ReadInt32(kResultForm, "Left", d.Bounds.Left);
  f.Bounds.Height = ini.ReadInt32(kResultForm, "Height", d.Bounds.Height);
  f.Bounds.Width = ini.ReadInt32(kResultForm, "Width", d.Bounds.Width);
  for (int i = 0; i < kResultColumnCount; ++i) {
    f.ColumnWidths[i] = ini.ReadInt32(kResultForm, ColumnKey(i), d.ColumnWidths[i]);
  }
  return f;
}

void WriteResultForm(TIniFile& ini, const TResultFormSettings& form) {
  ini.WriteInteger(kResultForm, "Top", form.Bounds.Top);
  ini.WriteInteger(kResultForm, "Left", form.Bounds.Left);
  ini.WriteInteger(kResultForm, "Height", form.Bounds.Height);
  ini.WriteInteger(kResultForm, "Width", form.Bounds.Width);
  for (int i = 0; i < kResultColumnCount; ++i) {
    ini.WriteInteger(kResultForm, ColumnKey(i), form.ColumnWidths[i]);
  }
}

TListSaveSettings ReadListSave(const TIniFile& ini, const std::string& default_folder) {
  TListSaveSettings s;
  s.Path = ini.ReadString(kListSave, "Path", default_folder);
  s.Name = ini.ReadString(kListSave, "Name", s.Name);
  return s;
}

void WriteListSave(TIniFile& ini, const TListSaveSettings& list_save) {
  ini.WriteString(kListSave, "Path", list_save.Path);
  ini.WriteString(kListSave, "Name", list_save.Name);
}

}  // namespace nalo
