// The desktop program's command line: an optional folder to list, the settings
// folder (--settings-dir DIR, else $NALO_SETTINGS_DIR and the usual places).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace nalo {

struct TAppArgs {
  std::optional<QString> Folder;       // the first positional argument
  std::optional<QString> SettingsDir;  // --settings-dir
  QString Error;                       // set when the line cannot be understood
};

// `arguments` without the program name.
TAppArgs ParseAppArgs(const QStringList& arguments);

// True when the command line holds --version before any "--". It is read from argv
// before the application object exists, so printing the version needs no display.
bool AsksForVersion(int argc, char* argv[]);

}  // namespace nalo
