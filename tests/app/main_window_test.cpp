// The real main window driven offscreen: start-up, tabs, the run bracket, a
// replace run through the confirmation window to the disk and back by undo, the
// folder history, drops, the search conditions, combo paste and the settings
// round trip. Every test has its own settings folder and data folder.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "app/gui_test_support.h"
#include "app/main_window_fixture.h"
#include "execution/batch_history.h"
#include "execution/confirmation_sort.h"
#include "execution/gui/fresult.h"
#include "listing/path_history.h"
#include "platform/encoding.h"
#include "rules/gui/frm_okikae.h"
#include "rules/gui/frm_search.h"
#include "rules/rule_messages.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "ui/qt_text.h"
#include "ui/selection.h"

namespace nalo::test {
namespace {

using MainWindowTest = TMainWindowFixture;

TEST_F(MainWindowTest, StartsWithFolderArgumentAndListsIt) {
  MakeItems(Data(), {"b.txt", "a.txt", "sub/"});
  auto w = Open(Data() + "/");
  EXPECT_EQ(w->Entries().Count(), 2u);
  EXPECT_EQ(w->Entries().EntryAt(0).Name, "a.txt");
  EXPECT_EQ(w->windowTitle(), "Nalo - " + Data());
  EXPECT_EQ(w->Panel0Text(), QStringLiteral("検索個数：2個"));
  EXPECT_EQ(w->Panel1Text(), QStringLiteral("リネームするファイルを検索します"));
  EXPECT_EQ(w->cmb_Path->currentText(), Data());
  EXPECT_EQ(w->btn_Action->text(), QStringLiteral("検索(&F)"));
  EXPECT_FALSE(w->chk_SelectOnly->isEnabled());
}

// Closing takes the focus from the path box, whose line edit then finishes its
// edit and reports the folder it shows as chosen: the folder is not listed again.
TEST_F(MainWindowTest, ClosingDoesNotListTheFolderAgain) {
  MakeItems(Data(), {"a.txt"});
  auto w = Open(Data());
  ASSERT_EQ(w->Entries().Count(), 1u);
  MakeItems(Data(), {"b.txt"});
  w->close();
  emit w->cmb_Path->lineEdit()->editingFinished();
  EXPECT_EQ(w->Entries().Count(), 1u);
}

TEST_F(MainWindowTest, StartsWithoutArgumentAndForgetsAVanishedSavedFolder) {
  TIniFile ini(MainSettingsPath(settings_.path().toStdString()));
  ini.WriteString("LastTimeFolder", "Path", "/no/such/folder");
  ini.Save();
  auto w = Open(std::nullopt);
  EXPECT_TRUE(w->State().CurrentFolder.empty());
  EXPECT_EQ(w->Entries().Count(), 0u);
  EXPECT_EQ(w->windowTitle(), "Nalo");
}

TEST_F(MainWindowTest, ReplaceControlsSurviveATabSwitch) {
  auto w = Open(std::nullopt);
  TFrm_Okikae* frame = Replace(*w);
  ASSERT_NE(frame, nullptr);
  frame->cmb_Space_Old->setEditText("  x ");
  frame->rbtn_Widesp->click();
  frame->spn_Wide->setValue(3);
  frame->cmb_String_Old->addItem("cand");
  frame->cmb_String_Old->setEditText(" lead");
  frame->cmb_Kakko_Old->setCurrentIndex(7);
  frame->cmb_String_New->setEditText("new ");
  frame->chk_OmojiKomoji_String->setChecked(true);
  EXPECT_TRUE(frame->rbtn_String->isChecked());  // touching the string controls chose it
  const TTabStatus_Okikae before = frame->Status();

  w->TabControl1->setCurrentIndex(kTabAdd);
  EXPECT_EQ(w->Records().Okikae, before);
  frame = Replace(*w);
  EXPECT_EQ(frame->Status(), before);
  EXPECT_EQ(frame->cmb_String_Old->currentText(), " lead");
  EXPECT_EQ(frame->cmb_String_Old->itemText(0), "cand");
  EXPECT_EQ(frame->cmb_Kakko_Old->currentIndex(), 7);
  EXPECT_TRUE(frame->rbtn_Widesp->isChecked());
  EXPECT_EQ(frame->spn_Wide->value(), 3);
  EXPECT_TRUE(frame->rbtn_String->isChecked());
  EXPECT_EQ(w->btn_Action->text(), QStringLiteral("置換(&R)..."));
  EXPECT_EQ(w->chk_not->text(), QStringLiteral("置換しない条件を指定する"));
  EXPECT_TRUE(w->chk_SelectOnly->isEnabled());
}

TEST_F(MainWindowTest, RefusesATabChangeWhileBusy) {
  auto w = Open(std::nullopt);
  w->TabControl1->setCurrentIndex(kTabReplace);
  w->BeginRuleRun();
  EXPECT_FALSE(w->btn_Action->isEnabled());
  EXPECT_FALSE(w->Panel4->isEnabled());
  w->TabControl1->setCurrentIndex(kTabConvert);
  EXPECT_EQ(w->TabControl1->currentIndex(), kTabReplace);
  EXPECT_EQ(w->CurrentTab(), kTabReplace);
  w->EndRuleRun();
  EXPECT_TRUE(w->btn_Action->isEnabled());
  EXPECT_TRUE(w->Panel4->isEnabled());
  w->TabControl1->setCurrentIndex(kTabConvert);
  EXPECT_EQ(w->CurrentTab(), kTabConvert);
}

TEST_F(MainWindowTest, AppliesTheSelectedRowsMarksThemAndUndoes) {
  MakeItems(Data(), {"a_1.txt", "b_2.txt", "c_3.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "_", "-");
  QFont list_font = w->ListView1->font();
  list_font.setPointSize(23);
  w->ListView1->setFont(list_font);
  std::vector<std::string> shown;
  messenger_.OnExec = [&shown, list_font](QDialog& d) {
    auto* result = qobject_cast<TFresult*>(&d);
    if (result == nullptr) return static_cast<int>(QDialog::Rejected);
    shown.push_back(result->CountText().toStdString());
    EXPECT_EQ(result->ListView1->font(), list_font) << "every row in the list's one font";
    EXPECT_EQ(result->windowTitle(), QStringLiteral("置換するとこうなるぞ"));
    EXPECT_EQ(result->btn_OK->text(), QStringLiteral("置換実行"));
    SelectRows(result->ListView1, {0, 2});
    return static_cast<int>(QDialog::Accepted);
  };
  w->btn_ActionClick();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "対象ファイル数：3個 (全て)");
  EXPECT_TRUE(Exists(Data(), "a-1.txt"));
  EXPECT_TRUE(Exists(Data(), "b_2.txt"));
  EXPECT_TRUE(Exists(Data(), "c-3.txt"));
  EXPECT_EQ(w->Entries().EntryAt(0).State, kStateRenamed);
  EXPECT_EQ(w->Entries().EntryAt(1).State, kStateUntouched);
  EXPECT_EQ(w->SelectedEntries(), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(w->Panel0Text(), QStringLiteral("検索個数：3個、リネーム個数：2個"));
  EXPECT_TRUE(w->btn_Return->isEnabled());
  EXPECT_EQ(w->btn_Return->text(), QStringLiteral("元に戻す(&Z)"));

  w->btn_ReturnClick();
  EXPECT_TRUE(Exists(Data(), "a_1.txt"));
  EXPECT_TRUE(Exists(Data(), "c_3.txt"));
  EXPECT_EQ(w->Entries().EntryAt(0).Name, "a_1.txt");
  EXPECT_FALSE(w->btn_Return->isEnabled());
  EXPECT_EQ(w->Panel0Text(), QStringLiteral("検索個数：3個"));
}

// A legacy Shift-JIS name is listed as its text, marked and counted; the edit
// menu's conversion shows just that row and writes the name in UTF-8.
TEST_F(MainWindowTest, LegacyNamesAreMarkedCountedAndConverted) {
  MakeItems(Data(), {"a.txt"});
  const std::string legacy = Data().toStdString() + "/\x95\x5C.txt";  // 表.txt in legacy bytes
  std::fclose(std::fopen(legacy.c_str(), "w"));
  auto w = Open(Data());
  ASSERT_EQ(w->Entries().Count(), 2u);
  EXPECT_EQ(w->Panel0Text(), QStringLiteral("検索個数：2個、Shift-JIS の名前：1個"));
  const int row = w->Entries().EntryAt(0).Legacy ? 0 : 1;
  QAbstractItemModel* model = w->ListView1->model();
  EXPECT_FALSE(model->data(model->index(row, 0), Qt::DecorationRole).isNull());
  EXPECT_TRUE(model->data(model->index(1 - row, 0), Qt::DecorationRole).isNull());
  EXPECT_EQ(model->data(model->index(row, 0)).toString(), QStringLiteral("表.txt"));

  std::vector<std::string> shown;
  messenger_.OnExec = [&shown](QDialog& d) {
    auto* result = qobject_cast<TFresult*>(&d);
    if (result == nullptr) return static_cast<int>(QDialog::Rejected);
    shown.push_back(result->CountText().toStdString());
    return static_cast<int>(QDialog::Accepted);
  };
  w->findChild<QAction*>("FixEncoding1")->trigger();
  EXPECT_EQ(shown, std::vector<std::string>{"対象ファイル数：1個 (全て)"});
  EXPECT_TRUE(Exists(Data(), QStringLiteral("表.txt")));
  EXPECT_FALSE(std::filesystem::exists(legacy));
  EXPECT_FALSE(w->Entries().EntryAt(row).Legacy);
}

TEST_F(MainWindowTest, AFailedRenameIsMarkedAndReportedOnce) {
  MakeItems(Data(), {"a_1.txt", "a-1.txt", "b_2.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "_", "-");
  ApproveRows({});
  w->btn_ActionClick();
  EXPECT_TRUE(Exists(Data(), "a_1.txt"));  // its target existed
  EXPECT_TRUE(Exists(Data(), "b-2.txt"));
  const std::vector<QString> warnings = messenger_.TextsOf("warn");
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("1個、リネーム失敗しました。\r")));
  EXPECT_TRUE(w->Panel0Text().endsWith(QStringLiteral("、リネーム個数：1個、リネーム失敗数：1個")));
}

// The clash check runs on the worker after the rule: the window opens with each
// row's own mark (an existing target, the second of two rows onto one name) and
// their count.
TEST_F(MainWindowTest, TheConfirmationWindowOpensWithTheMarksOfItsOwnRows) {
  MakeItems(Data(), {"a_1.txt", "a-1.txt", "x_-.txt", "x-_.txt", "z_.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "_", "-");
  std::map<QString, QString> marks;  // present name -> problem column
  QString count;
  messenger_.OnExec = [&marks, &count](QDialog& d) {
    auto* result = qobject_cast<TFresult*>(&d);
    if (result == nullptr) return static_cast<int>(QDialog::Rejected);
    const QAbstractItemModel* model = result->ListView1->model();
    for (int r = 0; r < model->rowCount(); ++r) {
      marks[model->index(r, kOldNameColumn).data().toString()] =
          model->index(r, kProblemColumn).data().toString();
    }
    count = result->Label2->text();
    return static_cast<int>(QDialog::Rejected);
  };
  w->btn_ActionClick();
  ASSERT_EQ(marks.size(), 4u);
  EXPECT_EQ(marks["a_1.txt"], QStringLiteral("同名の項目あり"));
  EXPECT_EQ(marks["z_.txt"], QString());
  const std::multiset<QString> pair = {marks["x_-.txt"], marks["x-_.txt"]};
  EXPECT_EQ(pair, (std::multiset<QString>{QString(), QStringLiteral("名前が重複")}));
  EXPECT_EQ(count, QStringLiteral("問題のある行：2個"));
}

TEST_F(MainWindowTest, NoSelectionWithSelectOnlyShowsTheMessageAndRunsNothing) {
  MakeItems(Data(), {"a_1.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "_", "-");
  w->chk_SelectOnly->setChecked(true);
  bool opened = false;
  messenger_.OnExec = [&opened](QDialog&) {
    opened = true;
    return static_cast<int>(QDialog::Rejected);
  };
  w->btn_ActionClick();
  EXPECT_FALSE(opened);
  ASSERT_EQ(messenger_.TextsOf("info").size(), 1u);
  EXPECT_EQ(messenger_.TextsOf("info")[0], QString::fromUtf8(kMsgNoSelection));
}

TEST_F(MainWindowTest, ValidationAndNothingToRenameMessages) {
  MakeItems(Data(), {"abc.txt"});
  auto w = Open(Data());
  SetStringRule(*w, "x", "x");
  w->btn_ActionClick();
  SetStringRule(*w, "zzz", "y");
  w->btn_ActionClick();
  const std::vector<QString> infos = messenger_.TextsOf("info");
  ASSERT_EQ(infos.size(), 2u);
  EXPECT_EQ(infos[0], QString::fromUtf8(kMsgSameReplacement));
  EXPECT_EQ(infos[1], QString::fromUtf8(kMsgNothingToRename));
}

TEST_F(MainWindowTest, HistoryKeepsTwentyFoldersDroppingTheLastSorted) {
  TSettingsFiles files = LoadSettingsFiles(settings_.path().toStdString(), "/");
  for (int i = 0; i < 20; ++i) {
    files.Main.PathHistory.push_back("/zz/f" + std::to_string(10 + i));
  }
  ASSERT_TRUE(SaveSettingsFiles(settings_.path().toStdString(), files, "/").empty());
  MakeItems(Data(), {"a.txt"});
  auto w = Open(Data());
  const std::vector<std::string>& history = w->State().PathHistory;
  ASSERT_EQ(history.size(), 20u);
  EXPECT_EQ(std::count(history.begin(), history.end(), "/zz/f29"), 0);
  EXPECT_EQ(std::count(history.begin(), history.end(), Data().toStdString()), 1);
  EXPECT_EQ(w->cmb_Path->count(), 20);
  w->R1Click();  // listing a folder already there changes nothing
  EXPECT_EQ(w->State().PathHistory, history);
}

TEST_F(MainWindowTest, ListsExactlyOneDroppedFolder) {
  MakeItems(Data(), {"x.txt", "one/", "one/in.txt", "two/"});
  auto w = Open(std::nullopt);
  const std::string before = w->State().CurrentFolder;  // the home folder when nothing was saved
  w->DropPaths({Data() + "/x.txt"});
  EXPECT_EQ(w->State().CurrentFolder, before);
  w->DropPaths({Data() + "/one", Data() + "/two"});
  EXPECT_EQ(w->State().CurrentFolder, before);
  w->DropPaths({Data() + "/one/"});
  EXPECT_EQ(w->State().CurrentFolder, (Data() + "/one").toStdString());
  ASSERT_EQ(w->Entries().Count(), 1u);
  EXPECT_EQ(w->Entries().EntryAt(0).Name, "in.txt");
}

TEST_F(MainWindowTest, ClearingTheSearchConditionsListsEverythingAgain) {
  MakeItems(Data(), {"a.txt", "b.jpg", "cc.txt"});
  auto w = Open(Data());
  auto* search = qobject_cast<TFrm_Search*>(w->CurrentFrame());
  ASSERT_NE(search, nullptr);
  search->cmb_ExtMask->setEditText("*.txt");
  search->cmb_StrMask->setEditText("c");
  search->chk_StSize->setChecked(true);
  search->chk_EdDate->setChecked(true);
  w->chk_not->setChecked(true);
  w->btn_ActionClick();
  ASSERT_EQ(w->Entries().Count(), 1u);
  EXPECT_EQ(w->Entries().EntryAt(0).Name, "cc.txt");

  w->btn_ReturnClick();
  EXPECT_TRUE(search->cmb_ExtMask->currentText().isEmpty());
  EXPECT_TRUE(search->cmb_StrMask->currentText().isEmpty());
  for (QCheckBox* box : {search->chk_StSize, search->chk_EdSize, search->chk_StDate,
                         search->chk_EdDate, w->chk_not, w->chk_SelectOnly}) {
    EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
  }
  EXPECT_EQ(w->Entries().Count(), 3u);
}

TEST_F(MainWindowTest, PasteIntoAComboTakesTheFirst254Bytes) {
  auto w = Open(std::nullopt);
  TFrm_Okikae* frame = Replace(*w);
  QApplication::clipboard()->setText(QString(300, QChar('a')));
  w->SetPopupTag(1);
  w->PopMenuClick(3);
  EXPECT_EQ(frame->cmb_String_Old->currentText().size(), 254);
  // Two-byte characters are never cut in half: 127 of them make 254 bytes.
  QApplication::clipboard()->setText(QString(200, QChar(0x3042)));
  w->SetPopupTag(2);
  w->PopMenuClick(3);
  EXPECT_EQ(frame->cmb_String_New->currentText().size(), 127);
  // A text beyond code page 932 is taken whole.
  QApplication::clipboard()->setText(QString::fromUtf8("\xF0\x9F\x98\x80"));
  w->SetPopupTag(3);
  w->PopMenuClick(3);
  EXPECT_EQ(frame->cmb_Space_Old->currentText(), QString::fromUtf8("\xF0\x9F\x98\x80"));
  EXPECT_TRUE(messenger_.TextsOf("warn").empty());
}

TEST_F(MainWindowTest, TypedTextBeyondCp932IsTaken) {
  auto w = Open(std::nullopt);
  TFrm_Okikae* frame = Replace(*w);
  frame->cmb_String_Old->lineEdit()->setText("ok");
  frame->cmb_String_Old->lineEdit()->insert(QString::fromUtf8("\xC3\xA9\xF0\x9F\x98\x80"));
  EXPECT_EQ(frame->cmb_String_Old->currentText(), QString::fromUtf8("ok\xC3\xA9\xF0\x9F\x98\x80"));
  EXPECT_TRUE(messenger_.TextsOf("warn").empty());
}

TEST_F(MainWindowTest, FolderModeOnTheSearchTab) {
  MakeItems(Data(), {"f.txt", "d1/", "d2/"});
  auto w = Open(Data());
  w->Folder1Click();
  auto* search = qobject_cast<TFrm_Search*>(w->CurrentFrame());
  ASSERT_NE(search, nullptr);
  EXPECT_FALSE(search->spn_st->isEnabled());
  EXPECT_FALSE(search->rag_Unit->isEnabled());
  EXPECT_FALSE(w->findChild<QMenu*>("N32")->isEnabled());
  EXPECT_EQ(w->Panel1Text(), QStringLiteral("リネームするフォルダを検索します"));
  ASSERT_EQ(w->Entries().Count(), 2u);
  EXPECT_EQ(w->ListView1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("フォルダ名"));
  EXPECT_EQ(w->ListView1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("種類"));
  EXPECT_EQ(w->ListView1->model()->index(0, 1).data().toString(), QStringLiteral("フォルダ"));
}

TEST_F(MainWindowTest, DecliningTheRescanKeepsTheModeAndTheList) {
  MakeItems(Data(), {"a_1.txt", "d/"});
  auto w = Open(Data());
  SetStringRule(*w, "_", "-");
  ApproveRows({});
  w->btn_ActionClick();
  ASSERT_TRUE(w->btn_Return->isEnabled());
  messenger_.YesNoAnswers = {false};
  w->Folder1Click();
  EXPECT_TRUE(w->FilesMode());
  EXPECT_EQ(w->Entries().EntryAt(0).State, kStateRenamed);
  EXPECT_EQ(messenger_.TextsOf("yesno").back(),
            QStringLiteral("検索しなおすと元に戻せなくなります。\r\r検索しますか？"));
}

TEST_F(MainWindowTest, WatcherReportShowsThePromptAndADeclineKeepsTheList) {
  MakeItems(Data(), {"a.txt"});
  auto w = Open(Data());
  MakeItems(Data(), {"b.txt"});
  QString label3 = "unset";
  messenger_.OnExec = [&label3](QDialog& d) {
    if (auto* l = d.findChild<QLabel*>("Label3")) label3 = l->text();
    return static_cast<int>(QDialog::Rejected);
  };
  w->DirectoryWatcher1Change();
  EXPECT_TRUE(label3.isEmpty());
  EXPECT_EQ(w->Entries().Count(), 1u);
  messenger_.OnExec = [](QDialog&) { return static_cast<int>(QDialog::Accepted); };
  w->DirectoryWatcher1Change();  // a later report may prompt again
  EXPECT_EQ(w->Entries().Count(), 2u);
}

TEST_F(MainWindowTest, SettingsSurviveARestart) {
  MakeItems(Data(), {"a.txt", "d/"});
  {
    auto w = Open(Data());
    w->Menu_SizeClick(1);
    TFrm_Okikae* frame = Replace(*w);
    frame->cmb_Space_Old->setEditText(" x");
    frame->spn_Hankaku->setValue(4);
    w->chk_not->setChecked(true);
    w->chk_OmojiKomoji->setChecked(false);
    w->chk_SelectOnly->setChecked(true);
    w->cmb_notText->setEditText("skip");
    w->Folder1Click();
    w->close();
    EXPECT_TRUE(messenger_.TextsOf("error").empty());
  }
  auto w = Open(std::nullopt);
  EXPECT_EQ(w->CurrentTab(), kTabReplace);
  EXPECT_FALSE(w->FilesMode());
  EXPECT_EQ(w->State().CurrentFolder, Data().toStdString());
  EXPECT_EQ(w->Entries().Count(), 1u);  // the folder d
  EXPECT_TRUE(w->chk_not->isChecked());
  EXPECT_FALSE(w->chk_OmojiKomoji->isChecked());
  EXPECT_TRUE(w->chk_SelectOnly->isChecked());
  EXPECT_EQ(w->State().SizeUnit, 1);
  auto* frame = qobject_cast<TFrm_Okikae*>(w->CurrentFrame());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->cmb_Space_Old->currentText(), " x");
  EXPECT_EQ(frame->spn_Hankaku->value(), 4);
  EXPECT_TRUE(frame->rbtn_Space->isChecked());
  EXPECT_EQ(w->Records().Search.SizeUnit, 1);
}

TEST_F(MainWindowTest, OffersToUndoAnUnfinishedBatchAtStartUp) {
  MakeItems(Data(), {"new.txt"});
  const std::string data = Data().toStdString() + "/";
  TJournalPlan plan(data);
  ASSERT_EQ(plan.Begin(settings_.path().toStdString()), 0);
  plan.AddStep(1, 1, TStepKind::Plain, data, "old.txt", data, "new.txt");
  ASSERT_EQ(plan.Commit(), 0);
  messenger_.YesNoAnswers = {false};
  auto w = Open(std::nullopt);
  ASSERT_EQ(messenger_.TextsOf("yesno").size(), 1u);
  EXPECT_TRUE(messenger_.TextsOf("yesno")[0].contains(QStringLiteral("元に戻しますか")));
  // No gives the batch up: the next batch may start.
  const auto history = ReadHistory(settings_.path().toStdString());
  ASSERT_FALSE(history.empty());
  EXPECT_EQ(history.front().State, TJournalState::Discarded);
}

TEST_F(MainWindowTest, ListCommandsCopyRemoveAndSelect) {
  MakeItems(Data(), {"a.txt", "b.txt", "c.txt"});
  auto w = Open(Data());
  w->SelectEntries({1});
  EXPECT_EQ(w->Panel0Text(), QStringLiteral("検索個数：3個 ( 1個のオブジェクトを選択 )"));
  w->pmn_PathClick();
  EXPECT_EQ(QApplication::clipboard()->text(), Data() + "/b.txt");
  w->I1Click();
  EXPECT_EQ(w->SelectedEntries(), (std::vector<std::size_t>{0, 2}));
  w->menu_DelClick();
  ASSERT_EQ(w->Entries().Count(), 1u);
  EXPECT_EQ(w->Entries().EntryAt(0).Name, "b.txt");
  EXPECT_TRUE(Exists(Data(), "a.txt"));
  w->ListView1ColumnClick(0);  // name, now descending
  w->N4Click();
  EXPECT_EQ(w->SelectedEntries().size(), 1u);
}

}  // namespace
}  // namespace nalo::test

namespace nalo {
namespace {

// A name shown on screen and edited elsewhere comes back with every other byte as
// it was on disk: stray bytes, characters beyond code page 932, plain text.
TEST(QtText, AnEditedNameKeepsItsOtherBytes) {
  const char* const disk_names[] = {"data\xFF\xFE.bin", "caf\xC3\xA9\xFF.txt", "\xFE", "plain.txt",
                                    "\xF0\x9F\x98\x80\xC3.txt"};
  for (const char* disk : disk_names) {
    SCOPED_TRACE(disk);
    const std::optional<TDiskName> core = DiskNameToCp932(disk);
    ASSERT_TRUE(core);
    const std::optional<std::string> edited = ToCp932(QStringLiteral("X_") + FromCp932(core->Text));
    ASSERT_TRUE(edited);
    EXPECT_EQ(Cp932ToUtf8(*edited), "X_" + std::string(disk));
  }
}

}  // namespace
}  // namespace nalo
