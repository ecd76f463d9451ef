// The desktop program's command line: an optional folder to list, the settings
// folder (--settings-dir DIR, else $NALO_SETTINGS_DIR and the usual places).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

namespace nalo {

struct TAppArgs {
  std::optional<QString> Folder;       // the first positional argument
  std::optional<QString> SettingsDir;  // --settings-dir
  QString Error;                       // set when the line cannot be understood
};

// `arguments` without the program name.
TAppArgs ParseAppArgs(const QStringList& arguments);

// What --help or --version asks the program to print, read from argv before the
// application object exists (so answering needs no display); nullopt when the
// line asks for neither before any "--". `version` is the program's version.
std::optional<std::string> EarlyAnswer(int argc, char* argv[], std::string_view version);

}  // namespace nalo
