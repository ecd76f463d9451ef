// Where the settings files live. The folder is chosen once at start-up: a folder
// given on the command line, else $NALO_SETTINGS_DIR, else the executable's own
// folder when it already holds Nalo.ini or may be written (portable use), else
// $XDG_CONFIG_HOME/Nalo (by default ~/.config/Nalo), created when missing.
#pragma once

#include <optional>
#include <string>

namespace nalo {

// Everything the choice depends on, so that it can be made for any environment.
struct TSettingsFolderInputs {
  std::optional<std::string> OverrideDir;  // --settings-dir DIR
  std::optional<std::string> EnvDir;       // NALO_SETTINGS_DIR
  std::string ExecutableFolder;            // empty when unknown
  std::string XdgConfigHome;               // XDG_CONFIG_HOME, empty when unset
  std::string HomeFolder;                  // the user's home folder
};

// The settings folder for `inputs` (UTF-8, no trailing "/"), created when it does
// not exist yet. A folder that cannot be created is still returned: reading then
// gives the defaults and the first save reports the failure with the file's name.
std::string ChooseSettingsFolder(const TSettingsFolderInputs& inputs);

// The inputs of this process: environment variables and /proc/self/exe.
TSettingsFolderInputs SettingsFolderInputsOfProcess(std::optional<std::string> override_dir);

// ChooseSettingsFolder(SettingsFolderInputsOfProcess(override_dir)).
std::string ResolveSettingsFolder(std::optional<std::string> override_dir);

// folder + "/Nalo.ini".
std::string MainSettingsPath(const std::string& folder);
// folder + "/Nalo_Tab<n>.ini", n = 1..6.
std::string TabSettingsPath(const std::string& folder, int tab_file_number);

// The user's home folder: $HOME, else the password database, else "/".
std::string UserHomeFolder();

// The folder listed and offered when nothing was saved: the user's home folder as a
// code-page-932 string, or "/" when its name has no code-page-932 form.
std::string DefaultListingFolder();

}  // namespace nalo
