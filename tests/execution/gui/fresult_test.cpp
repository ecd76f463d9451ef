// The confirmation window on its own: count texts, removing rows, sorting with
// equal names, copying lists, saving a list and keeping its geometry.
#include "execution/gui/fresult.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>

#include "app/gui_test_support.h"
#include "execution/gui/changed_part_delegate.h"
#include "execution/gui/fcsv_save.h"
#include "execution/gui/result_model.h"
#include "listing/list_folder.h"
#include "settings/ini_file.h"
#include "settings/result_form_settings.h"
#include "settings/settings_folder.h"
#include "support/entries_of.h"
#include "ui/selection.h"

namespace nalo::test {
namespace {

using nalo::testing::EntriesOf;

class FresultTest : public ::testing::Test {
 protected:
  void SetUp() override { App(); }
  TResultEnv Env() {
    return TResultEnv{&messenger_, dir_.path().toStdString(), &geometry_, &entries_};
  }
  // n rows renaming f<i>.txt in /d to g<i>.txt, with their entries.
  TConfirmationList Rows(int n) {
    entries_ = TEntryList();
    TConfirmationList rows;
    for (int i = 0; i < n; ++i) {
      TListData e;
      e.Name = "f" + std::to_string(i) + ".txt";
      e.Location = "/d/";
      entries_.Add(e);
      rows.push_back({static_cast<std::uint32_t>(i), false, "g" + std::to_string(i) + ".txt"});
    }
    return rows;
  }
  std::string OldName(const TConfirmationRow& row) const {
    return std::string(RowOldName(entries_, row));
  }
  void ExpectProblemMarks(const std::string& folder, const TEntryList& entries);

