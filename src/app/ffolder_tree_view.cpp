// The folder tree window: a QTreeView over a QFileSystemModel that lists folders
// only, with the target mode boxes, the sub-folder box and "一つ上" below it. The
// tree reports the current index's path when the user moves to another folder;
// program-made selections go through SelectIndexQuietly, which detaches that
// reaction for the time of the change.
#include "app/ffolder_tree_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace nalo {
namespace {

// The tree starts at the root of the file system.
const char kTreeRoot[] = "/";
// A window being dragged is not remade; the stay-on-top flag is tried again after
// this many milliseconds, once the mouse button is up.
constexpr int kTopMostRetryMs = 200;
// Room around the text of "一つ上": the style's wider default would push the
// window past its minimum width.
constexpr int kUpButtonPadding = 16;

}  // namespace

TFFolderTreeView::TFFolderTreeView(QWidget* parent) : QDockWidget(parent) {
  setObjectName("FFolderTreeView");
  setWindowTitle(QStringLiteral("フォルダ選択窓"));
  setAllowedAreas(Qt::LeftDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  setWidget(BuildContents());
  connect(this, &QDockWidget::topLevelChanged, this, &TFFolderTreeView::FloatingChanged);
}

QWidget* TFFolderTreeView::BuildContents() {
  auto* contents = new QWidget(this);
  auto* column = new QVBoxLayout(contents);
  column->setContentsMargins(2, 2, 2, 2);
  BuildTree(contents);
  column->addWidget(ShellTreeView1, 1);

  auto* modes = new QHBoxLayout;
  Label1 = new QLabel(QStringLiteral("リネーム対象："), contents);
  Label1->setObjectName("Label1");
  rbtn_File = new QRadioButton(QStringLiteral("ファイル"), contents);
  rbtn_File->setObjectName("rbtn_File");
  rbtn_File->setChecked(true);
  rbtn_Folder = new QRadioButton(QStringLiteral("フォルダ"), contents);
  rbtn_Folder->setObjectName("rbtn_Folder");
  column->addWidget(Label1);
  modes->addWidget(rbtn_File);
  modes->addWidget(rbtn_Folder);
  modes->addStretch(1);
  column->addLayout(modes);

  auto* bottom = new QHBoxLayout;
  chk_SubFolder = new QCheckBox(QStringLiteral("サブフォルダも検索"), contents);
  chk_SubFolder->setObjectName("chk_SubFolder");
  btn_Up = new QPushButton(QStringLiteral("一つ上"), contents);
  btn_Up->setObjectName("btn_Up");
  btn_Up->setMinimumWidth(btn_Up->fontMetrics().horizontalAdvance(btn_Up->text()) + kUpButtonPadding);
  bottom->addWidget(chk_SubFolder, 1);
  bottom->addWidget(btn_Up);
  column->addLayout(bottom);

  // Radio buttons report only the user's clicks; setChecked does not emit clicked.
  connect(rbtn_File, &QRadioButton::clicked, this, [this] { emit FilesModeChosen(true); });
  connect(rbtn_Folder, &QRadioButton::clicked, this, [this] { emit FilesModeChosen(false); });
  connect(chk_SubFolder, &QCheckBox::clicked, this, &TFFolderTreeView::SubFolderClicked);
  connect(btn_Up, &QPushButton::clicked, this, &TFFolderTreeView::btn_UpClick);
  return contents;
}

void TFFolderTreeView::BuildTree(QWidget* owner) {
  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  model_->setReadOnly(true);
  model_->setRootPath(QString::fromUtf8(kTreeRoot));
  ShellTreeView1 = new QTreeView(owner);
  ShellTreeView1->setObjectName("ShellTreeView1");
  ShellTreeView1->setModel(model_);
  ShellTreeView1->setHeaderHidden(true);
  for (int column = 1; column < model_->columnCount(); ++column) ShellTreeView1->hideColumn(column);
  ShellTreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
  ShellTreeView1->installEventFilter(this);
  // The model reads folders in the background and inserts and sorts their rows as
  // they come, above the selected folder as well as below it: the folder is put
  // back in view after each change until the user scrolls, clicks or types.
  connect(model_, &QFileSystemModel::directoryLoaded, this, &TFFolderTreeView::KeepCurrentInView);
  connect(model_, &QAbstractItemModel::rowsInserted, this, &TFFolderTreeView::KeepCurrentInView);
  connect(model_, &QAbstractItemModel::layoutChanged, this, &TFFolderTreeView::KeepCurrentInView);
  connect(ShellTreeView1->verticalScrollBar(), &QScrollBar::actionTriggered, this,
          [this] { scroll_pending_ = false; });
  ShellTreeView1->viewport()->installEventFilter(this);
  connect(ShellTreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!reaction_attached_) return;
            const QString path = model_->filePath(current);
            if (!path.isEmpty()) emit FolderSelected(path);
          });
}

