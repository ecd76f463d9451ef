// The rule frames and list dialogs inside the real main window: entering each
// rule tab creates its frame, Tab from the add frame's last candidate reaches the
// exclusion box, and the list menu deletes through TFDelete and renames through
// TFReName on a real folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "frm_test_support.h"
#include "rules/gui/tab_frame.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

class FrmMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    gui2test::EnsureQtApp();
    setenv("XDG_DATA_HOME", dir_.Path().c_str(), 1);
    dir_.MakeFolder("list");
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir_.Write(std::string("list/") + name, name);
    TMainWindowOptions options;
    options.SettingsFolder = settings_.path().toStdString();
    options.FolderArgument = QString::fromStdString(dir_.Path("list"));
    options.Messenger = &messenger_;
    window_ = std::make_unique<TFMainFrm>(options);
    window_->show();
    window_->FinishStart();
  }
  void TearDown() override {
    window_.reset();
    unsetenv("XDG_DATA_HOME");
  }
  void SelectRow(int row) {
    QTableView* list = window_->ListView1;
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  QString NameAt(int row) const {
    return window_->ListView1->model()->index(row, 0).data().toString();
  }

  testing::TTempFolder dir_;
  QTemporaryDir settings_;
  gui2test::TRecordingMessenger messenger_;
  std::unique_ptr<TFMainFrm> window_;
};

TEST_F(FrmMainWindow, EachRuleTabShowsItsFrame) {
  const struct {
    int tab;
    const char* frame;
  } rows[] = {{kTabAdd, "Frm_Add"}, {kTabConvert, "Frm_Change"}, {kTabMove, "Frm_Move"},
              {kTabRegex, "Frm_Seiki"}};
  for (const auto& row : rows) {
    window_->TabControl1->setCurrentIndex(row.tab);
    ASSERT_NE(window_->CurrentFrame(), nullptr);
    EXPECT_EQ(window_->CurrentFrame()->objectName(), row.frame);
  }
}

TEST_F(FrmMainWindow, TabFromTheLastCandidateReachesTheExclusionBox) {
  window_->TabControl1->setCurrentIndex(kTabAdd);
  window_->CurrentFrame()->findChild<QRadioButton*>("rbtn_Add_9")->setFocus();
  gui2test::PressTab(window_.get());
  EXPECT_EQ(window_->focusWidget(), window_->chk_not);
}

TEST_F(FrmMainWindow, ListMenuDeletesAndRenames) {
  window_->TabControl1->setCurrentIndex(kTabAdd);
  ASSERT_EQ(window_->ListView1->model()->rowCount(), 3);
  SelectRow(0);
  messenger_.OnModal([](QDialog& dialog) {
    dialog.findChild<QPushButton*>("BitBtn1")->click();  // to the trash, the default
    return dialog.result();
  });
  window_->findChild<QAction*>("menu_Delete")->trigger();
  EXPECT_FALSE(dir_.Exists("list/a.txt"));
  ASSERT_EQ(window_->ListView1->model()->rowCount(), 2);
  ASSERT_FALSE(messenger_.messages.empty());
  EXPECT_EQ(messenger_.messages.back().text, QStringLiteral("1個のファイルを削除しました。"));

  SelectRow(0);
  const QString old_name = NameAt(0);
  messenger_.OnModal([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("Edit1")->setText(QStringLiteral("renamed.txt"));
    dialog.findChild<QPushButton*>("BitBtn1")->click();
    return dialog.result();
  });
  window_->ListView1KeyPress();  // Enter on the list
  EXPECT_TRUE(dir_.Exists("list/renamed.txt"));
  EXPECT_FALSE(dir_.Exists("list/" + old_name.toStdString()));
  EXPECT_EQ(NameAt(0), QStringLiteral("renamed.txt"));
}

}  // namespace
}  // namespace nalo
