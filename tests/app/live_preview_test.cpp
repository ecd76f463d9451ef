// The new-name column of the main list: its rows are the confirmation window's
// rows for every rule family, a change during a run cancels that run, a clash is
// marked, and a rule's message goes to the status bar instead of a message box.
#include "app/live_preview.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>
#include <functional>
#include <utility>
#include <vector>

#include "app/main_window_fixture.h"
#include "listing/gui/entry_list_model.h"
#include "ui/qt_text.h"

namespace nalo::test {
namespace {

using TNamePairs = std::vector<std::pair<QString, QString>>;

class LivePreviewTest : public TMainWindowFixture {
 protected:
  // Waits until the preview shows the complete result of its newest run.
  static bool WaitForPreview(TLivePreview& preview) {
    quint64 newest = 0;
    bool shown = false;
    QObject guard;
    QObject::connect(&preview, &TLivePreview::Started, &guard, [&](quint64 g) {
      newest = g;
      shown = false;
    });
    QObject::connect(&preview, &TLivePreview::Shown, &guard, [&](quint64 g, bool complete) {
      if (complete && g == newest) shown = true;
    });
    QSignalSpy shows(&preview, &TLivePreview::Shown);
    while (!shown) {
      if (!shows.wait(10000)) return false;
    }
    return true;
  }

  // (old name, new name) of every entry the column gives a new name.
  static TNamePairs PreviewPairs(TFMainFrm& w) {
    TNamePairs pairs;
    QAbstractItemModel* model = w.ListView1->model();
    for (int r = 0; r < model->rowCount(); ++r) {
      const QString after = model->index(r, TEntryListModel::kNewNameColumn).data().toString();
      if (!after.isEmpty()) pairs.emplace_back(model->index(r, 0).data().toString(), after);
    }
    return pairs;
  }

  // The rows the action button shows in the confirmation window (then cancelled).
  TNamePairs ConfirmationPairs(TFMainFrm& w) {
    TNamePairs pairs;
    messenger_.OnExec = [&pairs](QDialog& d) {
      auto* result = qobject_cast<TFresult*>(&d);
      if (result == nullptr) return static_cast<int>(QDialog::Rejected);
      QAbstractItemModel* model = result->ListView1->model();
      for (int r = 0; r < model->rowCount(); ++r) {
        pairs.emplace_back(model->index(r, 0).data().toString(),
                           model->index(r, 1).data().toString());
      }
      return static_cast<int>(QDialog::Rejected);
    };
    w.btn_ActionClick();
    return pairs;
  }

