// The history window from the main window's menu: three batches made through the
// action button are listed newest first; its undo puts back the newest one, the
// list of the window follows, and the main list shows the names on disk again.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTableWidget>

#include "app/gui_test_support.h"
#include "app/main_window.h"
#include "app/main_window_fixture.h"
#include "execution/gui/fhistory.h"
#include "execution/gui/fresult.h"

namespace nalo::test {
namespace {

using HistoryWindowTest = TMainWindowFixture;

QStringList Column(const QTableWidget& table, int column) {
  QStringList texts;
  for (int row = 0; row < table.rowCount(); ++row) texts << table.item(row, column)->text();
  return texts;
}

TEST_F(HistoryWindowTest, ListsTheBatchesAndUndoesTheNewest) {
  MakeItems(Data(), {"a_1.txt", "b_2.txt"});
  auto w = Open(Data());
  ApproveRows({});
  for (const auto& [from, to] : {std::pair{"_", "-"}, {"-", "+"}, {"a", "A"}}) {
    SetStringRule(*w, from, to);
    w->btn_ActionClick();
  }
  ASSERT_TRUE(Exists(Data(), "A+1.txt"));

  QStringList before, after, counts;
  int selected_after = -1;
  messenger_.OnExec = [&](QDialog& d) {
    auto* window = qobject_cast<TFHistory*>(&d);
    if (window == nullptr) return static_cast<int>(QDialog::Rejected);
    EXPECT_EQ(window->ListView1->horizontalHeaderItem(4)->text(), QStringLiteral("状態"));
    before = Column(*window->ListView1, 4);
    counts = Column(*window->ListView1, 3);
    window->btn_Undo->click();
    after = Column(*window->ListView1, 4);
    selected_after = window->ListView1->currentRow();
    return static_cast<int>(QDialog::Rejected);
  };
  w->findChild<QAction*>("History1")->trigger();
  const QString done = QStringLiteral("完了"), undone = QStringLiteral("元に戻した");
  EXPECT_EQ(before, (QStringList{done, done, done}));
  EXPECT_EQ(counts, (QStringList{"1", "2", "2"}));
  EXPECT_EQ(after, (QStringList{undone, done, done}));
  EXPECT_EQ(selected_after, 1);
  EXPECT_TRUE(Exists(Data(), "a+1.txt"));
  // The list was listed again without asking: the batch it marked is undone.
  EXPECT_TRUE(messenger_.TextsOf("yesno").empty());
  EXPECT_EQ(w->Entries().EntryAt(0).Name, "a+1.txt");
  ASSERT_EQ(messenger_.TextsOf("info").size(), 1u);
  EXPECT_TRUE(messenger_.TextsOf("info")[0].contains(QStringLiteral("1個を元に戻しました。")));
}

}  // namespace
}  // namespace nalo::test