  TEntryList entries_;
  QTemporaryDir dir_;
  TFakeMessenger messenger_;
  TResultFormSettings geometry_;
};

TEST_F(FresultTest, CountTextFollowsTheSelection) {
  TConfirmationList rows = Rows(12);
  TFresult window(rows, Env());
  EXPECT_EQ(window.CountText(), QStringLiteral("対象ファイル数：12個 (全て)"));
  SelectRows(window.ListView1, {1, 4, 7});
  EXPECT_EQ(window.CountText(), QStringLiteral("対象ファイル数：3個/12個"));
  EXPECT_EQ(window.SelectedRows(), (std::vector<std::size_t>{1, 4, 7}));
}

TEST_F(FresultTest, RemovedRowsAreNotApplied) {
  TConfirmationList rows = Rows(4);
  TFresult window(rows, Env());
  SelectRows(window.ListView1, {0, 2});
  window.Menu_DeleteClick();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(OldName(rows[0]), "f1.txt");
  EXPECT_EQ(OldName(rows[1]), "f3.txt");
  EXPECT_EQ(window.CountText(), QStringLiteral("対象ファイル数：2個 (全て)"));
}

// Rows above, below and past the top one go; the list stays on the row it showed.
TEST_F(FresultTest, RemovingRowsKeepsTheTopRowInPlace) {
  TConfirmationList rows = Rows(200);
  TFresult window(rows, Env());
  window.resize(400, 300);
  window.show();
  window.ListView1->scrollTo(window.ListView1->model()->index(100, 0),
                             QAbstractItemView::PositionAtTop);
  ASSERT_EQ(window.ListView1->rowAt(0), 100);
  SelectRows(window.ListView1, {10, 20, 101, 150});
  window.Menu_DeleteClick();
  ASSERT_EQ(rows.size(), 196u);
  EXPECT_EQ(OldName(rows[98]), "f100.txt");
  EXPECT_EQ(OldName(rows[99]), "f102.txt");
  EXPECT_EQ(window.ListView1->rowAt(0), 98);
}

TEST_F(FresultTest, SortingKeepsTheSelectionOnItsRowsAndToleratesEqualNames) {
  entries_ = EntriesOf({{"/x/", "b.txt"}, {"/y/", "a.txt"}, {"/z/", "A.txt"}});
  TConfirmationList rows = {{0, false, "1"}, {1, false, "2"}, {2, false, "3"}};
  TFresult window(rows, Env());
  SelectRows(window.ListView1, {0});
  window.ListView1ColumnClick(0);  // a first click on the sort column flips it: ascending
  EXPECT_EQ(OldName(rows[2]), "b.txt");
  EXPECT_EQ(window.SelectedRows(), (std::vector<std::size_t>{2}));
  window.ListView1ColumnClick(2);  // folder, ascending
  EXPECT_EQ(RowFolder(entries_, rows[0]), "/x");
  window.ListView1ColumnClick(2);
  EXPECT_EQ(RowFolder(entries_, rows[0]), "/z");
  EXPECT_EQ(window.SelectedRows(), (std::vector<std::size_t>{2}));
}

// A long list is sorted and checked on a worker: the selection stays on its row,
// the later row of a pair onto one name is the one marked in either direction, and
// the window is left without its progress window and paints again afterwards.
TEST_F(FresultTest, ALongListIsSortedAndCheckedOnAWorker) {
  TConfirmationList rows = Rows(60000);
  rows[5].NewName = rows[7].NewName;
  TFresult window(rows, Env());
  window.show();
  SelectRows(window.ListView1, {5});
  const auto place = [&](const std::string& name) {
    return static_cast<int>(
        std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return OldName(r) == name; }) -
        rows.begin());
  };
  const auto problem = [&](int r) {
    return window.ListView1->model()->index(r, kProblemColumn).data().toString();
  };
  for (const bool ascending : {true, false}) {
    SCOPED_TRACE(ascending ? "ascending" : "descending");
    window.ListView1ColumnClick(kOldNameColumn);
    ASSERT_EQ(rows.size(), 60000u);
    const int five = place("f5.txt"), seven = place("f7.txt");
    EXPECT_EQ(ascending, five < seven);
    EXPECT_EQ(window.SelectedRows(), (std::vector<std::size_t>{static_cast<std::size_t>(five)}));
    EXPECT_EQ(problem(std::max(five, seven)), QStringLiteral("名前が重複"));
    EXPECT_EQ(problem(std::min(five, seven)), QString());
    EXPECT_EQ(window.Label2->text(), QStringLiteral("問題のある行：1個"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the progress window is gone";
    EXPECT_TRUE(window.ListView1->updatesEnabled());
  }
}

// With the saved widths of a first start, the problem column is cut off at the
// window's edge; rows that will fail make the other columns give way, rows that
// will not leave the widths as saved.
TEST_F(FresultTest, TheProblemColumnIsReadableWhenRowsWillFail) {
  for (const bool problems : {true, false}) {
    SCOPED_TRACE(problems ? "problems" : "none");
    TConfirmationList rows = Rows(3);
    if (problems) rows[1].NewName = rows[0].NewName;
    TFresult window(rows, Env());
    window.show();
    QTableView* list = window.ListView1;
    const int problem_left = list->columnViewportPosition(kProblemColumn);
    const int text =
        list->fontMetrics().horizontalAdvance(TResultModel::ProblemText(TRowClash::kDuplicate));
    if (problems) {
      EXPECT_LE(problem_left + text, list->viewport()->width());
      EXPECT_EQ(list->columnWidth(kOldNameColumn), geometry_.ColumnWidths[kOldNameColumn]);
    } else {
      for (int c = 0; c < kProblemColumn; ++c) {
        EXPECT_EQ(list->columnWidth(c), geometry_.ColumnWidths[c]) << c;
      }
    }
  }
}

TEST_F(FresultTest, CopiesTheSelectedNewNamesWithCrLf) {
  TConfirmationList rows = Rows(5);
  TFresult window(rows, Env());
  SelectRows(window.ListView1, {0, 1, 3});
  window.ClipClick(2);
  EXPECT_EQ(QApplication::clipboard()->text(), "g0.txt\r\ng1.txt\r\ng3.txt\r\n");
  window.ListView1->clearSelection();
  window.ClipClick(1);
  EXPECT_EQ(QApplication::clipboard()->text().count("\r\n"), 5);
  EXPECT_EQ(messenger_.Beeps, 2);
}

TEST_F(FresultTest, SavesTheChosenListAndRemembersWhere) {
  TConfirmationList rows = Rows(3);
  entries_.EntryAt(1).Name.clear();  // empty values are skipped
  TFresult window(rows, Env());
  const QString path = dir_.filePath("saved.txt");
  messenger_.SavePath = path;
  messenger_.OnExec = [](QDialog& d) {
    auto* choice = qobject_cast<TFCsvSave*>(&d);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("リストを保存する - 3アイテム"));
    if (choice != nullptr) choice->SetChoice(0);
    return static_cast<int>(QDialog::Accepted);
  };
  window.SaveAs1Click();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("f0.txt\r\nf2.txt\r\n"));
  const TIniFile ini(MainSettingsPath(dir_.path().toStdString()));
  EXPECT_EQ(ini.ReadString("ListSave", "Name", ""), "saved.txt");
}

