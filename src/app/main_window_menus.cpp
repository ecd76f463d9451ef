// The main menu and the three popup menus with their captions, keys and enabling.
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

#include "app/main_window.h"
#include "execution/batch_history.h"
#include "execution/gui/fdelete_command.h"
#include "execution/gui/fhistory.h"
#include "execution/gui/frename_command.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/entry_list_model.h"
#include "listing/list_edit.h"
#include "rules/gui/tab_frame.h"
#include "settings/candidate_lists.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"
#include "ui/selection.h"

namespace nalo {
namespace {

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* key = nullptr) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  if (key != nullptr) action->setShortcut(QKeySequence(QString::fromUtf8(key)));
  return action;
}

}  // namespace

QAction* TFMainFrm::Action(const char* name) const { return findChild<QAction*>(name); }

void TFMainFrm::BuildMainMenu() {
  menuBar()->setObjectName("MainMenu1");
  BuildFileMenu();
  BuildEditMenu();
  BuildSettingsMenu();
  QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
  connect(AddItem(help, "About1", "バージョン情報(&A)..."), &QAction::triggered, this,
          &TFMainFrm::About1Click);
}

void TFMainFrm::BuildFileMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  file->setObjectName("File1");
  connect(AddItem(file, "Open1", "フォルダ選択(&S)..."), &QAction::triggered, this,
          &TFMainFrm::Btn_FolderClick);
  connect(AddItem(file, "N26", "現在のフォルダをエクスプローラーで開く(&O)"), &QAction::triggered,
          this, &TFMainFrm::SpeedButton1Click);
  connect(AddItem(file, "R1", "最新の情報に更新(&R)", "F5"), &QAction::triggered, this,
          &TFMainFrm::R1Click);
  file->addSeparator();
  connect(AddItem(file, "Exit1", "終了(&X)"), &QAction::triggered, this, &QWidget::close);
  connect(file, &QMenu::aboutToShow, this,
          [this] { Action("R1")->setEnabled(!state_.CurrentFolder.empty()); });
}

void TFMainFrm::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  edit->setObjectName("Edit1");
  connect(AddItem(edit, "N4", "全て選択(&A)", "Ctrl+A"), &QAction::triggered, this,
          &TFMainFrm::N4Click);
  connect(AddItem(edit, "I1", "選択の切り替え(&I)"), &QAction::triggered, this, &TFMainFrm::I1Click);
  AddItem(edit, "Rename2", "名前の変更(&M)", "F2")->setEnabled(false);
  edit->addSeparator();
  connect(AddItem(edit, "FixEncoding1", "Shift-JIS の名前を UTF-8 に変換(&U)..."),
          &QAction::triggered, this, &TFMainFrm::FixEncodingClick);
  connect(AddItem(edit, "History1", "履歴(&H)..."), &QAction::triggered, this,
          &TFMainFrm::History1Click);
  connect(edit, &QMenu::aboutToShow, this, &TFMainFrm::Edit1Popup);

  QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  QAction* folder_win = AddItem(view, "menu_FolderWin", "フォルダ選択窓(&F)");
  folder_win->setCheckable(true);
  connect(folder_win, &QAction::triggered, this, &TFMainFrm::menu_FolderWinClick);
  AddItem(view, "PreviewColumn", "変更後の名前(&P)")->setCheckable(true);
  QMenu* target = view->addMenu(QStringLiteral("リネーム対象"));
  target_group_ = new QActionGroup(this);
  QAction* files = AddItem(target, "File2", "ファイル(&F)");
  QAction* folders = AddItem(target, "Folder1", "フォルダ(&D)");
  for (QAction* a : {files, folders}) {
    a->setCheckable(true);
    target_group_->addAction(a);
  }
  files->setChecked(true);
  connect(files, &QAction::triggered, this, &TFMainFrm::File2Click);
  connect(folders, &QAction::triggered, this, &TFMainFrm::Folder1Click);
  N32 = view->addMenu(QStringLiteral("表示サイズ単位(&U)"));
  N32->setObjectName("N32");
  unit_group_ = new QActionGroup(this);
  const char* names[] = {"Menu_Byte", "Menu_KByte", "Menu_MByte"};
  const char* captions[] = {"バイト(&B)", "KB(&K)", "MB(&M)"};
  for (int unit = 0; unit < 3; ++unit) {
    QAction* a = AddItem(N32, names[unit], captions[unit]);
    a->setCheckable(true);
    a->setData(unit);
    unit_group_->addAction(a);
    connect(a, &QAction::triggered, this, [this, unit] { Menu_SizeClick(unit); });
  }
}

