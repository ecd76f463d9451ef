// The main window under keys, focus changes and watcher reports: the folder box
// lists only when asked, a report during a scan leaves the window usable, the
// list's keys follow the selection and a cancelled delete keeps it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/main_window_fixture.h"
#include "execution/gui/fbatch_progress.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/yes_no_dialog_ex.h"
#include "settings/ini_file.h"

namespace nalo::test {
namespace {

class MainWindowInputTest : public TMainWindowFixture {
 protected:
  std::unique_ptr<TFMainFrm> OpenActive(const QString& folder) {
    auto w = Open(folder);
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    return w;
  }
  static void FocusIntoAndOutOfTheFolderBox(TFMainFrm& w) {
    w.cmb_Path->lineEdit()->setFocus();
    w.ListView1->setFocus();
  }
  // The key goes where the window system sends it: to the focus widget, which is
  // the combo box itself (its edit box hands the focus on to it).
  static void EnterInTheFolderBox(TFMainFrm& w, const QString& text) {
    w.cmb_Path->lineEdit()->setFocus();
    w.cmb_Path->setEditText(text);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
};

TEST_F(MainWindowInputTest, FolderBoxListsOnlyWhenAskedAndOnceAnEnter) {
  MakeItems(Data(), {"a_1.txt", "b_1.txt"});
  auto w = OpenActive(Data());
  w->SelectEntries({0});
  w->menu_DelClick();
  FocusIntoAndOutOfTheFolderBox(*w);
  EXPECT_EQ(w->Entries().Count(), 1u) << "a focus loss does not list again";

  SetStringRule(*w, "_", "-");
  ApproveRows({});
  w->btn_ActionClick();
  ASSERT_TRUE(w->btn_Return->isEnabled());
  FocusIntoAndOutOfTheFolderBox(*w);
  EXPECT_TRUE(messenger_.TextsOf("yesno").empty());

  messenger_.YesNoAnswers = {false};
  EnterInTheFolderBox(*w, w->cmb_Path->currentText());
  EXPECT_EQ(messenger_.TextsOf("yesno").size(), 1u) << "one Enter, one question";
  EXPECT_EQ(w->Entries().EntryAt(0).State, kStateRenamed);
  EXPECT_TRUE(w->btn_Return->isEnabled());
}

TEST_F(MainWindowInputTest, EnterListsATypedFolderOrListsTheCurrentOneAgain) {
  MakeItems(Data(), {"one/", "two/", "one/x.txt", "two/y.txt", "two/z.txt"});
  const QString two = QDir(Data()).filePath("two");
  auto w = OpenActive(QDir(Data()).filePath("one"));
  EnterInTheFolderBox(*w, two + "/");
  EXPECT_EQ(w->State().CurrentFolder, two.toStdString());
  ASSERT_EQ(w->Entries().Count(), 2u);

  w->SelectEntries({0});
  w->menu_DelClick();
  EnterInTheFolderBox(*w, QDir(Data()).filePath("no such folder"));
  EXPECT_EQ(w->State().CurrentFolder, two.toStdString());
  EXPECT_EQ(w->Entries().Count(), 2u);

  // A folder chosen in the drop-down list is listed.
  const QString one = QDir(Data()).filePath("one");
  w->cmb_Path->showPopup();
  QAbstractItemView* list = w->cmb_Path->view();
  list->setCurrentIndex(list->model()->index(w->cmb_Path->findText(one), 0));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(w->State().CurrentFolder, one.toStdString());
}

// A report arriving while a sub-folder scan pumps its events neither nests a
// second listing nor leaves the buttons and the exclusion panel off.
TEST_F(MainWindowInputTest, AWatcherReportDuringAScanLeavesTheWindowUsable) {
  TIniFile ini(IniPath());
  ini.WriteBool("SearchOption", "SubFolder", true);
  ini.Save();
  MakeItems(Data(), {"s/", "s/a.txt", "b.txt"});
  auto w = Open(Data());
  int prompts = 0;
  messenger_.OnExec = [&prompts](QDialog& d) {
    if (qobject_cast<TFYesNoDialogEx*>(&d) != nullptr) ++prompts;
    return static_cast<int>(QDialog::Accepted);
  };
  auto* watcher = w->findChild<TDirWatchBridge*>();
  ASSERT_NE(watcher, nullptr);
  QTimer::singleShot(0, watcher, [watcher] { emit watcher->Changed(QString()); });
  w->R1Click();
  EXPECT_EQ(prompts, 0);
  EXPECT_EQ(w->Entries().Count(), 2u);
  EXPECT_TRUE(w->btn_Action->isEnabled());
  EXPECT_TRUE(w->Panel4->isEnabled());
  EXPECT_TRUE(w->TabControl1->isEnabled());
}

// Runs a call when a widget receives an event of one type.
class TEventHook : public QObject {
 public:
  TEventHook(QObject* target, QEvent::Type type, std::function<void()> call)
      : type_(type), call_(std::move(call)) {
    target->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_) call_();
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void()> call_;
};

// Another program writing into the folder while the scan runs (after the scan
// read that part) is asked about once the scan has ended, not dropped.
TEST_F(MainWindowInputTest, AWatcherReportDuringTheScanIsAskedAboutAfterIt) {
  MakeItems(Data(), {"a.txt"});
  auto w = Open(Data());
  int prompts = 0;
  bool asked_during_run = false;
  messenger_.OnExec = [&](QDialog& d) {
    if (qobject_cast<TFYesNoDialogEx*>(&d) == nullptr) return static_cast<int>(QDialog::Rejected);
    ++prompts;
    asked_during_run = !w->TabControl1->isEnabled();
    return static_cast<int>(QDialog::Rejected);
  };
  auto* watcher = w->findChild<TDirWatchBridge*>();
  ASSERT_NE(watcher, nullptr);
  const TEventHook report_in_scan(w->TabControl1, QEvent::EnabledChange, [&] {
    if (!w->TabControl1->isEnabled()) emit watcher->Changed(QString());
  });
  w->R1Click();
  EXPECT_EQ(prompts, 0) << "nothing asked over the scan";
  QCoreApplication::processEvents();
  EXPECT_EQ(prompts, 1);
  EXPECT_FALSE(asked_during_run);
  EXPECT_TRUE(w->btn_Action->isEnabled());
  EXPECT_TRUE(w->Panel4->isEnabled());
}

TEST_F(MainWindowInputTest, ListKeysFollowTheSelectionAfterAnEmptyMenu) {
  MakeItems(Data(), {"a.txt", "b.txt", "c.txt"});
  auto w = OpenActive(Data());
  w->ListView1->setFocus();
  emit w->ListView1->customContextMenuRequested(QPoint(1, 1));
  w->pm_Main->close();
  w->SelectEntries({1});
  QTest::keyClick(w->ListView1, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("b.txt"));
  QTest::keyClick(w->ListView1, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(w->Entries().Count(), 2u);
}

// Typing finds by the start of the name in any letter case, whichever column
// holds the current cell.
TEST_F(MainWindowInputTest, TypingFindsByTheNameFromAnyColumn) {
  MakeItems(Data(), {"abc.txt", "Abd.txt", "xyz.txt"});
  auto w = OpenActive(Data());
  w->ListView1->setFocus();
  w->ListView1->setCurrentIndex(w->ListView1->model()->index(2, 3));
  QTest::keyClicks(w->ListView1, "ABD");
  EXPECT_EQ(w->SelectedEntries(), (std::vector<std::size_t>{1}));
  EXPECT_EQ(w->ListView1->currentIndex().row(), 1);
}

// A header click moves the rows; the selection and the current row stay on the
// same files, and the header shows the sort.
TEST_F(MainWindowInputTest, AHeaderClickKeepsTheSelectionOnTheSameFiles) {
  MakeItems(Data(), {"a.txt", "bb.txt", "ccc.txt"});
  QFile(QDir(Data()).filePath("a.txt")).resize(300);
  auto w = Open(Data());
  w->ListView1->setCurrentIndex(w->ListView1->model()->index(0, 0));  // a.txt, the largest
  w->ListView1ColumnClick(1);  // by size, ascending: a.txt last
  ASSERT_EQ(w->Entries().EntryAt(2).Name, "a.txt");
  EXPECT_EQ(w->SelectedEntries(), (std::vector<std::size_t>{2}));
  EXPECT_EQ(w->ListView1->currentIndex().row(), 2);
  EXPECT_TRUE(w->ListView1->horizontalHeader()->isSortIndicatorShown());
  EXPECT_EQ(w->ListView1->horizontalHeader()->sortIndicatorSection(), 1);
}

TEST_F(MainWindowInputTest, AVanishedFolderOrAMissingFileManagerIsSaid) {
  MakeItems(Data(), {"gone/", "gone/a.txt"});
  const QString gone = QDir(Data()).filePath("gone");
  auto w = Open(gone);
  ASSERT_EQ(w->Entries().Count(), 1u);
  QDir(gone).removeRecursively();
  w->R1Click();
  ASSERT_EQ(messenger_.TextsOf("warn").size(), 1u);
  EXPECT_TRUE(
      messenger_.TextsOf("warn")[0].startsWith(QStringLiteral("フォルダが見つかりません。")));
  EXPECT_EQ(w->Entries().Count(), 0u);
  EXPECT_EQ(w->ListView1->model()->rowCount(), 0);

  messenger_.FileManagerPresent = false;
  w->cmb_Path->setEditText(Data());
  w->SpeedButton1Click();
  EXPECT_EQ(messenger_.TextsOf("warn").size(), 2u);
}

// On a short screen (1920x1080 at 150 % leaves about 1280x650 for the window)
// the rule frame scrolls and the action and undo buttons stay inside the window.
TEST_F(MainWindowInputTest, TheButtonsStayInsideAShortWindow) {
  auto w = Open(Data());
  w->TabControl1->setCurrentIndex(kTabReplace);
  QApplication::processEvents();  // the start's maximised state is set once more, queued
  EXPECT_TRUE(w->isMaximized());
  w->setWindowState(Qt::WindowNoState);
  w->resize(1280, 560);
  QApplication::processEvents();
  EXPECT_LE(w->height(), 560);
  for (QWidget* button :
       {static_cast<QWidget*>(w->btn_Action), static_cast<QWidget*>(w->btn_Return)}) {
    const QPoint bottom = button->mapTo(w.get(), QPoint(0, button->height()));
    EXPECT_LE(bottom.y(), w->height()) << button->objectName().toStdString();
  }
}

// A cancel before the first move leaves every file alone and says so; nothing
// is marked failed.
TEST_F(MainWindowInputTest, ABatchCancelledAtOnceChangesNothingAndSaysSo) {
  MakeItems(Data(), {"a_1.txt", "b_1.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "_", "-");
  TFMainFrm* window = w.get();
  messenger_.OnExec = [window](QDialog&) {
    if (auto* progress = window->findChild<TFBatchProgress*>()) progress->Button1->click();
    return static_cast<int>(QDialog::Accepted);
  };
  w->btn_ActionClick();
  EXPECT_TRUE(Exists(Data(), "a_1.txt"));
  EXPECT_TRUE(Exists(Data(), "b_1.txt"));
  EXPECT_EQ(w->Entries().EntryAt(0).State, kStateUntouched);
  ASSERT_EQ(messenger_.TextsOf("info").size(), 1u);
  EXPECT_EQ(messenger_.TextsOf("info")[0],
            QStringLiteral("キャンセルしました。2個は変更していません。"));
  EXPECT_TRUE(messenger_.TextsOf("warn").empty());
}

TEST_F(MainWindowInputTest, ACancelledDeleteKeepsTheSelection) {
  MakeItems(Data(), {"a.txt", "b.txt", "c.txt"});
  auto w = Open(Data());
  w->SelectEntries({0, 2});
  messenger_.OnExec = [](QDialog&) { return static_cast<int>(QDialog::Rejected); };
  w->findChild<QAction*>("menu_Delete")->trigger();
  EXPECT_EQ(w->SelectedEntries(), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(w->Entries().Count(), 3u);
  EXPECT_TRUE(Exists(Data(), "a.txt"));
}

}  // namespace
}  // namespace nalo::test