TEST_F(FresultTest, ASaveThatCannotBeWrittenIsReportedAndNotRemembered) {
  TConfirmationList rows = Rows(1);
  TFresult window(rows, Env());
  messenger_.SavePath = dir_.filePath("no/such/folder/list.txt");
  messenger_.OnExec = [](QDialog&) { return static_cast<int>(QDialog::Accepted); };
  window.SaveAs1Click();
  EXPECT_EQ(messenger_.TextsOf("error").size(), 1u);
  const TIniFile ini(MainSettingsPath(dir_.path().toStdString()));
  EXPECT_FALSE(ini.ReadRaw("ListSave", "Name").has_value());
}

TEST_F(FresultTest, NothingToSaveIsSaid) {
  TConfirmationList rows;
  TFresult window(rows, Env());
  window.SaveAs1Click();
  ASSERT_EQ(messenger_.TextsOf("info").size(), 1u);
  EXPECT_EQ(messenger_.TextsOf("info")[0], QStringLiteral("保存対象アイテムが0個です。"));
}

// Enter on the list edits the one selected row; with no row or several selected
// it presses the default button. The list's keys work without the menu having
// been opened, as soon as the selection allows them.
TEST_F(FresultTest, EnterEditsTheOneSelectedRowAndKeysFollowTheSelection) {
  TConfirmationList rows = Rows(4);
  TFresult window(rows, Env());
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.ListView1->setFocus();
  QString asked;
  messenger_.OnExec = [&asked](QDialog& d) {
    asked = d.windowTitle();
    if (auto* edit = d.findChild<QLineEdit*>()) edit->setText("edited.txt");
    return static_cast<int>(QDialog::Accepted);
  };
  SelectRows(window.ListView1, {2});
  QTest::keyClick(window.ListView1, Qt::Key_Return);
  EXPECT_EQ(asked, QStringLiteral("編集"));
  EXPECT_EQ(rows[2].NewName, "edited.txt");
  EXPECT_EQ(window.result(), 0);
  EXPECT_TRUE(window.isVisible());

  window.ListView1->clearSelection();
  emit window.ListView1->customContextMenuRequested(QPoint(1, 1));  // opened with nothing selected
  window.PopupMenu1->close();
  SelectRows(window.ListView1, {0});
  QTest::keyClick(window.ListView1, Qt::Key_Delete);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(OldName(rows[0]), "f1.txt");

  window.ListView1->clearSelection();
  QTest::keyClick(window.ListView1, Qt::Key_Return);
  EXPECT_EQ(window.result(), static_cast<int>(QDialog::Accepted));
}

// Rows that would fail are marked with the core's verdict and counted beside the
// count text; the marks follow edits and removals.
// The entries of `folder` as the main window lists them, with every name kept.
TEntryList Listed(const std::string& folder) {
  TListFolderRequest request;
  request.Folder = folder;
  TTabStatus_Search search;
  search.ExtMask = "*.txt";
  TListingState state;
  TEntryList entries;
  ListFolder(request, search, state, entries);
  return entries;
}

