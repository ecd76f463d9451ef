// The folder tree window driven from the real main window offscreen: the menu
// item shows and hides it with its check mark, choosing a folder in the tree
// lists it, "一つ上" stops at the root, the boxes follow and set the target mode
// and the sub-folder option, the run bracket disables it, names without a CP932
// form are refused, the tree keeps the focus it had, and its state survives a
// restart floating or docked.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTreeView>
#include <memory>
#include <set>
#include <vector>

#include "app/ffolder_tree_view.h"
#include "app/foption.h"
#include "app/gui_test_support.h"
#include "app/main_window.h"
#include "app/main_window_fixture.h"
#include "execution/gui/fresult.h"
#include "platform/encoding.h"
#include "rules/gui/frm_okikae.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"

namespace nalo::test {
namespace {

class FolderTreeTest : public TMainWindowFixture {
 protected:
  QString Sub(const QString& name) const { return QDir(Data()).filePath(name); }
  TIniFile Ini() const { return TIniFile(MainSettingsPath(settings_.path().toStdString())); }

  static QAction* MenuItem(TFMainFrm& w) { return w.findChild<QAction*>("menu_FolderWin"); }

  // Shows the window through the menu item.
  static TFFolderTreeView* ShowTree(TFMainFrm& w) {
    QAction* item = MenuItem(w);
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    return w.FolderTreeView();
  }

