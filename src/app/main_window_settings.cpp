// Reading every setting of the main window at creation and writing them back at
// shutdown, through the core's settings records. A file that cannot be written is
// named in one message each; the other files are still written.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QTabBar>
#include <QTableView>

#include "app/main_window.h"
#include "listing/gui/entry_list_model.h"
#include "listing/path_history.h"
#include "rules/gui/position_list.h"
#include "settings/settings_folder.h"
#include "ui/cp932_guard.h"
#include "ui/list_look.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {

void TFMainFrm::LoadSettings() {
  settings_ = LoadSettingsFiles(options_.SettingsFolder, DefaultListingFolder());
  const TMainSettings& m = settings_.Main;
  setGeometry(m.Form.Left, m.Form.Top, m.Form.Width, m.Form.Height);
  ApplyListLook();
  for (int c = 0; c < kListColumnCount; ++c) ListView1->setColumnWidth(c, m.ColumnWidths[c]);
  state_.CurrentFolder = m.LastFolder;
  state_.PathHistory = m.PathHistory;
  SortPathHistory(state_.PathHistory);
  state_.SizeUnit = settings_.Tabs.Search.SizeUnit;
  state_.PreviousUnit = state_.SizeUnit;
  for (QAction* a : unit_group_->actions()) a->setChecked(a->data().toInt() == state_.SizeUnit);
  chk_not->setChecked(m.NotCheck);
  chk_OmojiKomoji->setChecked(m.NotCaseSensitive);
  chk_SelectOnly->setChecked(m.SelectOnly);
  Action(m.FileMode ? "File2" : "Folder1")->setChecked(true);
  // The records were stored in the saved mode.
  AddPositionMemory().Started(m.FileMode, settings_.Tabs.Add.Position);
  MovePositionMemory().Started(m.FileMode, settings_.Tabs.Move.Position);
  Action("PreviewColumn")->setChecked(m.PreviewColumn);
  const int tab = m.TabIdx >= 0 && m.TabIdx < kTabCount ? m.TabIdx : 0;
  for (const std::string& item : m.NotLists[tab]) cmb_notText->addItem(FromCp932(item));
  cmb_notText->setCurrentIndex(-1);
  SetGuardedText(cmb_notText, QString());
  for (const std::string& folder : state_.PathHistory) cmb_Path->addItem(FromCp932(folder));
  cmb_Path->setCurrentIndex(-1);
  setWindowState(m.Chk_FormMax ? Qt::WindowMaximized : Qt::WindowNoState);
}

void TFMainFrm::ApplyListLook() {
  const TListViewOptions& look = settings_.Main.ListView;
  const QColor text = ColorFromWindows(look.FontColor);
  const QColor back = ColorFromWindows(look.BackColor);
  ApplyListColors(ListView1, text, back);
  ApplyListColors(cmb_Path, text, back);
  const QFont font = ListFont(look);
  ListView1->setFont(font);
  QFont path_font = cmb_Path->font();
  path_font.setFamily(font.family());
  cmb_Path->setFont(path_font);
}

// The window's state into settings_.Main, as SaveSettings writes it.
void TFMainFrm::CollectMainSettings() {
  TMainSettings& m = settings_.Main;
  m.TabIdx = current_tab_;
  const QRect bounds = normalGeometry().isValid() ? normalGeometry() : geometry();
  m.Form = {bounds.top(), bounds.left(), bounds.height(), bounds.width()};
  m.LastFolder = state_.CurrentFolder;
  for (int c = 0; c < kListColumnCount; ++c) m.ColumnWidths[c] = ListView1->columnWidth(c);
  m.NotCheck = chk_not->isChecked();
  m.NotCaseSensitive = chk_OmojiKomoji->isChecked();
  m.SelectOnly = chk_SelectOnly->isChecked();
  m.FileMode = FilesMode();
  m.PreviewColumn = Action("PreviewColumn")->isChecked();
  if (!ListView1->isColumnHidden(TEntryListModel::kNewNameColumn)) {  // a hidden one reads 0
    m.PreviewColumnWidth = ListView1->columnWidth(TEntryListModel::kNewNameColumn);
  }
  m.PathHistory = state_.PathHistory;
}

void TFMainFrm::SaveSettings() {
  CollectMainSettings();
  StoreTabStatus(current_tab_);
  TTabStatusSet& tabs = settings_.Tabs;
  tabs.Add.Position = AddPositionMemory().PositionToSave(tabs.Add.Position, FilesMode());
  tabs.Move.Position = MovePositionMemory().PositionToSave(tabs.Move.Position, FilesMode());
  const std::vector<std::string> failures =
      SaveSettingsFiles(options_.SettingsFolder, settings_, DefaultListingFolder());
  for (const std::string& failure : failures) messenger_->Error(this, FromUtf8(failure));
}

}  // namespace nalo
