// The temporary tree of a CLI test and the helpers to fill and inspect it.
#include "cli/cli_fixture.h"

#include <algorithm>
#include <filesystem>

namespace nalo::cli::test {

namespace fs = std::filesystem;

void TCliTest::SetUp() {
  folder_.MakeFolder("d");
  folder_.MakeFolder("s");
}

TCliRun TCliTest::Run(std::vector<std::string> args, const std::string& stdin_text) {
  TCliCall call;
  call.Args = std::move(args);
  call.Stdin = stdin_text;
  call.WorkDir = Root();
  call.Env["NALO_SETTINGS_DIR"] = Settings();
  return RunCli(call);
}

TCliRun TCliTest::Preview(std::vector<std::string> rule, const std::string& names) {
  std::vector<std::string> args = {"preview", "--names-from", "-"};
  args.insert(args.end(), rule.begin(), rule.end());
  return Run(std::move(args), names);
}

void TCliTest::MakeFile(const std::string& name, const std::string& content) {
  nalo::testing::WriteFile(Dir() + "/" + name, content);
}

std::vector<std::string> TCliTest::DirNames() const {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(Dir())) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string TCliTest::Content(const std::string& name) const {
  return nalo::testing::ReadFile(Dir() + "/" + name);
}

void TCliTest::WriteSettingsFile(const std::string& file, const std::string& bytes) {
  nalo::testing::WriteFile(Settings() + "/" + file, bytes);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace nalo::cli::test
