// The options dialog from the main window's menu: cancel writes nothing, the
// default look reaches the list and the folder box, the sub-folder and trim
// options change the next scan and the next rule run, start maximised takes
// effect at the next start, and a file that cannot be written is reported while
// the options still apply.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPushButton>
#include <QTableView>
#include <memory>

#include "app/foption.h"
#include "app/gui_test_support.h"
#include "app/main_window.h"
#include "app/main_window_fixture.h"
#include "execution/gui/fresult.h"
#include "rules/gui/frm_okikae.h"
#include "settings/ini_file.h"
#include "settings/options_dialog_values.h"
#include "settings/settings_folder.h"
#include "ui/list_look.h"
#include "ui/qt_text.h"

namespace nalo::test {
namespace {

class MainWindowOptions : public TMainWindowFixture {
 protected:
  // Opens the options dialog through the menu item; `change` works the dialog,
  // and its result closes it.
  void RunOptions(TFMainFrm& w, std::function<int(TFOption&)> change) {
    messenger_.OnExec = [change](QDialog& d) {
      auto* dialog = qobject_cast<TFOption*>(&d);
      if (dialog == nullptr) return static_cast<int>(QDialog::Rejected);
      return change(*dialog);
    };
    QAction* item = w.findChild<QAction*>("N3");
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    messenger_.OnExec = nullptr;
  }
};

TEST_F(MainWindowOptions, CancelShowsTheFileAndWritesNothing) {
  auto w = Open(std::nullopt);
  bool shown = false;
  RunOptions(*w, [&shown](TFOption& d) {
    shown = true;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("設定画面"));
    EXPECT_TRUE(d.chk_StartFormMAX->isChecked()) << "nothing saved: starts maximised";
    EXPECT_FALSE(d.chk_SubFolderOpt->isChecked());
    EXPECT_TRUE(d.chk_Trim->isChecked());
    EXPECT_EQ(d.cmb_Size->currentText(), "10");
    d.chk_Trim->setChecked(false);
    d.BitBtn4->click();
    return static_cast<int>(QDialog::Rejected);
  });
  EXPECT_TRUE(shown);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(IniPath())));
  EXPECT_EQ(w->ListView1->palette().color(QPalette::Base), QColor(0, 0, 0));
}

TEST_F(MainWindowOptions, DefaultLookReachesTheListAndTheFolderBox) {
  TIniFile ini(IniPath());
  ini.WriteInteger("ListViewOpt", "FontColor", 255);
  ini.WriteInteger("ListViewOpt", "BackColor", 0xFFFFFF);
  ini.WriteString("ListViewOpt", "FontSize", "16");
  ini.Save();
  auto w = Open(std::nullopt);
  ASSERT_EQ(w->ListView1->palette().color(QPalette::Text), QColor(255, 0, 0));
  const int path_size = w->cmb_Path->font().pointSize();

  RunOptions(*w, [](TFOption& d) {
    EXPECT_EQ(d.cmb_Size->currentText(), "16");
    d.BitBtn3->click();
    return static_cast<int>(QDialog::Accepted);
  });
  const QColor yellow(255, 255, 0);
  const QColor black(0, 0, 0);
  const QString family = InstalledFontFamily(QStringLiteral("ＭＳ Ｐゴシック"));
  EXPECT_EQ(w->ListView1->palette().color(QPalette::Text), yellow);
  EXPECT_EQ(w->ListView1->palette().color(QPalette::Base), black);
  EXPECT_EQ(w->ListView1->font().pointSize(), 10);
  EXPECT_EQ(w->ListView1->font().family(), family);
  EXPECT_EQ(w->cmb_Path->palette().color(QPalette::Text), yellow);
  EXPECT_EQ(w->cmb_Path->palette().color(QPalette::Base), black);
  EXPECT_EQ(w->cmb_Path->font().family(), family);
  EXPECT_EQ(w->cmb_Path->font().pointSize(), path_size) << "the folder box keeps its size";

  const TIniFile saved(IniPath());
  EXPECT_EQ(saved.ReadInteger("ListViewOpt", "FontColor", 0), 65535);
  EXPECT_EQ(saved.ReadInteger("ListViewOpt", "BackColor", -1), 0);
  EXPECT_EQ(saved.ReadString("ListViewOpt", "FontSize", ""), "10");
  EXPECT_EQ(FromCp932(saved.ReadString("ListViewOpt", "FontName", "")), QStringLiteral("ＭＳ Ｐゴシック"));
  EXPECT_TRUE(messenger_.Messages.empty());
}