void TFFolderTreeView::SelectIndexQuietly(const QModelIndex& index) {
  const bool attached = reaction_attached_;
  reaction_attached_ = false;
  ShellTreeView1->setCurrentIndex(index);
  ShellTreeView1->scrollTo(index, QAbstractItemView::PositionAtCenter);
  reaction_attached_ = attached;
  scroll_pending_ = true;
}

void TFFolderTreeView::SelectFolderQuietly(const QString& folder) {
  const QModelIndex index = model_->index(folder);
  if (index.isValid()) SelectIndexQuietly(index);
}

QString TFFolderTreeView::SelectedFolder() const {
  const QModelIndex current = ShellTreeView1->currentIndex();
  return current.isValid() ? model_->filePath(current) : QString();
}

void TFFolderTreeView::btn_UpClick() {
  const QModelIndex current = ShellTreeView1->currentIndex();
  if (!current.isValid()) return;
  const QModelIndex parent = current.parent();
  // The root node has no parent folder to go to.
  if (!parent.isValid()) return;
  ShellTreeView1->setCurrentIndex(parent);
  ShellTreeView1->scrollTo(parent);
}

void TFFolderTreeView::SetFilesModeQuietly(bool files_mode) {
  (files_mode ? rbtn_File : rbtn_Folder)->setChecked(true);
}

void TFFolderTreeView::SetSubFolder(bool on) { chk_SubFolder->setChecked(on); }

void TFFolderTreeView::SetTopMost(bool on) {
  top_most_ = on;
  if (isFloating()) FloatingChanged(true);
}

// A floating window keeps its minimum size and stays on top when asked; docked,
// the panel's width decides.
void TFFolderTreeView::FloatingChanged(bool floating) {
  setMinimumSize(floating ? QSize(kFolderTreeMinWidth, kFolderTreeMinHeight) : QSize(0, 0));
  if (!floating) return;
  const bool on_top = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  if (on_top == top_most_) return;
  if (QGuiApplication::mouseButtons() != Qt::NoButton) {
    QTimer::singleShot(kTopMostRetryMs, this, [this] { FloatingChanged(isFloating()); });
    return;
  }
  const bool was_visible = isVisible();
  const QRect bounds = geometry();
  setWindowFlag(Qt::WindowStaysOnTopHint, top_most_);
  setGeometry(bounds);
  if (was_visible) show();
}

void TFFolderTreeView::closeEvent(QCloseEvent* event) {
  QDockWidget::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

void TFFolderTreeView::KeepCurrentInView() {
  if (!scroll_pending_) return;
  const QModelIndex current = ShellTreeView1->currentIndex();
  if (current.isValid()) ShellTreeView1->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

bool TFFolderTreeView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ShellTreeView1 && event->type() == QEvent::FocusIn) emit TreeEntered();
  const bool touched = event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::Wheel || event->type() == QEvent::KeyPress;
  if (touched && (watched == ShellTreeView1 || watched == ShellTreeView1->viewport())) {
    scroll_pending_ = false;
  }
  if (watched == ShellTreeView1->viewport() && event->type() == QEvent::Resize) KeepCurrentInView();
  return QDockWidget::eventFilter(watched, event);
}

}  // namespace nalo