  // Moves the tree's current node as a user's click does.
  static void ClickFolder(TFFolderTreeView& tree, const QString& folder) {
    auto* model = qobject_cast<QFileSystemModel*>(tree.ShellTreeView1->model());
    ASSERT_NE(model, nullptr);
    const QModelIndex index = model->index(folder);
    ASSERT_TRUE(index.isValid()) << folder.toStdString();
    tree.ShellTreeView1->setCurrentIndex(index);
  }
};

TEST_F(FolderTreeTest, MenuShowsAndHidesTheWindowWithItsCheckMark) {
  MakeItems(Data(), {"a.txt"});
  auto w = Open(Data());
  EXPECT_EQ(w->FolderTreeView(), nullptr) << "made at its first use";
  TFFolderTreeView* tree = ShowTree(*w);
  ASSERT_NE(tree, nullptr);
  EXPECT_TRUE(tree->isVisible());
  EXPECT_TRUE(tree->isFloating());
  EXPECT_TRUE(MenuItem(*w)->isChecked());
  EXPECT_EQ(tree->windowTitle(), QStringLiteral("フォルダ選択窓"));
  EXPECT_EQ(tree->Label1->text(), QStringLiteral("リネーム対象："));
  EXPECT_EQ(tree->size(), QSize(280, 250));
  EXPECT_EQ(tree->minimumSize(), QSize(212, 150));
  EXPECT_TRUE(tree->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(tree->SelectedFolder(), Data()) << "the listed folder is selected";
  EXPECT_TRUE(tree->rbtn_File->isChecked());
  EXPECT_EQ(Ini().ReadString("SearchOption", "SubFolder", "none"), "none") << "opening only reads";

  MenuItem(*w)->trigger();
  EXPECT_FALSE(tree->isVisible());
  EXPECT_FALSE(MenuItem(*w)->isChecked());
  EXPECT_EQ(Ini().ReadString("SearchOption", "SubFolder", "none"), "0") << "written on closing";

  EXPECT_EQ(ShowTree(*w), tree) << "kept until shutdown";
  EXPECT_TRUE(tree->isVisible());
  tree->close();  // the window's own close button
  EXPECT_FALSE(MenuItem(*w)->isChecked());
  EXPECT_TRUE(messenger_.Messages.empty());
}

TEST_F(FolderTreeTest, ChoosingAFolderListsItAndPutsItIntoThePathBox) {
  MakeItems(Data(), {"a.txt", "sub/", "sub/b.txt", "sub/c.txt"});
  auto w = Open(Data());
  TFFolderTreeView* tree = ShowTree(*w);
  ASSERT_EQ(w->Entries().Count(), 1u);
  ClickFolder(*tree, Sub("sub"));
  EXPECT_EQ(w->State().CurrentFolder, Sub("sub").toStdString());
  EXPECT_EQ(w->Entries().Count(), 2u);
  EXPECT_EQ(w->cmb_Path->currentText(), Sub("sub"));

  tree->btn_Up->click();
  EXPECT_EQ(tree->SelectedFolder(), Data());
  EXPECT_EQ(w->State().CurrentFolder, Data().toStdString());
  EXPECT_EQ(w->Entries().Count(), 1u);
  EXPECT_EQ(w->cmb_Path->currentText(), Data());
}

// The tree reads folders in the background and inserts their rows as they come;
// the listed folder stays in view however the rows above it arrive.
TEST_F(FolderTreeTest, TheListedFolderIsInViewOnceTheTreeHasReadItsFolders) {
  std::vector<QString> siblings;
  for (int i = 0; i < 40; ++i)
    siblings.push_back(QStringLiteral("sib%1/").arg(i, 2, 10, QChar('0')));
  MakeItems(Data(), siblings);
  const QString listed = Sub("sib25");
  auto w = Open(listed);
  TFFolderTreeView* tree = ShowTree(*w);
  ASSERT_NE(tree, nullptr);
  auto* model = qobject_cast<QFileSystemModel*>(tree->ShellTreeView1->model());
  ASSERT_NE(model, nullptr);
  QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
  std::set<QString> waiting{QStringLiteral("/"), QFileInfo(Data()).absolutePath(), Data()};
  for (int i = 0; i < 50 && !waiting.empty(); ++i) {
    if (loaded.isEmpty() && !loaded.wait(10000)) break;
    while (!loaded.isEmpty()) waiting.erase(loaded.takeFirst().at(0).toString());
  }
  ASSERT_TRUE(waiting.empty()) << waiting.begin()->toStdString();
  QCoreApplication::processEvents();  // the rows' delayed sort
  QCoreApplication::processEvents();
  QTreeView* view = tree->ShellTreeView1;
  ASSERT_EQ(model->filePath(view->currentIndex()), listed);
  EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
}

TEST_F(FolderTreeTest, UpStopsAtTheRoot) {
  MakeItems(Data(), {"a.txt"});
  auto w = Open(Data());
  TFFolderTreeView* tree = ShowTree(*w);
  tree->SelectFolderQuietly(QStringLiteral("/"));
  ASSERT_EQ(tree->SelectedFolder(), QStringLiteral("/"));
  EXPECT_EQ(w->State().CurrentFolder, Data().toStdString()) << "a quiet selection lists nothing";
  tree->btn_Up->click();
  EXPECT_EQ(tree->SelectedFolder(), QStringLiteral("/"));
  EXPECT_EQ(w->State().CurrentFolder, Data().toStdString());
}

TEST_F(FolderTreeTest, SubFolderBoxWritesTheOptionAtOnceAndWidensTheNextScan) {
  MakeItems(Data(), {"a.txt", "sub/", "sub/b.txt"});
  auto w = Open(Data());
  TFFolderTreeView* tree = ShowTree(*w);
  EXPECT_FALSE(tree->chk_SubFolder->isChecked());
  tree->chk_SubFolder->click();
  EXPECT_TRUE(Ini().ReadBool("SearchOption", "SubFolder", false));
  w->R1Click();
  EXPECT_EQ(w->Entries().Count(), 2u);
  tree->chk_SubFolder->click();
  EXPECT_FALSE(Ini().ReadBool("SearchOption", "SubFolder", true));
  w->R1Click();
  EXPECT_EQ(w->Entries().Count(), 1u);
}

TEST_F(FolderTreeTest, OpeningLoadsTheBoxFromTheFileAndTheOptionsDialogSetsIt) {
  MakeItems(Data(), {"a.txt", "sub/", "sub/b.txt"});
  auto w = Open(Data());
  TIniFile ini = Ini();
  ini.WriteBool("SearchOption", "SubFolder", true);
  ini.Save();
  TFFolderTreeView* tree = ShowTree(*w);
  EXPECT_TRUE(tree->chk_SubFolder->isChecked());
  w->R1Click();
  EXPECT_EQ(w->Entries().Count(), 2u) << "the window follows the file";

  messenger_.OnExec = [](QDialog& d) {
    auto* dialog = qobject_cast<TFOption*>(&d);
    if (dialog == nullptr) return static_cast<int>(QDialog::Rejected);
    dialog->chk_SubFolderOpt->setChecked(false);
    return static_cast<int>(QDialog::Accepted);
  };
  w->N3Click();
  EXPECT_FALSE(tree->chk_SubFolder->isChecked());
}

TEST_F(FolderTreeTest, ModeBoxesFollowAndSetTheTargetMode) {
  MakeItems(Data(), {"a.txt", "b.txt", "d/"});
  auto w = Open(Data());
  TFFolderTreeView* tree = ShowTree(*w);
  tree->rbtn_Folder->click();
  EXPECT_FALSE(w->FilesMode());
  EXPECT_EQ(w->Entries().Count(), 1u);
  w->File2Click();
  EXPECT_TRUE(tree->rbtn_File->isChecked());
  EXPECT_EQ(w->Entries().Count(), 2u);
  w->Folder1Click();
  EXPECT_TRUE(tree->rbtn_Folder->isChecked());
}

TEST_F(FolderTreeTest, ADeclinedRescanPutsTheModeBoxBack) {
  MakeItems(Data(), {"a_1.txt", "d/"});
  auto w = Open(Data());
  TFFolderTreeView* tree = ShowTree(*w);
  w->TabControl1->setCurrentIndex(kTabReplace);
  auto* frame = qobject_cast<TFrm_Okikae*>(w->CurrentFrame());
  ASSERT_NE(frame, nullptr);
  frame->cmb_String_Old->setEditText("_");
  frame->cmb_String_New->setEditText("-");
  messenger_.OnExec = [](QDialog& d) {
    return static_cast<int>(qobject_cast<TFresult*>(&d) ? QDialog::Accepted : QDialog::Rejected);
  };
  w->btn_ActionClick();
  ASSERT_TRUE(Exists(Data(), "a-1.txt"));
  messenger_.YesNoAnswers = {false};
  tree->rbtn_Folder->click();
  EXPECT_TRUE(w->FilesMode());
  EXPECT_TRUE(tree->rbtn_File->isChecked()) << "box and mode agree after the decline";
}

TEST_F(FolderTreeTest, TheRunBracketDisablesTheWindow) {
  auto w = Open(std::nullopt);
  TFFolderTreeView* tree = ShowTree(*w);
  w->BeginRuleRun();
  EXPECT_FALSE(tree->isEnabled());
  w->EndRuleRun();
  EXPECT_TRUE(tree->isEnabled());
}

TEST_F(FolderTreeTest, AFolderNameBeyondCp932IsListed) {
  MakeItems(Data(), {"a.txt", "x\U0001F600/", "x\U0001F600/b.txt", "x\U0001F600/c.txt"});
  auto w = Open(Data());
  TFFolderTreeView* tree = ShowTree(*w);
  ClickFolder(*tree, Sub("x\U0001F600"));
  EXPECT_EQ(Cp932ToUtf8(w->State().CurrentFolder), Sub("x\U0001F600").toStdString());
  EXPECT_EQ(w->Entries().Count(), 2u);
  EXPECT_EQ(w->cmb_Path->currentText(), Sub("x\U0001F600"));
  EXPECT_TRUE(messenger_.TextsOf("warn").empty());
}

TEST_F(FolderTreeTest, FloatingBoundsAndStatusSurviveARestart) {
  MakeItems(Data(), {"a.txt", "d/"});
  {
    auto w = Open(Data());
    TFFolderTreeView* tree = ShowTree(*w);
    tree->setGeometry(30, 40, 300, 260);
    w->close();
  }
  const TIniFile ini = Ini();
  EXPECT_TRUE(ini.ReadBool("FolderWin", "Status", false));
  EXPECT_FALSE(ini.ReadBool("FolderWin", "Dock", true));
  EXPECT_EQ(ini.ReadInteger("FolderWin", "Left", 0), 30);
  EXPECT_EQ(ini.ReadInteger("FolderWin", "Top", 0), 40);
  EXPECT_EQ(ini.ReadInteger("FolderWin", "Width", 0), 300);
  EXPECT_EQ(ini.ReadInteger("FolderWin", "Height", 0), 260);
  {
    auto w = Open(std::nullopt);
    TFFolderTreeView* tree = w->FolderTreeView();
    ASSERT_NE(tree, nullptr) << "open at the last shutdown";
    EXPECT_TRUE(tree->isVisible());
    EXPECT_TRUE(MenuItem(*w)->isChecked());
    EXPECT_EQ(tree->geometry(), QRect(30, 40, 300, 260));
    EXPECT_EQ(tree->SelectedFolder(), Data());
    ClickFolder(*tree, Sub("d"));
    EXPECT_EQ(w->State().CurrentFolder, Sub("d").toStdString()) << "the tree lists again";
    MenuItem(*w)->trigger();
    w->close();
  }
  EXPECT_FALSE(Ini().ReadBool("FolderWin", "Status", true));
  auto w = Open(std::nullopt);
  EXPECT_EQ(w->FolderTreeView(), nullptr);
  EXPECT_FALSE(MenuItem(*w)->isChecked());
}

TEST_F(FolderTreeTest, DockedStateAndPanelWidthSurviveARestart) {
  {
    auto w = Open(std::nullopt);
    TFFolderTreeView* tree = ShowTree(*w);
    tree->setGeometry(5, 6, 290, 270);
    w->close();
  }
  {
    auto w = Open(std::nullopt);
    TFFolderTreeView* tree = w->FolderTreeView();
    ASSERT_NE(tree, nullptr);
    tree->setFloating(false);
    QApplication::processEvents();
    w->resizeDocks({tree}, {333}, Qt::Horizontal);  // the user widens the panel
    QApplication::processEvents();
    w->close();
  }
  const TIniFile ini = Ini();
  EXPECT_TRUE(ini.ReadBool("FolderWin", "Dock", false));
  const int width = ini.ReadInteger("FolderWin", "DockPnlWidth", 0);
  EXPECT_EQ(width, 333);
  EXPECT_EQ(ini.ReadInteger("FolderWin", "Left", 0), 5) << "floating bounds kept while docked";
  auto w = Open(std::nullopt);
  TFFolderTreeView* tree = w->FolderTreeView();
  ASSERT_NE(tree, nullptr);
  EXPECT_FALSE(tree->isFloating());
  EXPECT_TRUE(tree->isVisible());
  EXPECT_TRUE(MenuItem(*w)->isChecked());
  QApplication::processEvents();  // the main window lays its docks out
  EXPECT_EQ(tree->width(), width);
}

// A window docked and widened, then floated before shutdown, keeps the width
// it had while docked.
// The width the window had docked is saved though it floats at shutdown, whether
// the user resized the docked window or only docked it.
TEST_F(FolderTreeTest, TheDockedWidthIsSavedWhenTheWindowFloatsAtShutdown) {
  for (const int resized_to : {311, 0}) {
    SCOPED_TRACE(resized_to);
    QFile::remove(QString::fromStdString(IniPath()));  // each start with the window closed
    int docked_width = 0;
    {
      auto w = Open(std::nullopt);
      TFFolderTreeView* tree = ShowTree(*w);
      tree->setFloating(false);
      QApplication::processEvents();
      if (resized_to > 0) w->resizeDocks({tree}, {resized_to}, Qt::Horizontal);
      QApplication::processEvents();
      docked_width = tree->width();
      tree->setFloating(true);
      tree->resize(280, 250);
      QApplication::processEvents();
      w->close();
    }
    const TIniFile ini = Ini();
    EXPECT_FALSE(ini.ReadBool("FolderWin", "Dock", true));
    if (resized_to > 0) EXPECT_EQ(docked_width, resized_to);
    EXPECT_EQ(ini.ReadInteger("FolderWin", "DockPnlWidth", 0), docked_width);
  }
}

TEST_F(FolderTreeTest, TheTreeKeepsTheFocusOnlyWhileItHadIt) {
  MakeItems(Data(), {"a.txt", "p/", "q/"});
  auto w = Open(Data());
  TFFolderTreeView* tree = ShowTree(*w);
  QFocusEvent entered(QEvent::FocusIn);
  QApplication::sendEvent(tree->ShellTreeView1, &entered);
  tree->btn_Up->setFocus();
  ClickFolder(*tree, Sub("p"));
  EXPECT_EQ(tree->focusWidget(), tree->ShellTreeView1);

  w->R1Click();  // a listing started elsewhere
  tree->btn_Up->setFocus();
  ClickFolder(*tree, Sub("q"));
  EXPECT_EQ(w->State().CurrentFolder, Sub("q").toStdString());
  EXPECT_NE(tree->focusWidget(), tree->ShellTreeView1);
}

}  // namespace
}  // namespace nalo::test