TEST_F(MainWindowOptions, SubFolderOptionWidensTheNextScan) {
  MakeItems(Data(), {"a.txt", "sub/", "sub/b.txt"});
  auto w = Open(Data());
  ASSERT_EQ(w->Entries().Count(), 1u);
  RunOptions(*w, [](TFOption& d) {
    d.chk_SubFolderOpt->setChecked(true);
    return static_cast<int>(QDialog::Accepted);
  });
  EXPECT_EQ(w->Entries().Count(), 1u) << "the list waits for the next scan";
  EXPECT_TRUE(TIniFile(IniPath()).ReadBool("SearchOption", "SubFolder", false));
  w->R1Click();
  EXPECT_EQ(w->Entries().Count(), 2u);
}

TEST_F(MainWindowOptions, OpeningTheDialogTakesTheSubFolderOptionFromTheFile) {
  MakeItems(Data(), {"a.txt", "sub/", "sub/b.txt"});
  auto w = Open(Data());
  TIniFile ini(IniPath());
  ini.WriteBool("SearchOption", "SubFolder", true);
  ini.Save();
  RunOptions(*w, [](TFOption& d) {
    EXPECT_TRUE(d.chk_SubFolderOpt->isChecked());
    return static_cast<int>(QDialog::Rejected);
  });
  w->R1Click();
  EXPECT_EQ(w->Entries().Count(), 2u);
}

TEST_F(MainWindowOptions, TrimOffKeepsBlanksInTheNextRun) {
  MakeItems(Data(), {"x .txt"});
  auto w = Open(Data());
  RunOptions(*w, [](TFOption& d) {
    d.chk_Trim->setChecked(false);
    return static_cast<int>(QDialog::Accepted);
  });
  w->TabControl1->setCurrentIndex(kTabReplace);
  auto* frame = qobject_cast<TFrm_Okikae*>(w->CurrentFrame());
  ASSERT_NE(frame, nullptr);
  frame->cmb_String_Old->setEditText("x");
  frame->cmb_String_New->setEditText("y");
  messenger_.OnExec = [](QDialog& d) {
    return static_cast<int>(qobject_cast<TFresult*>(&d) ? QDialog::Accepted : QDialog::Rejected);
  };
  w->btn_ActionClick();
  EXPECT_TRUE(Exists(Data(), "y .txt"));
  EXPECT_FALSE(Exists(Data(), "y.txt"));
}

TEST_F(MainWindowOptions, StartMaximisedTakesEffectAtTheNextStart) {
  {
    auto w = Open(std::nullopt);
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    RunOptions(*w, [](TFOption& d) {
      d.chk_StartFormMAX->setChecked(false);
      return static_cast<int>(QDialog::Accepted);
    });
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized) << "not before the next start";
    w->close();
  }
  auto w = Open(std::nullopt);
  EXPECT_FALSE(w->windowState() & Qt::WindowMaximized);
  RunOptions(*w, [](TFOption& d) {
    EXPECT_FALSE(d.chk_StartFormMAX->isChecked());
    return static_cast<int>(QDialog::Accepted);
  });
  EXPECT_FALSE(TIniFile(IniPath()).ReadBool("StartOption", "Chk_FormMax", true));
}

TEST_F(MainWindowOptions, AFileThatCannotBeWrittenIsReportedAndTheOptionsStillApply) {
  auto w = Open(std::nullopt);
  ASSERT_TRUE(QDir(settings_.path()).mkdir("Nalo.ini"));  // a folder where the file goes
  RunOptions(*w, [](TFOption& d) {
    d.BitBtn4->click();
    return static_cast<int>(QDialog::Accepted);
  });
  const std::vector<QString> errors = messenger_.TextsOf("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].contains(QString::fromStdString(IniPath()))) << errors[0].toStdString();
  EXPECT_EQ(w->ListView1->palette().color(QPalette::Base), ColorFromWindows(WindowsLookPreset().BackColor));
  messenger_.Messages.clear();
  QDir(settings_.path()).rmdir("Nalo.ini");
}

}  // namespace
}  // namespace nalo::test
