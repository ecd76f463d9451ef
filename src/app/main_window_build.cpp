// Construction of the main window's widgets: the tool bar with the folder box,
// the entry list, the right-hand panel with the tabs, the frame area, the
// exclusion panel and the action buttons, and the two status panels.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <utility>

#include "app/main_window.h"
#include "listing/gui/entry_list_model.h"
#include "ui/cp932_guard.h"
#include "ui/enter_key.h"
#include "ui/list_look.h"

namespace nalo {
namespace {

// Lines of the folder box's drop-down: the whole history.
constexpr int kPathDropDownLines = 20;
// Widths of the two status panels.
constexpr int kPanel0Width = 350;
constexpr int kPanel1Width = 500;
// Width of the right-hand panel with the tabs.
constexpr int kRightPanelWidth = 330;

const char* const kTabCaptions[] = {"検索", "置換", "追加", "変換", "移動", "正規表現置換"};

}  // namespace

void TFMainFrm::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  cmb_Path = new QComboBox(bar);
  cmb_Path->setObjectName("cmb_Path");
  cmb_Path->setEditable(true);
  cmb_Path->setInsertPolicy(QComboBox::NoInsert);
  cmb_Path->setMaxVisibleItems(kPathDropDownLines);
  cmb_Path->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  cmb_Path->setAcceptDrops(true);
  cmb_Path->lineEdit()->setAcceptDrops(false);
  cmb_Path->installEventFilter(this);
  GuardCp932(cmb_Path, *messenger_);
  Btn_Folder = new QPushButton(QStringLiteral("参照(&O)..."), bar);
  Btn_Folder->setObjectName("Btn_Folder");
  Btn_Folder->setToolTip(QStringLiteral("フォルダを指定します"));
  SpeedButton1 = new QPushButton(QStringLiteral("開く(&E)"), bar);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setToolTip(QStringLiteral("現在のフォルダをエクスプローラーで開く"));
  bar->addWidget(cmb_Path);
  bar->addWidget(Btn_Folder);
  bar->addWidget(SpeedButton1);
  connect(Btn_Folder, &QPushButton::clicked, this, &TFMainFrm::Btn_FolderClick);
  connect(SpeedButton1, &QPushButton::clicked, this, &TFMainFrm::SpeedButton1Click);
  // Qt also reports "activated" when the edit box loses the focus or takes an
  // Enter while its text equals an item, which it always does after a listing;
  // only a folder chosen in the drop-down list is listed. The combo box closes
  // the list just before it reports that choice (eventFilter marks it).
  cmb_Path->view()->parentWidget()->installEventFilter(this);
  connect(cmb_Path, &QComboBox::activated, this, [this](int index) {
    if (!std::exchange(path_chosen_from_list_, false)) return;
    const QString folder = cmb_Path->itemText(index);
    ListFolder(folder);
    SetGuardedText(cmb_Path, folder);
  });
  OnEnterKey(cmb_Path, [this] { cmb_PathEnter(); });
}

void TFMainFrm::BuildCentre() {
  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setObjectName("Pnl_Main");
  DockPanel1 = new QWidget(splitter_);
  DockPanel1->setObjectName("DockPanel1");
  DockPanel1->hide();
  model_ = new TEntryListModel(entries_, this);
  model_->SetFailureHint(
      [this](const TListData& entry) { return failure_reasons_.ReasonOf(entry); });
  ListView1 = NewReportView(splitter_, "ListView1", model_);
  ListView1->setWordWrap(false);
  ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  ListView1->setAcceptDrops(true);
  ListView1->viewport()->setAcceptDrops(true);
  ListView1->viewport()->installEventFilter(this);
  ListView1->installEventFilter(this);
  connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &TFMainFrm::ListView1ColumnClick);
  connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TFMainFrm::ListView1SelectItem);
  splitter_->addWidget(DockPanel1);
  splitter_->addWidget(ListView1);
  splitter_->addWidget(BuildRightPanel());
  splitter_->setStretchFactor(1, 1);
  setCentralWidget(splitter_);
}