  template <typename T>
  static T* Child(TFMainFrm& w, const char* name) {
    T* child = w.CurrentFrame()->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
};

TEST_F(LivePreviewTest, RowsAreTheConfirmationRowsForEveryFamily) {
  MakeItems(Data(), {"a_1.txt", "a_2.txt", "b c.txt", "B_x.TXT", "d.jpg"});
  auto w = Open(Data());
  ASSERT_TRUE(w->findChild<QAction*>("PreviewColumn")->isChecked());
  struct TFamily {
    const char* name;
    int tab;
    std::function<void(TFMainFrm&)> set;
  };
  const std::vector<TFamily> families = {
      {"replace", kTabReplace,
       [](TFMainFrm& w) {
         Child<QComboBox>(w, "cmb_String_Old")->setEditText("_");
         Child<QComboBox>(w, "cmb_String_New")->setEditText("-");
       }},
      {"add", kTabAdd,
       [](TFMainFrm& w) {
         Child<QAbstractButton>(w, "rbtn_Add_1")->click();
         Child<QComboBox>(w, "cmb_Add_1")->setEditText("new_");
       }},
      {"convert numbering", kTabConvert,
       [](TFMainFrm& w) { Child<QAbstractButton>(w, "rbtn_Renban")->click(); }},
      {"convert upper case", kTabConvert,
       [](TFMainFrm& w) { Child<QAbstractButton>(w, "rbtn_Fname_OmojiKomoji")->click(); }},
      {"move", kTabMove,
       [](TFMainFrm& w) {
         Child<QAbstractButton>(w, "rbtn_Mve_2")->click();
         Child<QComboBox>(w, "cmb_Mve_2")->setEditText("_");
       }},
      {"regex perl5", kTabRegex,
       [](TFMainFrm& w) {
         Child<QAbstractButton>(w, "chk_Parl")->click();
         Child<QComboBox>(w, "RegExpEdit")->setEditText("s/([a-z])_/$1=/");
       }},
      {"regex awk", kTabRegex,
       [](TFMainFrm& w) {
         Child<QAbstractButton>(w, "chk_AWK")->click();
         Child<QComboBox>(w, "RegExpEdit")->setEditText("[0-9]");
         Child<QComboBox>(w, "SubTextEdit")->setEditText("#&");
       }},
  };
  for (const TFamily& family : families) {
    w->TabControl1->setCurrentIndex(family.tab);
    family.set(*w);
    ASSERT_TRUE(WaitForPreview(*w->Preview())) << family.name;
    const TNamePairs preview = PreviewPairs(*w);
    EXPECT_FALSE(preview.empty()) << family.name;
    EXPECT_EQ(preview, ConfirmationPairs(*w)) << family.name;
  }
  EXPECT_TRUE(messenger_.Messages.empty());
}

TEST_F(LivePreviewTest, SelectionOnlyAndExclusionApplyAsForTheActionButton) {
  MakeItems(Data(), {"a_1.txt", "a_2.txt", "a_3.txt", "skip_4.txt"});
  auto w = Open(Data());
  w->TabControl1->setCurrentIndex(kTabAdd);
  Child<QAbstractButton>(*w, "rbtn_Add_1")->click();
  Child<QComboBox>(*w, "cmb_Add_1")->setEditText("n");
  w->chk_not->setChecked(true);
  w->cmb_notText->setEditText("skip");
  w->chk_SelectOnly->setChecked(true);
  SelectRows(w->ListView1, {1, 2, 3});
  ASSERT_TRUE(WaitForPreview(*w->Preview()));
  const TNamePairs preview = PreviewPairs(*w);
  ASSERT_EQ(preview.size(), 2u);  // row 0 is not selected, row 3 is excluded
  EXPECT_EQ(preview[0].first, "a_2.txt");
  EXPECT_EQ(preview[1].first, "a_3.txt");
  EXPECT_EQ(preview, ConfirmationPairs(*w));
}

TEST_F(LivePreviewTest, AClashIsMarkedAsInTheConfirmationWindow) {
  MakeItems(Data(), {"a_1.txt", "a-1.txt", "y_.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "_", "-");
  ASSERT_TRUE(WaitForPreview(*w->Preview()));
  QAbstractItemModel* model = w->ListView1->model();
  for (int r = 0; r < model->rowCount(); ++r) {
    const QModelIndex cell = model->index(r, TEntryListModel::kNewNameColumn);
    const QString name = model->index(r, 0).data().toString();
    const bool marked = cell.data(Qt::ForegroundRole).isValid();
    EXPECT_EQ(marked, name == "a_1.txt") << name.toStdString();
    if (name == "a_1.txt") {
      EXPECT_EQ(cell.data().toString(), "a-1.txt");
      EXPECT_TRUE(cell.data(Qt::ToolTipRole).toString().contains(QStringLiteral("既にある")));
    }
  }
}

TEST_F(LivePreviewTest, AChangeDuringARunCancelsIt) {
  MakeItems(Data(), {"a_1.txt", "a_2.txt"});
  auto w = Open(Data());
  TLivePreview& preview = *w->Preview();
  TFrm_Okikae* frame = Replace(*w);
  ASSERT_TRUE(WaitForPreview(preview));
  std::vector<quint64> started;
  std::vector<quint64> cancelled;
  std::vector<quint64> shown;
  QObject guard;
  QObject::connect(&preview, &TLivePreview::Started, &guard, [&](quint64 g) {
    started.push_back(g);
    // The user types on while the first run is under way.
    if (started.size() == 1) frame->cmb_String_New->setEditText("+");
  });
  QObject::connect(&preview, &TLivePreview::Cancelled, &guard,
                   [&](quint64 g) { cancelled.push_back(g); });
  QObject::connect(&preview, &TLivePreview::Shown, &guard,
                   [&](quint64 g, bool) { shown.push_back(g); });
  frame->cmb_String_Old->setEditText("_");
  frame->cmb_String_New->setEditText("-");
  ASSERT_TRUE(WaitForPreview(preview));
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(cancelled, std::vector<quint64>{started[0]});
  for (quint64 g : shown) EXPECT_EQ(g, started[1]);
  EXPECT_EQ(PreviewPairs(*w), (TNamePairs{{"a_1.txt", "a+1.txt"}, {"a_2.txt", "a+2.txt"}}));
}

TEST_F(LivePreviewTest, ARuleErrorGoesToTheStatusBarWithoutAMessageBox) {
  MakeItems(Data(), {"a_1.txt"});
  auto w = Open(Data());
  w->TabControl1->setCurrentIndex(kTabRegex);
  Child<QAbstractButton>(*w, "chk_Parl")->click();
  Child<QComboBox>(*w, "RegExpEdit")->setEditText("S/a/b/");
  ASSERT_TRUE(WaitForPreview(*w->Preview()));
  EXPECT_TRUE(messenger_.Messages.empty());
  const QString status = w->findChild<QLabel*>("StatusBar1_Preview")->text();
  EXPECT_FALSE(status.isEmpty());
  EXPECT_TRUE(PreviewPairs(*w).empty());
  w->btn_ActionClick();  // the action button shows the same message in a box
  ASSERT_EQ(messenger_.TextsOf("info").size(), 1u);
  EXPECT_EQ(messenger_.TextsOf("info")[0], status);
}

TEST_F(LivePreviewTest, TheColumnFollowsTheMenuItemAndItsSetting) {
  MakeItems(Data(), {"a_1.txt"});
  {
    auto w = Open(Data());
    QAction* toggle = w->findChild<QAction*>("PreviewColumn");
    EXPECT_FALSE(w->ListView1->isColumnHidden(TEntryListModel::kNewNameColumn));
    toggle->trigger();
    EXPECT_TRUE(w->ListView1->isColumnHidden(TEntryListModel::kNewNameColumn));
    SetStringRule(*w, "_", "-");
    EXPECT_TRUE(PreviewPairs(*w).empty());
    w->close();
  }
  auto w = Open(Data());
  EXPECT_FALSE(w->findChild<QAction*>("PreviewColumn")->isChecked());
  EXPECT_TRUE(w->ListView1->isColumnHidden(TEntryListModel::kNewNameColumn));
}

// A change of the trim option in the options dialog runs the preview again.
TEST_F(LivePreviewTest, TheOptionsDialogRestartsThePreview) {
  MakeItems(Data(), {"a_.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "_", " ");
  ASSERT_TRUE(WaitForPreview(*w->Preview()));
  EXPECT_EQ(PreviewPairs(*w), (TNamePairs{{"a_.txt", "a.txt"}}));
  messenger_.OnExec = [](QDialog& d) {
    auto* trim = d.findChild<QCheckBox*>("chk_Trim");
    if (trim == nullptr) return static_cast<int>(QDialog::Rejected);
    trim->setChecked(false);
    return static_cast<int>(QDialog::Accepted);
  };
  w->N3Click();
  ASSERT_TRUE(WaitForPreview(*w->Preview()));
  EXPECT_EQ(PreviewPairs(*w), (TNamePairs{{"a_.txt", "a .txt"}}));
}

// The column's width comes back after a restart, also when the column was off at
// the shutdown in between.
TEST_F(LivePreviewTest, TheColumnWidthSurvivesRestartsShownOrHidden) {
  MakeItems(Data(), {"a_1.txt"});
  {
    auto w = Open(Data());
    w->ListView1->setColumnWidth(TEntryListModel::kNewNameColumn, 123);
    w->close();
  }
  {
    auto w = Open(Data());
    EXPECT_EQ(w->ListView1->columnWidth(TEntryListModel::kNewNameColumn), 123);
    w->findChild<QAction*>("PreviewColumn")->trigger();
    w->close();
  }
  {
    auto w = Open(Data());
    w->findChild<QAction*>("PreviewColumn")->trigger();
    EXPECT_EQ(w->ListView1->columnWidth(TEntryListModel::kNewNameColumn), 123);
  }
}

}  // namespace
}  // namespace nalo::test
