// Reading and writing the whole set of settings files of one folder; each file is
// opened at the moment it is read or written, so writes made meanwhile by the
// options dialog or the confirmation window are kept.
#include "settings/settings_files.h"

#include "settings/ini_file.h"
#include "settings/settings_folder.h"

namespace nalo {

TSettingsFiles LoadSettingsFiles(const std::string& folder, const std::string& default_folder) {
  TSettingsFiles s;
  s.Main = ReadMainSettings(TIniFile(MainSettingsPath(folder)), default_folder);
  LoadAllTabStatus(folder, s.Tabs);
  return s;
}

std::vector<std::string> SaveSettingsFiles(const std::string& folder, const TSettingsFiles& settings,
                                           const std::string& default_folder) {
  std::vector<std::string> failures;
  try {
    TIniFile ini(MainSettingsPath(folder));
    WriteMainSettings(ini, settings.Main, default_folder);
    ini.Save();
  } catch (const EIniWriteError& e) {
    failures.emplace_back(e.what());
  }
  std::vector<std::string> tab_failures = SaveAllTabStatus(folder, settings.Tabs);
  failures.insert(failures.end(), tab_failures.begin(), tab_failures.end());
  return failures;
}

}  // namespace nalo
