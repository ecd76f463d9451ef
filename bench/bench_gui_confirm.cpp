// The confirmation window of a batch of 1,000,000 rows, offscreen. The folder of
// empty files photo_0000000.jpg… is made once under /tmp and kept for later runs;
// the desktop window lists it (TFMainFrm::ListFolder), and the replace rule
// "photo" → "pic" runs over its entries as the action button runs it. Timed in
// each iteration:
//   rule_run_ms      the rule run itself (on the worker in the program; reference)
//   clash_check_ms   the clash check of its rows, which follows it on the worker
//   table_ms         a plain QTableView over a trivial model of as many rows, until
//                    shown and painted (reference)
//   window_ms        the confirmation window, given the rows and their verdicts,
//                    until shown and its first rows painted: all of it on the
//                    user-interface thread
//   self_check_ms    the same window left to make the verdicts itself, on the
//                    user-interface thread (as it opened before the check moved
//                    onto the rule run's worker)
// Then the commands a user gives in that window, each on the user-interface
// thread and each timed until the list has painted again:
//   select_all_ms    Ctrl+A with its count text
//   sort_ms          a click on the new-name column's header
//   edit_ms          a corrected new name on one row
//   remove_ms        removing 1,000 rows spread over the list
// A sort or check of the whole list runs on a worker with a progress window, so
// beside the times the longest stretch the user-interface thread went without
// handling its events is reported: open_stall_ms while the window opens (given
// its verdicts), command_stall_ms over all the commands.
// The window is then closed and destroyed, which is not timed.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "execution/gui/fresult.h"
#include "execution/gui/result_model.h"
#include "execution/rename_preview.h"
#include "gui_bench_support.h"
#include "rules/replace_rule.h"
#include "ui/messenger.h"
#include "ui/selection.h"

namespace {

using nalo::bench::GuiFileCount;
using nalo::bench::SecondsSince;

std::string RootPath() { return "/tmp/nalo-bench-confirm-" + std::to_string(GuiFileCount()); }
std::string FolderPath() { return RootPath() + "/flat"; }
std::string SettingsPath() { return RootPath() + "/settings"; }

std::string FileName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "photo_%07d.jpg", i);
  return name;
}

// Makes the missing files of the folder; a folder made by an earlier run is kept.
void MakeFolder() {
  mkdir(RootPath().c_str(), 0755);
  mkdir(FolderPath().c_str(), 0755);
  mkdir(SettingsPath().c_str(), 0755);
  for (int i = 0; i < GuiFileCount(); ++i) {
    const std::string path = FolderPath() + "/" + FileName(i);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd >= 0) close(fd);
  }
}

// Handles events until `view`'s viewport has been painted once.
void ShowAndWaitForPaint(QWidget* window, QAbstractItemView* view) {
  struct TPaintSpy : QObject {
    bool Painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) Painted = true;
      return false;
    }
  } spy;
  view->viewport()->installEventFilter(&spy);
  window->show();
  while (!spy.Painted) QApplication::processEvents(QEventLoop::AllEvents);
  view->viewport()->removeEventFilter(&spy);
}

// The reference list: one short text per cell.
class TTrivialModel : public QAbstractTableModel {
 public:
  explicit TTrivialModel(int rows) : rows_(rows) {}
  int rowCount(const QModelIndex&) const override { return rows_; }
  int columnCount(const QModelIndex&) const override { return 4; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return QString::number(index.row());
  }

 private:
  int rows_;
};

double PlainTableSeconds() {
  TTrivialModel model(GuiFileCount());
  const auto start = std::chrono::steady_clock::now();
  QTableView view;
  view.setModel(&model);
  view.resize(850, 400);
  ShowAndWaitForPaint(&view, &view);
  return SecondsSince(start);
}

nalo::TTabStatus_Okikae PhotoToPic() {
  nalo::TTabStatus_Okikae status;
  status.Kind = nalo::kReplaceKindString;
  status.StringOld = "photo";
  status.StringNew = "pic";
  return status;
}

// The longest time between two turns of the event loop while it runs: a timer
// of 1 ms measures the gaps between its timeouts.
class TStallWatch {
 public:
  TStallWatch() {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  }
  void Start() {
    since_.start();
    timer_.start();
  }
  // The longest gap, in seconds, since Start.
  double Stop() {
    Tick();
    timer_.stop();
    return std::exchange(longest_ms_, 0) / 1e3;
  }

 private:
  void Tick() { longest_ms_ = std::max(longest_ms_, since_.restart()); }
  QTimer timer_;
  QElapsedTimer since_;
  qint64 longest_ms_ = 0;
};

// Seconds of each command, summed over the iterations, and the longest stall.
struct TCommandTimes {
  double SelectAll = 0, Sort = 0, Edit = 0, Remove = 0;
  double LongestStall = 0;
};