void TFMainFrm::BuildSettingsMenu() {
  QMenu* lists = menuBar()->addMenu(QStringLiteral("設定(&S)"));
  // A list editor item opens the editor on the list of its tab and Tag.
  const auto list_item = [this](QMenu* menu, const char* name, const char* caption, int tab,
                                int tag) {
    connect(AddItem(menu, name, caption), &QAction::triggered, this, [this, tab, tag] {
      SetPopupTag(tag);
      EditCandidateList(tab);
    });
  };
  list_item(lists, "N10", "マスク（拡張子）編集(&E)...", kTabSearch, 1);
  list_item(lists, "N11", "マスク（文字列）編集(&S)...", kTabSearch, 2);
  lists->addSeparator();
  list_item(lists, "N12", "文字列置換用、対象文字列編集(&D)...", kTabReplace, 1);
  list_item(lists, "S2", "文字列置換用、置換文字列編集(&R)...", kTabReplace, 2);
  list_item(lists, "N14", "空白置換用、対象文字列編集(&S)...", kTabReplace, 3);
  lists->addSeparator();
  list_item(lists, "S3", "任意文字列編集(&S)...", kTabAdd, 5);
  list_item(lists, "N16", "追加文字列、候補１編集(&1)...", kTabAdd, 1);
  list_item(lists, "N17", "追加文字列、候補２編集(&2)...", kTabAdd, 2);
  list_item(lists, "N18", "追加文字列、候補３編集(&3)...", kTabAdd, 3);
  list_item(lists, "N19", "追加文字列、候補４編集(&4)...", kTabAdd, 4);
  lists->addSeparator();
  const auto template_item = [this, lists](const char* name, const char* caption,
                                           TInfoKind kind) {
    connect(AddItem(lists, name, caption), &QAction::triggered, this,
            [this, kind] { OpenTemplateDialog(kind); });
  };
  template_item("AVI1", "AVIファイルのコーデック・サイズ設定(&A)...", TInfoKind::Avi);
  template_item("D1", "更新日時・ファイルサイズ設定(&D)...", TInfoKind::DateSize);
  template_item("JPGGIFJ1", "JPG/GIF/PNG画像サイズ設定(&J)", TInfoKind::Image);
  template_item("MP3M1", "MP3ファイルのID3Tag・Mpeg情報設定(&M)...", TInfoKind::Mp3);
  template_item("F1", "フォルダ名設定(&F)...", TInfoKind::Folder);
  lists->addSeparator();
  list_item(lists, "N20", "連番ファイル名編集(&F)...", kTabConvert, 1);
  list_item(lists, "N21", "変換拡張子編集(&E)...", kTabConvert, 2);
  list_item(lists, "N28", "任意文字列編集(&S)", kTabMove, 1);
  list_item(lists, "N29", "移動文字列編集(&M)", kTabMove, 2);
  list_item(lists, "S4", "正規表現編集(&S)...", kTabRegex, 1);
  list_item(lists, "R3", "置換文字列編集(&R)...", kTabRegex, 2);
  QMenu* nots = lists->addMenu(QStringLiteral("～しない条件編集(&N)"));
  list_item(nots, "N36", "検索しない条件編集(&1)...", kTabSearch, kExclusionListTag);
  list_item(nots, "N37", "置換しない条件編集(&2)...", kTabReplace, kExclusionListTag);
  list_item(nots, "N38", "追加しない条件編集(&3)...", kTabAdd, kExclusionListTag);
  list_item(nots, "N39", "変換しない条件編集(&4)...", kTabConvert, kExclusionListTag);
  list_item(nots, "N41", "移動しない条件編集(&5)...", kTabMove, kExclusionListTag);
  list_item(nots, "N40", "置換しない条件（正規表現）編集(&6)...", kTabRegex, kExclusionListTag);
  QMenu* options = menuBar()->addMenu(QStringLiteral("オプション(&O)"));
  connect(AddItem(options, "N3", "設定(&O)..."), &QAction::triggered, this, &TFMainFrm::N3Click);
}

