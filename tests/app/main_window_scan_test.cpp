// Listings and rule runs on the worker: a scan cancelled while its re-scan
// question is answered (from F5, from the watcher, from a mode switch) keeps the
// list, its undo and the mode that were shown, and says so in the status bar; a
// cancelled rule run shows nothing and renames nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QEvent>
#include <QPushButton>
#include <functional>

#include "app/main_window_fixture.h"
#include "execution/gui/fbatch_progress.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/yes_no_dialog_ex.h"

namespace nalo::test {
namespace {

class MainWindowScanTest : public TMainWindowFixture {
 protected:
  // Lists a_1.txt and b_1.txt and renames them to a-1.txt and b-1.txt.
  std::unique_ptr<TFMainFrm> OpenRenamed() {
    MakeItems(Data(), {"a_1.txt", "b_1.txt"});
    auto w = Open(Data());
    SetStringRule(*w, "_", "-");
    ApproveRows({});
    w->btn_ActionClick();
    EXPECT_TRUE(w->btn_Return->isEnabled());
    return w;
  }
  // The re-scan question cancels the scan it comes before (the worker then finds
  // the cancel at its first entry) and answers yes.
  void CancelAtTheQuestion(TFMainFrm& w) {
    auto cancel = [&w] {
      auto* progress = w.findChild<TFBatchProgress*>();
      ASSERT_NE(progress, nullptr);
      progress->RequestCancel();
    };
    messenger_.OnYesNo = cancel;
    messenger_.OnExec = [cancel](QDialog& d) {
      if (qobject_cast<TFYesNoDialogEx*>(&d) != nullptr) cancel();
      return static_cast<int>(QDialog::Accepted);
    };
  }
};

struct TCancelCase {
  const char* name;
  std::function<void(TFMainFrm&)> start_scan;
};

TEST_F(MainWindowScanTest, ACancelledScanKeepsTheListItsUndoAndItsMode) {
  const TCancelCase cases[] = {
      {"F5", [](TFMainFrm& w) { w.R1Click(); }},
      {"watcher", [](TFMainFrm& w) { emit w.findChild<TDirWatchBridge*>()->Changed(QString()); }},
      {"mode switch", [](TFMainFrm& w) { w.Folder1Click(); }},
  };
  for (const TCancelCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = OpenRenamed();
    const std::string folder = w->State().CurrentFolder;
    CancelAtTheQuestion(*w);
    c.start_scan(*w);
    ASSERT_EQ(w->Entries().Count(), 2u);
    EXPECT_EQ(w->Entries().EntryAt(0).Name, "a-1.txt");
    EXPECT_EQ(w->Entries().EntryAt(0).State, kStateRenamed);
    EXPECT_EQ(w->ListView1->model()->rowCount(), 2);
    EXPECT_EQ(w->State().CurrentFolder, folder);
    EXPECT_TRUE(w->FilesMode());
    EXPECT_TRUE(w->btn_Return->isEnabled()) << "the kept batch can still be undone";
    EXPECT_TRUE(w->btn_Action->isEnabled());
    EXPECT_TRUE(w->Panel4->isEnabled());
    EXPECT_TRUE(w->Panel1Text().contains(QStringLiteral("キャンセル")));

    messenger_.OnYesNo = nullptr;
    ApproveRows({});
    w->btn_ReturnClick();
    EXPECT_EQ(w->Entries().EntryAt(0).Name, "a_1.txt");
    EXPECT_TRUE(QFileInfo::exists(QDir(Data()).filePath("a_1.txt")));
    w.reset();
    QDir(Data()).removeRecursively();
    QDir().mkpath(Data());
  }
}

// F5 while a listing is under way (here while its question is open) starts no
// second listing inside it.
TEST_F(MainWindowScanTest, F5DuringAListingStartsNoOther) {
  auto w = OpenRenamed();
  int questions = 0;
  messenger_.OnYesNo = [&] {
    ++questions;
    w->R1Click();
  };
  w->R1Click();
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(w->Entries().Count(), 2u);
  EXPECT_EQ(w->Entries().EntryAt(0).State, kStateUntouched) << "the one listing ran";
  EXPECT_TRUE(w->btn_Action->isEnabled());
}

// A close asked for while a scan runs (a window manager's close before the
// progress window appeared) cancels the scan and closes the window after it.
TEST_F(MainWindowScanTest, ACloseDuringAScanWaitsForIt) {
  auto w = OpenRenamed();
  messenger_.OnYesNo = [&w] { w->close(); };
  w->R1Click();
  EXPECT_EQ(w->Entries().EntryAt(0).Name, "a-1.txt");
  EXPECT_TRUE(w->isVisible()) << "the close is queued until the worker ended";
  QApplication::processEvents();
  EXPECT_FALSE(w->isVisible());
}

// Cancels the running work when the run bracket disables the action button,
// before the rule's walk reaches its first entry.
class TCancelAtRunStart : public QObject {
 public:
  explicit TCancelAtRunStart(TFMainFrm& w) : w_(w) { w.btn_Action->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    auto* progress = w_.findChild<TFBatchProgress*>();
    if (event->type() == QEvent::EnabledChange && !w_.btn_Action->isEnabled() && progress) {
      progress->RequestCancel();
      ++cancels;
    }
    return false;
  }
  int cancels = 0;

 private:
  TFMainFrm& w_;
};

TEST_F(MainWindowScanTest, ACancelledRuleRunShowsNothingAndRenamesNothing) {
  MakeItems(Data(), {"a_1.txt", "b_1.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "_", "-");
  int windows = 0;
  messenger_.OnExec = [&windows](QDialog&) {
    ++windows;
    return static_cast<int>(QDialog::Accepted);
  };
  TCancelAtRunStart cancel(*w);
  w->btn_ActionClick();
  EXPECT_EQ(cancel.cancels, 1);
  EXPECT_EQ(windows, 0);
  EXPECT_TRUE(messenger_.Messages.empty());
  EXPECT_TRUE(QFileInfo::exists(QDir(Data()).filePath("a_1.txt")));
  EXPECT_EQ(w->Entries().EntryAt(0).State, kStateUntouched);
  EXPECT_TRUE(w->btn_Action->isEnabled());
}

}  // namespace
}  // namespace nalo::test
