// Choosing the settings folder. Each candidate is an absolute path; the
// executable's folder is taken only for portable use (Nalo.ini already there, or a
// folder the user may write that is not an install folder), so a program installed
// under /usr, /usr/local, ~/.local or a staging tree never scatters settings beside
// itself, even run as root.
#include "settings/settings_folder.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/encoding.h"
#include "platform/process_env.h"

namespace nalo {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMainFileName = "Nalo.ini";
constexpr std::string_view kAppFolderName = "Nalo";

// Install prefixes where a program is shared by every user: settings beside the
// executable would be shared or would need root, so only an existing Nalo.ini there
// counts.
constexpr std::array<std::string_view, 6> kSystemPrefixes = {"/usr/", "/bin/", "/sbin/",
                                                             "/lib/", "/opt/", "/snap/"};

// A folder named "bin" is where an install puts its programs under any prefix
// (PREFIX/bin, also inside a DESTDIR staging tree), never a portable folder.
constexpr std::string_view kInstallBinFolderName = "bin";

bool IsInstallFolder(const std::string& folder) {
  const std::string with_slash = folder + "/";
  for (std::string_view prefix : kSystemPrefixes) {
    if (with_slash.starts_with(prefix)) return true;
  }
  return fs::path(folder).filename() == kInstallBinFolderName;
}

bool IsPortableFolder(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  if (fs::exists(MainSettingsPath(folder), ec)) return true;
  return !IsInstallFolder(folder) && MayWrite(folder);
}

std::string Absolute(const std::string& folder) {
  std::error_code ec;
  fs::path p = fs::absolute(folder, ec);
  if (ec) p = folder;
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

std::string Created(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return folder;
}

std::optional<std::string> NonEmptyEnv(const char* name) {
  const char* v = std::getenv(name);
  if (v == nullptr || *v == '\0') return std::nullopt;
  return std::string(v);
}

}  // namespace

std::string ChooseSettingsFolder(const TSettingsFolderInputs& inputs) {
  if (inputs.OverrideDir && !inputs.OverrideDir->empty()) return Created(Absolute(*inputs.OverrideDir));
  if (inputs.EnvDir && !inputs.EnvDir->empty()) return Created(Absolute(*inputs.EnvDir));
  if (IsPortableFolder(inputs.ExecutableFolder)) return Absolute(inputs.ExecutableFolder);
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
  const std::string config = (!inputs.XdgConfigHome.empty() && inputs.XdgConfigHome.front() == '/')
                                 ? inputs.XdgConfigHome
                                 : inputs.HomeFolder + "/.config";
  return Created(Absolute(config + "/" + std::string(kAppFolderName)));
}

TSettingsFolderInputs SettingsFolderInputsOfProcess(std::optional<std::string> override_dir) {
  TSettingsFolderInputs in;
  in.OverrideDir = std::move(override_dir);
  in.EnvDir = NonEmptyEnv("NALO_SETTINGS_DIR");
  in.ExecutableFolder = ExecutableFolder();
  in.XdgConfigHome = NonEmptyEnv("XDG_CONFIG_HOME").value_or("");
  in.HomeFolder = UserHomeFolder();
  return in;
}

std::string ResolveSettingsFolder(std::optional<std::string> override_dir) {
  return ChooseSettingsFolder(SettingsFolderInputsOfProcess(std::move(override_dir)));
}

std::string MainSettingsPath(const std::string& folder) {
  return folder + "/" + std::string(kMainFileName);
}

std::string TabSettingsPath(const std::string& folder, int tab_file_number) {
  return folder + "/" + std::string(kAppFolderName) + "_Tab" + std::to_string(tab_file_number) + ".ini";
}

std::string UserHomeFolder() {
  if (std::optional<std::string> home = NonEmptyEnv("HOME")) return *home;
  std::string account_home = AccountHomeFolder();
  return account_home.empty() ? "/" : account_home;
}

std::string DefaultListingFolder() {
  return Utf8ToCp932(UserHomeFolder()).value_or("/");
}

}  // namespace nalo