void TFMainFrm::BuildPopupMenus() {
  pm_Main = new QMenu(this);
  pm_Main->setObjectName("pm_Main");
  AddItem(pm_Main, "Rename1", "名前の変更(&M)", "F2")->setEnabled(false);
  pm_Main->addSeparator();
  QAction* name = AddItem(pm_Main, "pmn_Name", "名前をクリップボードへコピー(&N)", "Ctrl+N");
  QAction* size = AddItem(pm_Main, "pmn_Size", "サイズをクリップボードへコピー(&S)", "Ctrl+M");
  QAction* path = AddItem(pm_Main, "pmn_Path", "フルパスをクリップボードへコピー(&F)", "Ctrl+P");
  pm_Main->addSeparator();
  QAction* del = AddItem(pm_Main, "menu_Delete", "ファイルの削除(&D)...", "Shift+Del");
  QAction* remove = AddItem(pm_Main, "menu_Del", "アイテムをリストから外す(&D)", "Ctrl+Del");
  connect(name, &QAction::triggered, this, &TFMainFrm::pmn_NameClick);
  connect(size, &QAction::triggered, this, &TFMainFrm::pmn_SizeClick);
  connect(path, &QAction::triggered, this, &TFMainFrm::pmn_PathClick);
  connect(remove, &QAction::triggered, this, &TFMainFrm::menu_DelClick);
  ConnectDeleteAndRename();
  // The keys of the list's menu work while the list has the focus.
  for (QAction* a : {name, size, path, del, remove}) {
    a->setShortcutContext(Qt::WidgetShortcut);
    ListView1->addAction(a);
  }
  connect(pm_Main, &QMenu::aboutToShow, this, &TFMainFrm::pm_MainPopup);
  connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    pm_Main->popup(ListView1->viewport()->mapToGlobal(pos));
  });

  pm_Combo = new QMenu(this);
  pm_Combo->setObjectName("pm_Combo");
  connect(AddItem(pm_Combo, "N5", "内容を編集する（&M）..."), &QAction::triggered, this,
          [this] { EditCandidateList(current_tab_); });
  pm_Combo->addSeparator();
  const char* names[] = {"Pmenu_Cut", "Pmenu_Copy", "Pmenu_Pest"};
  const char* captions[] = {"切り取り(&T)", "コピー(&C)", "貼り付け(&P)"};
  const char* keys[] = {"Ctrl+X", "Ctrl+C", "Ctrl+V"};
  for (int command = 1; command <= 3; ++command) {
    QAction* a = AddItem(pm_Combo, names[command - 1], captions[command - 1], keys[command - 1]);
    a->setShortcutContext(Qt::WidgetShortcut);  // shown only; the edit box has its own keys
    connect(a, &QAction::triggered, this, [this, command] { PopMenuClick(command); });
  }
  connect(pm_Combo, &QMenu::aboutToShow, this, &TFMainFrm::pm_ComboPopup);

  pm_Label = new QMenu(this);
  pm_Label->setObjectName("pm_Label");
  // Opens the template dialog of the button the menu was opened on (tags 5-9).
  connect(AddItem(pm_Label, "M1", "内容を設定する（&O）..."), &QAction::triggered, this, [this] {
    if (popup_tag_ >= static_cast<int>(TInfoKind::Avi) &&
        popup_tag_ <= static_cast<int>(TInfoKind::Folder)) {
      OpenTemplateDialog(static_cast<TInfoKind>(popup_tag_));
    }
  });
}

// The history window. An undo there that reaches the listed folder lists it again;
// when it undid the batch the list still marks, that batch's marks are void and
// the listing need not warn about losing them.
void TFMainFrm::History1Click() {
  THistoryEnv env{messenger_, options_.SettingsFolder, WatcherSwitch(), {}};
  env.AfterUndo = [this](const TJournalUndoResult& result) {
    if (!BatchTouchesFolder(result.Batch, FromCp932(state_.CurrentFolder).toStdString())) return;
    if (result.Batch.Batch == entries_.JournalBatch) state_.UndoPending = false;
    RelistFolder();
  };
  TFHistory window(env, this);
  messenger_->ExecModal(window);
}

TWatcherSwitch TFMainFrm::WatcherSwitch() {
  return [this](bool enabled) { watcher_->SetEnabled(enabled); };
}

