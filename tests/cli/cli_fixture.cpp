// The temporary tree of a CLI test and the helpers to fill and inspect it.
#include "cli/cli_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace nalo::cli::test {

namespace fs = std::filesystem;

void TCliTest::SetUp() {
  std::string pattern = (fs::temp_directory_path() / "nalo-cli-test-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  root_ = pattern;
  fs::create_directory(Dir());
  fs::create_directory(Settings());
}

void TCliTest::TearDown() {
  std::error_code ignored;
  fs::permissions(Dir(), fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(root_, ignored);
}

TCliRun TCliTest::Run(std::vector<std::string> args, const std::string& stdin_text) {
  TCliCall call;
  call.Args = std::move(args);
  call.Stdin = stdin_text;
  call.WorkDir = root_;
  call.Env["NALO_SETTINGS_DIR"] = Settings();
  return RunCli(call);
}

TCliRun TCliTest::Preview(std::vector<std::string> rule, const std::string& names) {
  std::vector<std::string> args = {"preview", "--names-from", "-"};
  args.insert(args.end(), rule.begin(), rule.end());
  return Run(std::move(args), names);
}

void TCliTest::MakeFile(const std::string& name, const std::string& content) {
  std::ofstream(Dir() + "/" + name, std::ios::binary) << content;
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
  std::ifstream in(Dir() + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TCliTest::WriteSettingsFile(const std::string& file, const std::string& bytes) {
  std::ofstream(Settings() + "/" + file, std::ios::binary) << bytes;
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
