// A fresh temporary folder per test, with a folder "d" for the files a test
// renames and a settings folder "s" handed to nalo-cli through NALO_SETTINGS_DIR,
// so no test ever reads or writes the user's real settings.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "support/temp_folder.h"

namespace nalo::cli::test {

class TCliTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Runs nalo-cli in the test folder with the test's settings folder.
  TCliRun Run(std::vector<std::string> args, const std::string& stdin_text = {});
  // Runs with standard input `names`, one per line, through --names-from -.
  TCliRun Preview(std::vector<std::string> rule, const std::string& names);

  std::string Root() const { return folder_.Root(); }
  std::string Dir() const { return folder_.Path("d"); }
  std::string Settings() const { return folder_.Path("s"); }

  // Creates Dir()/name holding `content`.
  void MakeFile(const std::string& name, const std::string& content = {});
  // Names in Dir(), sorted.
  std::vector<std::string> DirNames() const;
  // Contents of Dir()/name.
  std::string Content(const std::string& name) const;
  // Writes Settings()/file with `bytes` as they are.
  void WriteSettingsFile(const std::string& file, const std::string& bytes);

 private:
  nalo::testing::TTempFolder folder_{"nalo-cli-test"};
};

// Splits output into lines without their "\n".
std::vector<std::string> Lines(const std::string& text);

}  // namespace nalo::cli::test
