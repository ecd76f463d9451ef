// The desktop program's start-up, offscreen, through the same code as the real
// one: TFMainFrm built with a settings folder and a 50-file folder to list, shown,
// its events handled until the list is painted, then closed and destroyed. Three
// settings folders in the same run: one without a journal (the reference), one
// whose history holds a finished batch of 1,000,000 steps, and one whose journal
// file itself holds such a batch in the format the previous version wrote (its
// last batch). How far each case raised the resident memory is reported beside
// the time: a start-up that read the big batch would show it there (the batch is
// made by a child process, so that making it does not count). Last, for scale, what
// reading that batch whole costs (what start-up no longer does).
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "app/main_window.h"
#include "bench_root.h"
#include "execution/batch_history.h"
#include "execution/batch_journal.h"

namespace {

// Steps of the big batch; NALO_BENCH_STARTUP_STEPS sets another count.
std::size_t StepCount() {
  const char* text = std::getenv("NALO_BENCH_STARTUP_STEPS");
  return text != nullptr && std::atol(text) > 0 ? static_cast<std::size_t>(std::atol(text))
                                                : 1000000;
}

std::string g_root;

std::string Path(const std::string& relative) { return g_root + "/" + relative; }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The history's batch as the previous version wrote its only journal: the second
// format's head (no summary and folder lines), the same steps.
std::string SecondFormatOf(std::string text) {
  text.replace(0, text.find('\n'), "NALO-BATCH-JOURNAL 2");
  const std::size_t summary = text.find("\nsummary\t") + 1;
  const std::size_t steps = text.find("\nstep\t") + 1;
  text.erase(summary, steps - summary);
  return text;
}

void MakeFolders() {
  for (const char* folder : {"files", "none", "history", "journal"})
    mkdir(Path(folder).c_str(), 0755);
  for (int i = 0; i < 50; ++i) std::ofstream(Path("files/photo_" + std::to_string(i) + ".jpg"));
  const std::string folder = Path("big/");
  nalo::TJournalPlan plan(folder);
  plan.Begin(Path("history"));
  for (std::size_t i = 0; i < StepCount(); ++i) {
    const std::string name = "photo_" + std::to_string(i);
    plan.AddStep(2049, 1000000 + i, nalo::TStepKind::Plain, folder, name + ".jpg", folder,
                 name + "_2026.jpg");
  }
  plan.Commit();
  nalo::WriteJournalOutcome(Path("history"), plan.Batch(), std::vector<int>(StepCount(), 0),
                            StepCount(), {StepCount(), 0});
  const std::string archived = nalo::ReadHistory(Path("history")).front().Path;
  std::ofstream(nalo::JournalPath(Path("journal")), std::ios::binary)
      << SecondFormatOf(ReadAll(archived));
}

// A field of /proc/self/status in megabytes.
double StatusMegabytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::atof(line.c_str() + std::strlen(field)) / 1024.0;
  }
  return 0;
}

// How far the resident memory rose above its level at ResetPeak: Linux resets
// the peak (VmHWM) to the present size on writing "5" to clear_refs, so each case
// shows what it added itself, whatever the cases before it left behind.
double g_start_mb = 0;
void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
  g_start_mb = StatusMegabytes("VmRSS:");
}
double PeakMegabytes() { return StatusMegabytes("VmHWM:") - g_start_mb; }

void OpenAndClose(const char* settings) {
  nalo::TMainWindowOptions options;
  options.SettingsFolder = Path(settings);
  options.FolderArgument = QString::fromStdString(Path("files"));
  auto window = std::make_unique<nalo::TFMainFrm>(options);
  window->show();
  QApplication::processEvents();
  QApplication::processEvents();
  window->close();
  window.reset();
  QApplication::processEvents();
}

void StartUp(benchmark::State& state, const char* settings) {
  ResetPeak();
  for (auto _ : state) OpenAndClose(settings);
  state.counters["peak_rise_MB"] = PeakMegabytes();
}

void ReadWholeBatch(benchmark::State& state) {
  const std::string path = nalo::ReadHistory(Path("history")).front().Path;
  ResetPeak();
  for (auto _ : state) {
    const auto record = nalo::ReadJournalFile(path);
    benchmark::DoNotOptimize(record->Steps.size());
  }
  state.counters["peak_rise_MB"] = PeakMegabytes();
}

}  // namespace

int main(int argc, char** argv) {
  g_root = nalo::bench::MakeBenchRoot("startup");
  const pid_t maker = fork();
  if (maker == 0) {
    MakeFolders();
    _exit(0);
  }
  waitpid(maker, nullptr, 0);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The first window loads fonts and styles once for the whole process.
  OpenAndClose("none");
  for (const char* settings : {"none", "history", "journal"}) {
    benchmark::RegisterBenchmark((std::string("StartUp/") + settings).c_str(),
                                 [settings](benchmark::State& s) { StartUp(s, settings); })
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("ReadWholeBatch/history", ReadWholeBatch)
      ->Iterations(3)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  nalo::bench::RemoveBenchRoot(g_root);
  return 0;
}