// The same marks whether targets are looked at on the disk or answered from the
// names the scan kept (taken.jpg is masked out of the list, yet it is taken).
TEST_F(FresultTest, RowsThatWouldFailAreMarkedAndCounted) {
  const std::string folder = dir_.path().toStdString();
  MakeItems(dir_.path(), {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt", "taken.jpg"});
  const TEntryList scanned = Listed(folder);
  ASSERT_EQ(scanned.Count(), 5u);
  std::vector<std::pair<std::string, std::string>> unscanned;  // entries without the scan's names
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"})
    unscanned.emplace_back(folder + "/", name);
  const TEntryList plain = EntriesOf(unscanned);
  for (const TEntryList* source : {&plain, &scanned}) {
    SCOPED_TRACE(source == &scanned ? "scanned names" : "disk");
    ExpectProblemMarks(folder, *source);
  }
}

void FresultTest::ExpectProblemMarks(const std::string& folder, const TEntryList& entries) {
  const auto row = [&](const std::string& from, const std::string& to) {
    std::uint32_t index = 0;
    while (index < entries.Count() && entries.EntryAt(index).FullPath() != folder + "/" + from)
      ++index;
    return TConfirmationRow{index, false, to};
  };
  TConfirmationList rows = {row("a.txt", "taken.jpg"), row("b.txt", "same.txt"),
                            row("c.txt", "same.txt"), row("d.txt", ".."),
                            row("e.txt", std::string(300, 'x'))};
  TResultEnv env = Env();
  env.Scanned = &entries;
  TFresult window(rows, env);
  const auto problem = [&](int r) {
    return window.ListView1->model()->index(r, kProblemColumn).data().toString();
  };
  EXPECT_EQ(problem(0), QStringLiteral("同名の項目あり"));
  EXPECT_EQ(problem(1), QString());
  EXPECT_EQ(problem(2), QStringLiteral("名前が重複"));
  EXPECT_EQ(problem(3), QStringLiteral("使えない名前"));
  EXPECT_EQ(problem(4), QStringLiteral("名前が長すぎる"));
  EXPECT_EQ(window.Label2->text(), QStringLiteral("問題のある行：4個"));

  SelectRows(window.ListView1, {1});
  window.Menu_DeleteClick();  // c.txt is then the only row onto same.txt
  EXPECT_EQ(problem(1), QString());
  messenger_.OnExec = [](QDialog& d) {
    if (auto* edit = d.findChild<QLineEdit*>()) edit->setText("free.txt");
    return static_cast<int>(QDialog::Accepted);
  };
  SelectRows(window.ListView1, {0});
  window.mnu_FnameModifClick();
  EXPECT_EQ(problem(0), QString());
  EXPECT_EQ(window.Label2->text(), QStringLiteral("問題のある行：2個"));
}

// A double-click edits one row; the rows the user had selected (which decide what
// is applied) are selected again afterwards.
TEST_F(FresultTest, EditingByDoubleClickKeepsTheUsersSelection) {
  TConfirmationList rows = Rows(5);
  TFresult window(rows, Env());
  window.show();
  SelectRows(window.ListView1, {0, 4});
  messenger_.OnExec = [](QDialog& d) {
    if (auto* edit = d.findChild<QLineEdit*>()) edit->setText("edited.txt");
    return static_cast<int>(QDialog::Accepted);
  };
  const QRect cell = window.ListView1->visualRect(window.ListView1->model()->index(3, 1));
  // What a widget receives from a double-click: press, release, double-click, release.
  QWidget* viewport = window.ListView1->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, {}, cell.center());
  QMouseEvent twice(QEvent::MouseButtonDblClick, cell.center(),
                    viewport->mapToGlobal(cell.center()), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(viewport, &twice);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(rows[3].NewName, "edited.txt");
  EXPECT_EQ(window.SelectedRows(), (std::vector<std::size_t>{0, 4}));
}

TEST(ChangedPart, IsWhatLiesBetweenTheCommonStartAndEnd) {
  struct {
    QString before, after;
    int start, length;
  } cases[] = {
      {"a_1.txt", "a-1.txt", 1, 1},
      {"photo.jpg", "2024 photo.jpg", 0, 5},
      {"photo.jpg", "photo.JPG", 6, 3},
      {"same.txt", "same.txt", 8, 0},
      {"aaa", "aa", 2, 0},  // the end does not overlap the start
      {QString::fromUtf8("x\xF0\x9F\x98\x80"), QString::fromUtf8("x\xF0\x9F\x98\x81"), 1, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChangedPart(c.before, c.after), std::make_pair(c.start, c.length))
        << c.after.toStdString();
  }
}

TEST_F(FresultTest, ClosingWritesTheGeometry) {
  TConfirmationList rows = Rows(1);
  {
    TFresult window(rows, Env());
    window.resize(700, 300);
    window.ListView1->setColumnWidth(0, 123);
    window.reject();
  }
  EXPECT_EQ(geometry_.Bounds.Width, 700);
  EXPECT_EQ(geometry_.ColumnWidths[0], 123);
  const TIniFile ini(MainSettingsPath(dir_.path().toStdString()));
  EXPECT_EQ(ReadResultForm(ini), geometry_);
}

}  // namespace
}  // namespace nalo::test