// Delete (menu_Delete) and single rename: the dialog on a double-click or Enter,
// the in-place edit of the name on Rename1 and Rename2. The entry list changes in
// place; no folder scan follows.
void TFMainFrm::ConnectDeleteAndRename() {
  connect(Action("menu_Delete"), &QAction::triggered, this, [this] {
    const std::vector<std::size_t> rows = SelectedEntries();
    if (rows.empty() || Busy()) return;
    const TDeleteResult result =
        DeleteSelectionWithDialog(this, entries_, rows, WatcherSwitch(), *messenger_);
    if (result.Message.empty()) return;  // cancelled: the list and its selection stay
    ListView1->clearSelection();
    model_->Reset();
    RefreshStatusCounts();
  });
  for (const char* name : {"Rename1", "Rename2"}) {
    connect(Action(name), &QAction::triggered, this, &TFMainFrm::Rename1Click);
  }
  connect(ListView1, &QAbstractItemView::doubleClicked, this, &TFMainFrm::ListView1DblClick);
  // The edit is committed once the editor has closed, so that the messages it may
  // show never open while the editor is still handing its text over. The entry is
  // found again by its path: the list may have changed in between.
  model_->SetNameEditor([this](std::size_t row, const QString& text) {
    if (row >= entries_.Count()) return;
    const std::string path = entries_.EntryAt(row).FullPath();
    const auto commit = [this, row, path, text] {
      if (row < entries_.Count() && entries_.EntryAt(row).FullPath() == path) {
        ListView1Edited(row, text);
      }
    };
    QMetaObject::invokeMethod(this, commit, Qt::QueuedConnection);
  });
  // The menus' keys work whether or not a menu was opened: their enabling follows
  // the selection, and a reset of the list (which drops the selection) too.
  connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TFMainFrm::pm_MainPopup);
  connect(model_, &QAbstractItemModel::modelReset, this, &TFMainFrm::pm_MainPopup);
  connect(model_, &QAbstractItemModel::rowsRemoved, this, &TFMainFrm::pm_MainPopup);
  pm_MainPopup();
}

void TFMainFrm::RenameSelectedWithDialog() {
  if (Busy()) return;  // a worker holds the entries
  const std::vector<std::size_t> rows = SelectedEntries();
  if (rows.size() != 1) return;
  const TSingleRenameResult result =
      RenameWithDialog(this, entries_, rows.front(), WatcherSwitch(), *messenger_);
  model_->EntriesChanged();
  if (result.RefreshCounts) RefreshStatusCounts();
}

void TFMainFrm::ListView1DblClick() { RenameSelectedWithDialog(); }

void TFMainFrm::ListView1KeyPress() { RenameSelectedWithDialog(); }

void TFMainFrm::Rename1Click() {
  if (Busy()) return;  // a worker holds the entries
  const std::vector<std::size_t> rows = SelectedEntries();
  if (rows.size() != 1) return;
  const QModelIndex name = model_->index(static_cast<int>(rows.front()), 0);
  ListView1->setCurrentIndex(name);
  ListView1->edit(name);
}

void TFMainFrm::ListView1Edited(std::size_t row, const QString& text) {
  if (Busy()) return;  // a worker holds the entries
  if (row >= entries_.Count()) return;
  const TSingleRenameResult result =
      CommitInPlaceRename(this, entries_, row, text, WatcherSwitch(), *messenger_);
  const QModelIndex name = model_->index(static_cast<int>(row), 0);
  emit model_->dataChanged(name, name);
  if (result.RefreshCounts) RefreshStatusCounts();
}

void TFMainFrm::Edit1Popup() {
  Action("Rename2")->setEnabled(SelectedRowCount(ListView1->selectionModel()) == 1);
}

void TFMainFrm::pm_MainPopup() {
  const TMenuEnabling e = MenuEnablingFor(SelectedRowCount(ListView1->selectionModel()));
  for (const char* name : {"pmn_Name", "pmn_Size", "pmn_Path"}) Action(name)->setEnabled(e.OneEntryItems);
  Action("Rename1")->setEnabled(e.OneEntryItems);
  Action("Rename2")->setEnabled(e.OneEntryItems);
  Action("menu_Del")->setEnabled(e.SelectionItems);
  Action("menu_Delete")->setEnabled(e.SelectionItems);
}

void TFMainFrm::pm_ComboPopup() {
  QComboBox* target = PopupTarget();
  const bool selection = target != nullptr && target->lineEdit() != nullptr &&
                         target->lineEdit()->hasSelectedText();
  Action("Pmenu_Cut")->setEnabled(selection);
  Action("Pmenu_Copy")->setEnabled(selection);
  Action("Pmenu_Pest")->setEnabled(target != nullptr &&
                                   !QGuiApplication::clipboard()->text().isEmpty());
}

}  // namespace nalo
