// Choosing the settings folder: the order of the sources, the portable rule for
// the executable's folder and the XDG fallback, on real temporary folders.
#include "settings/settings_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace nalo {
namespace {

namespace fs = std::filesystem;
using nalo::testing::TTempFolder;
using nalo::testing::WriteFile;

TEST(SettingsFolder, SourcesInOrder) {
  TTempFolder dir;
  const std::string exe = dir.Path("exe");
  fs::create_directory(exe);
  WriteFile(exe + "/Nalo.ini", "");
  const std::string home = dir.Path("home");
  const struct {
    const char* name;
    TSettingsFolderInputs in;
    std::string expected;
  } cases[] = {
      {"override-first",
       {dir.Path("over"), dir.Path("env"), exe, dir.Path("xdg"), home},
       dir.Path("over")},
      {"env-second", {std::nullopt, dir.Path("env"), exe, dir.Path("xdg"), home}, dir.Path("env")},
      {"portable-exe", {std::nullopt, std::nullopt, exe, dir.Path("xdg"), home}, exe},
      {"empty-override-ignored", {"", std::nullopt, exe, "", home}, exe},
      {"xdg", {std::nullopt, std::nullopt, "", dir.Path("xdg"), home}, dir.Path("xdg") + "/Nalo"},
      {"home-config", {std::nullopt, std::nullopt, "", "", home}, home + "/.config/Nalo"},
      {"relative-xdg-ignored",
       {std::nullopt, std::nullopt, "", "rel/xdg", home},
       home + "/.config/Nalo"},
      {"trailing-slash-dropped",
       {dir.Path("over2") + "/", std::nullopt, "", "", home},
       dir.Path("over2")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseSettingsFolder(c.in), c.expected) << c.name;
    EXPECT_TRUE(fs::is_directory(c.expected)) << c.name << ": created";
  }
}

TEST(SettingsFolder, WritableExecutableFolderIsPortableButInstallFoldersAreNot) {
  TTempFolder dir;
  const std::string home = dir.Path("home");
  const std::string xdg = home + "/.config/Nalo";
  const std::string staged_bin = dir.Path("stage/usr/bin");
  const std::string local_bin = dir.Path("home/.local/bin");
  const std::string portable_with_ini = dir.Path("usb-stick/bin");
  for (const std::string& d : {staged_bin, local_bin, portable_with_ini}) fs::create_directories(d);
  WriteFile(portable_with_ini + "/Nalo.ini", "");
  const struct {
    const char* name;
    std::string exe_folder;
    std::string expected;
  } cases[] = {
      {"writable-portable", dir.Root(), dir.Root()},
      {"destdir-staging-bin", staged_bin, xdg},
      {"home-local-bin", local_bin, xdg},
      {"bin-holding-nalo-ini", portable_with_ini, portable_with_ini},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseSettingsFolder({std::nullopt, std::nullopt, c.exe_folder, "", home}),
              c.expected)
        << c.name;
  }
  // Writable by root, yet never chosen unless they already hold Nalo.ini.
  for (const char* system_bin : {"/usr/bin", "/usr/local/bin"}) {
    if (fs::exists(MainSettingsPath(system_bin))) continue;
    EXPECT_EQ(ChooseSettingsFolder({std::nullopt, std::nullopt, system_bin, "", home}), xdg)
        << system_bin;
  }
}

TEST(SettingsFolder, FileNames) {
  EXPECT_EQ(MainSettingsPath("/s"), "/s/Nalo.ini");
  EXPECT_EQ(TabSettingsPath("/s", 1), "/s/Nalo_Tab1.ini");
  EXPECT_EQ(TabSettingsPath("/s", 6), "/s/Nalo_Tab6.ini");
}

}  // namespace
}  // namespace nalo
