// Life of the main window: creation (widgets, menus, settings, templates),
// the first showing (search frame, folder choice, first listing, saved tab),
// closing (settings written), and the run bracket BeginRuleRun / EndRuleRun.
#include "app/main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <utility>

#include "app/live_preview.h"
#include "execution/gui/fbatch_progress.h"
#include "fileinfo/info_source.h"
#include "listing/gui/dir_watch_bridge.h"
#include "listing/gui/entry_list_model.h"
#include "listing/gui/yes_no_dialog_ex.h"
#include "rules/gui/tab_frame.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Local folders among the dropped URLs, or their paths when they are files too.
QStringList DroppedPaths(const QMimeData* mime) {
  QStringList paths;
  if (mime == nullptr || !mime->hasUrls()) return paths;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile());
  }
  return paths;
}

bool IsSingleFolderDrop(const QMimeData* mime) {
  const QStringList paths = DroppedPaths(mime);
  return paths.size() == 1 && QFileInfo(paths.front()).isDir();
}

}  // namespace

TFMainFrm::TFMainFrm(TMainWindowOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)) {
  if (options_.Messenger != nullptr) {
    messenger_ = options_.Messenger;
  } else {
    own_messenger_ = std::make_unique<TQtMessenger>();
    messenger_ = own_messenger_.get();
  }
  setObjectName("FMainFrm");
  setWindowTitle(QString::fromUtf8(kAppTitle));
  FormCreate();
}

TFMainFrm::~TFMainFrm() {
  // The widgets go on sending signals while QWidget takes them down (the path
  // box reports a focus loss as a choice), after this window's own members are
  // gone; no handler of this window may run then.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
  DestroyFrame();
  delete prompt_.data();
}

void TFMainFrm::FormCreate() {
  watcher_ = new TDirWatchBridge(this);
  watcher_->SetDelayTime(kMainWindowDelayTimeMs);
  connect(watcher_, &TDirWatchBridge::Changed, this, [this] { DirectoryWatcher1Change(); });
  BuildToolBar();
  BuildCentre();
  BuildStatusBar();
  BuildMainMenu();
  BuildPopupMenus();
  LoadSettings();
  info_ = LoadAllInfoSettings(TIniFile(MainSettingsPath(options_.SettingsFolder)));
  info_source_ = MakeInfoTextSource(info_, options_.SettingsFolder);
  preview_ = new TLivePreview(*this, *model_, *Action("PreviewColumn"));
  ListView1->setColumnWidth(TEntryListModel::kNewNameColumn, settings_.Main.PreviewColumnWidth);
}

void TFMainFrm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
  // Some window managers drop a maximised state set before the window was mapped
  // (the window then sits at 0,0 with its title bar off screen): set it again.
  if (settings_.Main.Chk_FormMax) {
    QMetaObject::invokeMethod(
        this, [this] { setWindowState(windowState() | Qt::WindowMaximized); },
        Qt::QueuedConnection);
  }
}

void TFMainFrm::FormShow() {
  btn_Return->setEnabled(true);
  state_.UndoPending = false;
  {
    const QSignalBlocker block(TabControl1);
    TabControl1->setCurrentIndex(kTabSearch);
  }
  current_tab_ = kTabSearch;
  SetTabCaptions(kTabSearch);
  btn_Action->setText(QStringLiteral("検索(&F)"));
  UpdateExclusionEnabling();
  CreateFrame(kTabSearch);
  UpdateColumnCaptions();
  ApplyTargetMode(FilesMode());

  if (options_.FolderArgument) {
    QString folder = *options_.FolderArgument;
    while (folder.size() > 1 && folder.endsWith(QChar('/'))) folder.chop(1);
    const std::optional<std::string> cp932 = ToCp932(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo(folder).isDir() && cp932) state_.CurrentFolder = *cp932;
  }
  if (!state_.CurrentFolder.empty() && !QFileInfo(FromCp932(state_.CurrentFolder)).isDir()) {
    state_.CurrentFolder.clear();
  }
  RestoreFolderTree();
  // The first listing waits for the window to be on screen: a long scan then
  // runs under a painted window rather than before it appears.
  QMetaObject::invokeMethod(this, &TFMainFrm::FinishStart, Qt::QueuedConnection);
}

void TFMainFrm::FinishStart() {
  if (std::exchange(started_, true)) return;
  OfferJournalUndo();
  if (!state_.CurrentFolder.empty()) ListFolderCp932(state_.CurrentFolder);

  const int saved_tab = settings_.Main.TabIdx;
  if (saved_tab != kTabSearch) TabControl1->setCurrentIndex(saved_tab);
}

