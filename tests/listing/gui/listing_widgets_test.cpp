// The entry list model, the progress window's cancel button and the watcher's
// quiet delay on the event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include "app/gui_test_support.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/entry_list_model.h"
#include "platform/encoding.h"

namespace nalo::test {
namespace {

// Runs the event loop until `done` or `ms` milliseconds have passed.
template <typename F>
bool RunEventsUntil(F done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

TListData Entry(const std::string& name, std::int32_t state) {
  TListData e;
  e.Name = name;
  e.Size = 1024;
  e.Location = "/d/";
  e.State = state;
  return e;
}

TEST(EntryListModel, ReadsCellsFromTheEntriesWithinBounds) {
  App();
  TEntryList entries;
  entries.Add(Entry(*Utf8ToCp932("表.txt"), kStateUntouched));
  entries.Add(Entry("b.txt", kStateFailed));
  TEntryListModel model(entries);
  EXPECT_EQ(model.rowCount(), 0);  // nothing is shown before the first reset
  model.Reset();
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("表.txt"));
  EXPECT_EQ(model.index(0, 1).data().toString(), "1,024");
  EXPECT_EQ(model.index(0, 3).data().toString(), "/d/");
  EXPECT_FALSE(model.index(0, 0).data(Qt::DecorationRole).isValid());
  EXPECT_TRUE(model.index(1, 0).data(Qt::DecorationRole).isValid());
  entries.ClearEntries();  // a view asking during a rebuild gets nothing
  EXPECT_FALSE(model.index(1, 0).data().isValid());
  model.ShowNothing();
  EXPECT_EQ(model.rowCount(), 0);
}

TEST(DirWatchBridge, ABurstOfChangesGivesOneReportAfterTheQuietDelay) {
  App();
  QTemporaryDir dir;
  TDirWatchBridge watcher;
  watcher.SetDelayTime(300);
  int reports = 0;
  QObject::connect(&watcher, &TDirWatchBridge::Changed, [&reports] { ++reports; });
  watcher.Watch(dir.path().toStdString(), true);
  ASSERT_TRUE(watcher.Watching());
  MakeItems(dir.path(), {"a.txt", "b.txt", "c.txt"});
  ASSERT_TRUE(RunEventsUntil([&] { return reports > 0; }, 5000));
  RunEventsUntil([] { return false; }, 600);
  EXPECT_EQ(reports, 1);

  watcher.SetEnabled(false);  // the program's own changes are not reported
  EXPECT_FALSE(watcher.Watching());
  MakeItems(dir.path(), {"d.txt"});
  watcher.SetEnabled(true);
  EXPECT_FALSE(RunEventsUntil([&] { return reports > 1; }, 800));
}

// Folders differing in letter case are two folders; a listing without its
// sub-folders is not disturbed by writes below it.
TEST(DirWatchBridge, WatchesTheFolderOfExactlyThatCaseAndNoSubFoldersUnlessAsked) {
  App();
  QTemporaryDir dir;
  MakeItems(dir.path(), {"abc/sub/", "Abc/"});
  TDirWatchBridge watcher;
  watcher.SetDelayTime(50);
  QStringList reports;
  QObject::connect(&watcher, &TDirWatchBridge::Changed,
                   [&reports](const QString& folder) { reports.push_back(folder); });
  const QString lower = dir.filePath("abc");
  const QString upper = dir.filePath("Abc");
  watcher.Watch(lower.toStdString(), false);
  watcher.Watch(upper.toStdString(), false);
  MakeItems(upper, {"new.txt"});
  ASSERT_TRUE(RunEventsUntil([&] { return !reports.empty(); }, 5000));
  EXPECT_EQ(reports.front(), upper);

  reports.clear();
  watcher.Watch(lower.toStdString(), false);
  MakeItems(lower + "/sub", {"deep.txt"});
  EXPECT_FALSE(RunEventsUntil([&] { return !reports.empty(); }, 500));
  watcher.Watch(lower.toStdString(), true);
  MakeItems(lower + "/sub", {"deeper.txt"});
  EXPECT_TRUE(RunEventsUntil([&] { return !reports.empty(); }, 5000));
}

}  // namespace
}  // namespace nalo::test