// Runs `command`, then handles events until the list has painted.
double TimedCommand(nalo::TFresult& window, const std::function<void()>& command,
                    double& longest_stall) {
  TStallWatch stalls;
  stalls.Start();
  const auto start = std::chrono::steady_clock::now();
  command();
  window.ListView1->viewport()->update();
  ShowAndWaitForPaint(&window, window.ListView1);
  const double seconds = SecondsSince(start);
  longest_stall = std::max(longest_stall, stalls.Stop());
  return seconds;
}

void TimeCommands(nalo::TFresult& window, TCommandTimes& times) {
  double& stall = times.LongestStall;
  times.SelectAll += TimedCommand(
      window, [&] { window.A1Click(); }, stall);
  window.ListView1->clearSelection();
  times.Sort += TimedCommand(
      window, [&] { window.ListView1ColumnClick(nalo::kNewNameColumn); }, stall);
  auto* model = static_cast<nalo::TResultModel*>(window.ListView1->model());
  times.Edit += TimedCommand(
      window, [&] { model->SetNewName(0, "edited.jpg"); }, stall);
  std::vector<std::size_t> spread;
  for (std::size_t row = 0; row < model->Rows().size(); row += model->Rows().size() / 1000) {
    spread.push_back(row);
  }
  times.Remove += TimedCommand(
      window,
      [&] {
        nalo::SelectRows(window.ListView1, spread);
        window.Menu_DeleteClick();
      },
      stall);
}

void BM_ConfirmationWindow(benchmark::State& state) {
  MakeFolder();
  nalo::TMainWindowOptions options;
  options.SettingsFolder = SettingsPath();
  nalo::TFMainFrm main_window(options);
  main_window.resize(1200, 800);
  main_window.show();
  main_window.ListFolder(QString::fromStdString(FolderPath()));
  QApplication::processEvents();
  if (main_window.Entries().Count() != static_cast<std::size_t>(GuiFileCount())) {
    state.SkipWithError("the window did not list the folder");
    return;
  }
  nalo::TQtMessenger messenger;
  nalo::TResultFormSettings geometry;
  double rule_sum = 0, check_sum = 0, table_sum = 0, window_sum = 0, self_check_sum = 0;
  double open_stall = 0;
  TCommandTimes commands;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    nalo::TRuleResult result =
        nalo::RunReplaceRule(nalo::TRuleContext(main_window.Entries()), PhotoToPic());
    const double rule = SecondsSince(start);
    if (result.Rows.size() != static_cast<std::size_t>(GuiFileCount())) {
      state.SkipWithError("the rule did not make a row per file");
      break;
    }
    start = std::chrono::steady_clock::now();
    std::vector<nalo::TRowClash> clashes = nalo::PreviewClashes(result.Rows, main_window.Entries());
    const double check = SecondsSince(start);
    const double table = PlainTableSeconds();

    start = std::chrono::steady_clock::now();
    {
      nalo::TFresult checking(
          result.Rows,
          nalo::TResultEnv{&messenger, std::string(), &geometry, &main_window.Entries()},
          &main_window);
      checking.ListView1->setFont(main_window.ListView1->font());
      ShowAndWaitForPaint(&checking, checking.ListView1);
    }
    self_check_sum += SecondsSince(start);
    QApplication::processEvents();

    TStallWatch stalls;
    stalls.Start();
    start = std::chrono::steady_clock::now();
    auto window = std::make_unique<nalo::TFresult>(
        result.Rows,
        nalo::TResultEnv{&messenger, std::string(), &geometry, &main_window.Entries(),
                         std::move(clashes)},
        &main_window);
    window->ListView1->setFont(main_window.ListView1->font());
    ShowAndWaitForPaint(window.get(), window->ListView1);
    const double shown = SecondsSince(start);
    open_stall = std::max(open_stall, stalls.Stop());
    if (window->CountText().isEmpty()) state.SkipWithError("no count text");
    TimeCommands(*window, commands);
    window->close();
    window.reset();
    QApplication::processEvents();

    rule_sum += rule;
    check_sum += check;
    table_sum += table;
    window_sum += shown;
    state.SetIterationTime(shown);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["rule_run_ms"] = rule_sum / n * 1e3;
  state.counters["clash_check_ms"] = check_sum / n * 1e3;
  state.counters["table_ms"] = table_sum / n * 1e3;
  state.counters["window_ms"] = window_sum / n * 1e3;
  state.counters["check_per_rule_run"] = check_sum / rule_sum;
  state.counters["window_per_table"] = window_sum / table_sum;
  state.counters["self_check_ms"] = self_check_sum / n * 1e3;
  state.counters["open_stall_ms"] = open_stall * 1e3;
  state.counters["command_stall_ms"] = commands.LongestStall * 1e3;
  state.counters["select_all_ms"] = commands.SelectAll / n * 1e3;
  state.counters["sort_ms"] = commands.Sort / n * 1e3;
  state.counters["edit_ms"] = commands.Edit / n * 1e3;
  state.counters["remove_ms"] = commands.Remove / n * 1e3;
}

}  // namespace

int main(int argc, char** argv) {
  nalo::bench::RunGuiBenchmark(argc, argv, "ConfirmationWindow/flat", BM_ConfirmationWindow);
  return 0;
}
