// Start-up reading and shutdown writing of all seven settings files of a settings
// folder: Nalo.ini for the main window and Nalo_Tab1.ini .. Nalo_Tab6.ini for the
// tab status records. A file that cannot be written does not stop the others; the
// caller gets one message per failed file.
#pragma once

#include <string>
#include <vector>

#include "settings/main_settings.h"
#include "settings/tab_settings.h"

namespace nalo {

struct TSettingsFiles {
  TMainSettings Main;
  TTabStatusSet Tabs;

  friend bool operator==(const TSettingsFiles&, const TSettingsFiles&) = default;
};

// `default_folder` (code page 932) is the folder listed when none was saved.
TSettingsFiles LoadSettingsFiles(const std::string& folder, const std::string& default_folder);

// Nalo.ini first, then the six per-tab files. Returns the messages of the files
// that could not be written, each naming its file; empty when all were written.
std::vector<std::string> SaveSettingsFiles(const std::string& folder, const TSettingsFiles& settings,
                                           const std::string& default_folder);

}  // namespace nalo