QWidget* TFMainFrm::BuildRightPanel() {
  auto* panel = new QWidget(splitter_);
  panel->setObjectName("Pnl_Right");
  panel->setMinimumWidth(kRightPanelWidth);
  auto* outer = new QHBoxLayout(panel);
  outer->setContentsMargins(2, 2, 2, 2);
  auto* column = new QVBoxLayout;
  // The rule frame scrolls when the window is shorter than the frame, so the
  // buttons below it stay on a small or scaled screen.
  auto* scroll = new QScrollArea(panel);
  scroll->setObjectName("TabScroll");
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TabPanel = new QWidget;
  TabPanel->setObjectName("TabPanel");
  auto* tab_layout = new QVBoxLayout(TabPanel);
  tab_layout->setContentsMargins(0, 0, 0, 0);
  scroll->setWidget(TabPanel);
  column->addWidget(scroll, 1);

  Panel4 = new QWidget(panel);
  Panel4->setObjectName("Panel4");
  auto* p4 = new QVBoxLayout(Panel4);
  chk_not = new QCheckBox(Panel4);
  chk_not->setObjectName("chk_not");
  chk_not->setChecked(true);
  auto* row = new QHBoxLayout;
  Label1 = new QLabel(QStringLiteral("文字列"), Panel4);
  Label1->setObjectName("Label1");
  cmb_notText = new QComboBox(Panel4);
  cmb_notText->setObjectName("cmb_notText");
  cmb_notText->setEditable(true);
  cmb_notText->setInsertPolicy(QComboBox::NoInsert);
  cmb_notText->setToolTip(QStringLiteral("右クリックメニューで編集できます"));
  cmb_notText->setProperty("Tag", 99);
  GuardCp932(cmb_notText, *messenger_);
  row->addWidget(Label1);
  row->addWidget(cmb_notText, 1);
  chk_OmojiKomoji = new QCheckBox(QStringLiteral("大文字と小文字を区別する"), Panel4);
  chk_OmojiKomoji->setObjectName("chk_OmojiKomoji");
  chk_OmojiKomoji->setChecked(true);
  chk_SelectOnly = new QCheckBox(QStringLiteral("選択しているファイルのみを対象とする"), Panel4);
  chk_SelectOnly->setObjectName("chk_SelectOnly");
  p4->addWidget(chk_not);
  p4->addLayout(row);
  p4->addWidget(chk_OmojiKomoji);
  p4->addWidget(chk_SelectOnly);
  column->addWidget(Panel4);
  connect(chk_not, &QCheckBox::clicked, this, &TFMainFrm::UpdateExclusionEnabling);
  connect(chk_OmojiKomoji, &QCheckBox::clicked, this, &TFMainFrm::UpdateExclusionEnabling);

  auto* buttons = new QHBoxLayout;
  btn_Action = new QPushButton(panel);
  btn_Action->setObjectName("btn_Action");
  btn_Return = new QPushButton(panel);
  btn_Return->setObjectName("btn_Return");
  buttons->addWidget(btn_Action);
  buttons->addWidget(btn_Return);
  column->addLayout(buttons);
  connect(btn_Action, &QPushButton::clicked, this, &TFMainFrm::btn_ActionClick);
  connect(btn_Return, &QPushButton::clicked, this, &TFMainFrm::btn_ReturnClick);

  TabControl1 = new QTabBar(panel);
  TabControl1->setObjectName("TabControl1");
  TabControl1->setShape(QTabBar::RoundedEast);
  for (const char* caption : kTabCaptions) TabControl1->addTab(QString::fromUtf8(caption));
  connect(TabControl1, &QTabBar::currentChanged, this, &TFMainFrm::TabControl1Change);
  outer->addLayout(column, 1);
  outer->addWidget(TabControl1, 0, Qt::AlignTop);
  return panel;
}

void TFMainFrm::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  panel0_ = new QLabel(bar);
  panel0_->setObjectName("StatusBar1_Panel0");
  panel0_->setFixedWidth(kPanel0Width);
  panel1_ = new QLabel(bar);
  panel1_->setObjectName("StatusBar1_Panel1");
  panel1_->setMinimumWidth(kPanel1Width);
  bar->addWidget(panel0_);
  bar->addWidget(panel1_, 1);
}

}  // namespace nalo