void TFMainFrm::CloseFromSignal() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(top);
    if (dialog != nullptr && dialog->isVisible() &&
        qobject_cast<TFBatchProgress*>(dialog) == nullptr) {
      dialog->reject();
    }
  }
  close();
}

void TFMainFrm::closeEvent(QCloseEvent* event) {
  // Work on a worker holds the entries: it is cancelled (a batch ends after the
  // step under way and stays undoable), and the window closes once it ended.
  if (worker_runs_ > 0) {
    close_pending_ = true;
    if (running_progress_ != nullptr) running_progress_->RequestCancel();
    event->ignore();
    return;
  }
  FormClose();
  QMainWindow::closeEvent(event);
}

void TFMainFrm::FormClose() {
  // Hiding the window takes the focus from the path box, which reports the folder
  // it shows as chosen; that must not list the folder again on the way out.
  disconnect(cmb_Path, &QComboBox::activated, this, nullptr);
  delete prompt_.data();
  TakeFolderTreeState();
  DestroyFolderTree();
  SaveSettings();
  watcher_->SetEnabled(false);
}

void TFMainFrm::UpdateExclusionEnabling() {
  const bool on = chk_not->isChecked();
  chk_OmojiKomoji->setEnabled(on);
  Label1->setEnabled(on);
  cmb_notText->setEnabled(on);
}

// A run may start inside another (a listing that a rule run asks for): only the
// outermost one saves and restores the enabling, so the inner one cannot leave
// the buttons off.
void TFMainFrm::BeginRuleRun() {
  if (run_depth_++ > 0) return;
  SetFolderTreeEnabled(false);
  run_cursor_ = !settings_.Main.SubFolder;
  if (run_cursor_) QApplication::setOverrideCursor(Qt::WaitCursor);
  saved_action_enabled_ = btn_Action->isEnabled();
  saved_return_enabled_ = btn_Return->isEnabled();
  saved_panel4_enabled_ = Panel4->isEnabled();
  busy_ = true;
  TabControl1->setEnabled(false);
  btn_Action->setEnabled(false);
  btn_Return->setEnabled(false);
  Panel4->setEnabled(false);
}

void TFMainFrm::EndRuleRun() {
  if (run_depth_ == 0 || --run_depth_ > 0) return;
  btn_Action->setEnabled(saved_action_enabled_);
  btn_Return->setEnabled(saved_return_enabled_);
  Panel4->setEnabled(saved_panel4_enabled_);
  TabControl1->setEnabled(true);
  busy_ = false;
  SetFolderTreeEnabled(true);
  if (run_cursor_) QApplication::restoreOverrideCursor();
  run_cursor_ = false;
}

bool TFMainFrm::eventFilter(QObject* watched, QEvent* event) {
  // Docking shows the window again, with a width that may equal its floating one.
  const bool sized = event->type() == QEvent::Resize || event->type() == QEvent::Show;
  if (sized && watched == FolderTreeDockWidget()) KeepDockedWidth();
  const bool drop_target =
      (ListView1 != nullptr && watched == ListView1->viewport()) || watched == cmb_Path;
  if (drop_target && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (IsSingleFolderDrop(drag->mimeData())) drag->acceptProposedAction();
    else drag->ignore();
    return true;
  }
  if (drop_target && event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = DroppedPaths(drop->mimeData());
    drop->acceptProposedAction();
    raise();
    activateWindow();
    DropPaths(paths);
    return true;
  }
  if (event->type() == QEvent::Hide && watched == cmb_Path->view()->parentWidget()) {
    // A choice, if any, is reported right after the list closes; the mark is
    // dropped once the events of this moment are handled.
    path_chosen_from_list_ = true;
    QMetaObject::invokeMethod(
        this, [this] { path_chosen_from_list_ = false; }, Qt::QueuedConnection);
  }
  // Enter on the list opens the rename dialog; an Enter that an in-place editor
  // passes on to the list only ends that edit.
  if (watched == ListView1 && event->type() == QEvent::KeyPress &&
      ListView1->indexWidget(ListView1->currentIndex()) == nullptr) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ListView1KeyPress();
      return true;
    }
  }
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::ContextMenu) {
    if (auto* combo = qobject_cast<QComboBox*>(watched)) {
      if (combo->property(kTagProperty).isValid()) popup_tag_ = combo->property(kTagProperty).toInt();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

QString TFMainFrm::Panel0Text() const { return panel0_->text(); }
QString TFMainFrm::Panel1Text() const { return panel1_->text(); }

}  // namespace nalo
