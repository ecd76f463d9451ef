// Single rename from the main window's list: an in-place edit of the name (refused
// names, clashes, a free name, the editor opened by the menu item and closed by
// Enter) and Enter on the list opening the rename dialog for exactly one row.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <memory>

#include "app/gui_test_support.h"
#include "app/main_window.h"
#include "execution/gui/frename.h"

namespace nalo::test {
namespace {

const QString kInPlaceRefusal = QString::fromUtf8(
    "ファイル名/フォルダ名には次の文字は使えません。\r              \\ / : ; * ? \" < > |");
const QString kClash =
    QString::fromUtf8("リネーム出来ません:同名ファイル等があるとリネーム出来ません。");

class InPlaceRenameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(settings_.isValid());
    ASSERT_TRUE(data_.isValid());
    MakeItems(data_.path(), {"a.txt", "b.txt", "c.txt"});
    TMainWindowOptions options;
    options.SettingsFolder = settings_.path().toStdString();
    options.FolderArgument = data_.path();
    options.Messenger = &messenger_;
    window_ = std::make_unique<TFMainFrm>(options);
    window_->show();
    window_->FinishStart();
    ASSERT_EQ(window_->Entries().Count(), 3u);
  }

  std::size_t RowOf(const std::string& name) const {
    for (std::size_t i = 0; i < window_->Entries().Count(); ++i) {
      if (window_->Entries().EntryAt(i).Name == name) return i;
    }
    ADD_FAILURE() << "no row named " << name;
    return 0;
  }

  QString RowText(std::size_t row) const {
    QAbstractItemModel* model = window_->ListView1->model();
    return model->data(model->index(static_cast<int>(row), 0), Qt::DisplayRole).toString();
  }

  // Hands an edited name to the list's model the way the editor does, then lets
  // the queued commit run.
  void EditName(std::size_t row, const QString& text) {
    QAbstractItemModel* model = window_->ListView1->model();
    ASSERT_TRUE(model->flags(model->index(static_cast<int>(row), 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->setData(model->index(static_cast<int>(row), 0), text, Qt::EditRole));
    QApplication::processEvents();
  }

  void PressEnterOnList() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window_->ListView1, &press);
  }

  QString Data() const { return data_.path(); }

  QTemporaryDir settings_;
  QTemporaryDir data_;
  TFakeMessenger messenger_;
  std::unique_ptr<TFMainFrm> window_;
};

TEST_F(InPlaceRenameTest, ANameWithAForbiddenCharacterIsRefusedAndTouchesNothing) {
  const std::size_t row = RowOf("a.txt");
  EditName(row, "x:y");
  ASSERT_EQ(messenger_.TextsOf("warn"), std::vector<QString>{kInPlaceRefusal});
  EXPECT_TRUE(Exists(Data(), "a.txt"));
  EXPECT_EQ(QDir(Data()).entryList(QDir::Files).size(), 3);
  EXPECT_EQ(window_->Entries().EntryAt(row).Name, "a.txt");
  EXPECT_EQ(RowText(row), "a.txt");
}

TEST_F(InPlaceRenameTest, AFreeNameRenamesOnDiskAndUpdatesTheRow) {
  const std::size_t row = RowOf("a.txt");
  EditName(row, "z.txt");
  EXPECT_TRUE(messenger_.Messages.empty());
  EXPECT_FALSE(Exists(Data(), "a.txt"));
  EXPECT_TRUE(Exists(Data(), "z.txt"));
  EXPECT_EQ(window_->Entries().EntryAt(row).Name, "z.txt");
  EXPECT_EQ(window_->Entries().EntryAt(row).FullPath(), (Data() + "/z.txt").toStdString());
  EXPECT_EQ(RowText(row), "z.txt");
  EXPECT_EQ(window_->Entries().Count(), 3u);  // updated in place, not listed again
}

TEST_F(InPlaceRenameTest, ATakenNameIsReportedAndNeitherItemChanges) {
  const std::size_t row = RowOf("a.txt");
  EditName(row, "b.txt");
  ASSERT_EQ(messenger_.TextsOf("warn"), std::vector<QString>{kClash});
  EXPECT_TRUE(Exists(Data(), "a.txt"));
  EXPECT_TRUE(Exists(Data(), "b.txt"));
  EXPECT_EQ(RowText(row), "a.txt");
}

TEST_F(InPlaceRenameTest, KeepingTheNameRenamesNothingAndSaysNothing) {
  const std::size_t row = RowOf("b.txt");
  EditName(row, "b.txt");
  EXPECT_TRUE(messenger_.Messages.empty());
  EXPECT_TRUE(Exists(Data(), "b.txt"));
}

TEST_F(InPlaceRenameTest, TheMenuItemOpensTheEditorAndEnterCommitsWithoutTheDialog) {
  const std::size_t row = RowOf("c.txt");
  window_->SelectEntries({row});
  int dialogs = 0;
  messenger_.OnExec = [&dialogs](QDialog&) {
    ++dialogs;
    return static_cast<int>(QDialog::Rejected);
  };
  QAction* rename = window_->findChild<QAction*>("Rename2");
  ASSERT_NE(rename, nullptr);
  EXPECT_TRUE(rename->isEnabled());
  rename->trigger();
  auto* editor = window_->ListView1->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), "c.txt");
  editor->setFocus();
  editor->setText("d.txt");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(editor, &enter);
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  EXPECT_EQ(dialogs, 0);
  EXPECT_TRUE(Exists(Data(), "d.txt"));
  EXPECT_FALSE(Exists(Data(), "c.txt"));
  EXPECT_EQ(RowText(row), "d.txt");
}

TEST_F(InPlaceRenameTest, TheMenuItemIsDisabledUnlessExactlyOneRowIsSelected) {
  QAction* rename = window_->findChild<QAction*>("Rename2");
  window_->SelectEntries({0, 1});
  EXPECT_FALSE(rename->isEnabled());
  window_->SelectEntries({1});
  EXPECT_TRUE(rename->isEnabled());
}

TEST_F(InPlaceRenameTest, EnterOpensTheRenameDialogForExactlyOneRow) {
  std::vector<QString> captions;
  messenger_.OnExec = [&captions](QDialog& d) {
    captions.push_back(d.windowTitle());
    auto* dialog = qobject_cast<TFReName*>(&d);
    if (dialog == nullptr) return static_cast<int>(QDialog::Rejected);
    dialog->SetText("e.txt");
    return static_cast<int>(QDialog::Accepted);
  };
  window_->SelectEntries({RowOf("a.txt"), RowOf("b.txt")});
  PressEnterOnList();
  EXPECT_TRUE(captions.empty());

  const std::size_t row = RowOf("b.txt");
  window_->SelectEntries({row});
  PressEnterOnList();
  ASSERT_EQ(captions, std::vector<QString>{QStringLiteral("リネーム")});
  EXPECT_TRUE(Exists(Data(), "e.txt"));
  EXPECT_FALSE(Exists(Data(), "b.txt"));
  EXPECT_EQ(RowText(row), "e.txt");
}

}  // namespace
}  // namespace nalo::test
