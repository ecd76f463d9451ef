// The desktop program with 1,000,000 files in one folder, offscreen, through the
// same code as the window: TFMainFrm::ListFolder, then the events that lay out
// and paint the list, then a scroll to the last row and its paint ("listing until
// the list can be scrolled"); beside it, in the same iteration, `nalo-cli list` of
// the same folder as a child process with its output to /dev/null. Then the
// window is closed and destroyed, and that is timed on its own. The folder is made
// once under /tmp (empty files) and removed at the end.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "bench_root.h"
#include "gui_bench_support.h"

extern char** environ;

namespace {

using nalo::bench::GuiFileCount;
using nalo::bench::SecondsSince;

std::string g_root;

std::string FolderPath() { return g_root + "/flat"; }
std::string SettingsPath() { return g_root + "/settings"; }

void MakeFolder() {
  if (!g_root.empty()) return;
  g_root = nalo::bench::MakeBenchRoot("gui");
  mkdir(FolderPath().c_str(), 0755);
  mkdir(SettingsPath().c_str(), 0755);
  for (int i = 0; i < GuiFileCount(); ++i) {
    const std::string path = FolderPath() + "/photo_" + std::to_string(i) + ".jpg";
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd >= 0) close(fd);
  }
}

// Wall seconds of `nalo-cli list FOLDER` with its output to /dev/null.
double CliListSeconds() {
  const std::string cli = NALO_CLI_PATH;
  const std::string folder = FolderPath();
  const std::string settings = "--settings-dir=" + SettingsPath();
  std::vector<char*> argv = {const_cast<char*>(cli.c_str()), const_cast<char*>(settings.c_str()),
                             const_cast<char*>("list"), const_cast<char*>(folder.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int status = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    waitpid(pid, &status, 0);
  }
  const double seconds = SecondsSince(start);
  posix_spawn_file_actions_destroy(&actions);
  return status == 0 ? seconds : -1;
}

std::unique_ptr<nalo::TFMainFrm> OpenWindow() {
  nalo::TMainWindowOptions options;
  options.SettingsFolder = SettingsPath();
  auto window = std::make_unique<nalo::TFMainFrm>(options);
  window->resize(1200, 800);
  window->show();
  QApplication::processEvents();
  return window;
}

void BM_WindowListingBesideCli(benchmark::State& state) {
  MakeFolder();
  double cli_sum = 0, gui_sum = 0, close_sum = 0, hide_sum = 0;
  for (auto _ : state) {
    const double cli = CliListSeconds();
    std::unique_ptr<nalo::TFMainFrm> window = OpenWindow();
    auto start = std::chrono::steady_clock::now();
    window->ListFolder(QString::fromStdString(FolderPath()));
    QApplication::processEvents();
    window->ListView1->scrollToBottom();
    QApplication::processEvents();
    const double gui = SecondsSince(start);
    if (cli < 0 || window->Entries().Count() != static_cast<std::size_t>(GuiFileCount()) ||
        window->ListView1->verticalScrollBar()->value() == 0) {
      state.SkipWithError("the window or nalo-cli did not list the folder");
    }
    start = std::chrono::steady_clock::now();
    window->close();
    QApplication::processEvents();
    const double closed = SecondsSince(start);
    window.reset();
    QApplication::processEvents();
    close_sum += SecondsSince(start);
    hide_sum += closed;
    cli_sum += cli;
    gui_sum += gui;
    state.SetIterationTime(gui);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["cli_list_ms"] = cli_sum / n * 1e3;
  state.counters["window_list_ms"] = gui_sum / n * 1e3;
  state.counters["ratio"] = gui_sum / cli_sum;
  state.counters["close_ms"] = close_sum / n * 1e3;
  state.counters["until_hidden_ms"] = hide_sum / n * 1e3;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  nalo::bench::RunGuiBenchmark(argc, argv, "WindowListingBesideCli/flat",
                               BM_WindowListingBesideCli);
  nalo::bench::RemoveBenchRoot(g_root);
  return 0;
}
