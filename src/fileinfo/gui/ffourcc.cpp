// The registry keeps its rows in a vector in display order and redraws the list
// from it after every command; a registry holds tens of codes, so a redraw costs
// nothing noticeable and the list can never drift from what will be saved.
#include "fileinfo/gui/ffourcc.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "fileinfo/codec_names.h"
#include "fileinfo/gui/ffourcc_dialog.h"
#include "settings/ini_file.h"
#include "ui/dialog_buttons.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Room for a code column and a long codec name.
constexpr int kListWidth = 420;
constexpr int kListHeight = 300;
constexpr int kCodeColumnWidth = 100;

QString CountCaption(std::size_t count) {
  return QStringLiteral("登録数：") + QString::number(count);
}

}  // namespace

TFFourCC::TFFourCC(TMessenger& messenger, std::string settings_dir, TCodecMode mode,
                   QWidget* parent)
    : QDialog(parent), messenger_(messenger), settings_dir_(std::move(settings_dir)), mode_(mode) {
  setObjectName("FFourCC");
  setWindowTitle(QStringLiteral("コーデック名登録"));
  setModal(true);
  BuildControls();
  BuildMenu();
  try {
    rows_ = LoadCodecRows(settings_dir_, mode_);
  } catch (const ECodecFileError& e) {
    messenger_.Error(this, FromUtf8(e.what()));  // the window opens empty
  }
  SortCodecRows(rows_, sort_column_, ascending_);
  ShowRows({});
}

void TFFourCC::BuildControls() {
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName("ListView1");
  ListView1->setColumnCount(2);
  ListView1->setHeaderLabels({mode_ == TCodecMode::kVideo ? QStringLiteral("FourCC")
                                                          : QStringLiteral("FormatTag"),
                              QStringLiteral("コーデック名")});
  ListView1->setColumnWidth(0, kCodeColumnWidth);
  ListView1->setRootIsDecorated(false);
  ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->setStyleSheet(QStringLiteral("QTreeWidget { background: black; color: white; }"));
  ListView1->setMinimumSize(kListWidth, kListHeight);
  ListView1->header()->setSectionsClickable(true);
  connect(ListView1->header(), &QHeaderView::sectionClicked, this, &TFFourCC::SortByColumn);
  connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { ChangeSelectedRow(); });

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  BitBtn1 = NamedButton(this, "BitBtn1", QStringLiteral("新規追加"));
  BitBtn3 = NamedButton(this, "BitBtn3", QStringLiteral("削除"));
  BitBtn4 = NamedButton(this, "BitBtn4", QStringLiteral("OK"));
  BitBtn2 = NamedButton(this, "BitBtn2", QStringLiteral("キャンセル"));
  connect(BitBtn1, &QPushButton::clicked, this, &TFFourCC::AddRow);
  connect(BitBtn3, &QPushButton::clicked, this, &TFFourCC::DeleteSelectedRows);
  connect(BitBtn4, &QPushButton::clicked, this, &TFFourCC::Save);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn3);
  buttons->addStretch(1);
  buttons->addWidget(BitBtn4);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1);
  layout->addWidget(Label1);
  layout->addLayout(buttons);
}

void TFFourCC::BuildMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  N1 = PopupMenu1->addAction(QStringLiteral("新規追加(&N)"), this, &TFFourCC::AddRow);
  N1->setObjectName("N1");
  M1 = PopupMenu1->addAction(QStringLiteral("変更(&M)"), this, &TFFourCC::ChangeSelectedRow);
  M1->setObjectName("M1");
  Delete1 = PopupMenu1->addAction(QStringLiteral("削除(&D)"), this, &TFFourCC::DeleteSelectedRows);
  Delete1->setObjectName("Delete1");
  Delete1->setShortcut(QKeySequence::Delete);
  Delete1->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(Delete1);
  ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    UpdateMenuItems();
    PopupMenu1->popup(ListView1->viewport()->mapToGlobal(at));
  });
}

void TFFourCC::UpdateMenuItems() {
  const std::size_t selected = SelectedRows().size();
  M1->setEnabled(selected == 1);
  Delete1->setEnabled(selected >= 1);
}

void TFFourCC::ShowRows(const std::vector<std::size_t>& selected) {
  ListView1->clear();
  for (const TCodecRow& row : rows_) {
    new QTreeWidgetItem(ListView1, {FromCp932(row.Code), FromCp932(row.Name)});
  }
  for (std::size_t i : selected) {
    if (QTreeWidgetItem* item = ListView1->topLevelItem(static_cast<int>(i))) {
      item->setSelected(true);
      ListView1->setCurrentItem(item);
      ListView1->scrollToItem(item);
    }
  }
  Label1->setText(CountCaption(rows_.size()));
  ListView1->setFocus();
}

std::vector<std::size_t> TFFourCC::SelectedRows() const {
  std::vector<std::size_t> selected;
  for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
    if (ListView1->topLevelItem(i)->isSelected()) selected.push_back(static_cast<std::size_t>(i));
  }
  return selected;
}

void TFFourCC::AddRow() {
  TFFourCC_Dialog dialog(messenger_, mode_, /*adding=*/true, this);
  if (messenger_.ExecModal(dialog) != QDialog::Accepted) return;
  const TCodecRow entry = dialog.Entry();
  if (HasCodecRow(rows_, entry.Code)) {
    messenger_.Warn(this, FromUtf8(DuplicateCodeMessage(mode_, entry.Code)));
    ShowRows(SelectedRows());
    return;
  }
  rows_.push_back(entry);
  ShowRows({rows_.size() - 1});
}

void TFFourCC::ChangeSelectedRow() {
  const std::vector<std::size_t> selected = SelectedRows();
  if (selected.size() != 1) return;
  TFFourCC_Dialog dialog(messenger_, mode_, /*adding=*/false, this);
  dialog.SetEntry(rows_[selected[0]]);
  if (messenger_.ExecModal(dialog) != QDialog::Accepted) return;
  rows_[selected[0]] = dialog.Entry();
  ShowRows(selected);
}

void TFFourCC::DeleteSelectedRows() {
  const std::vector<std::size_t> selected = SelectedRows();
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*it));
  }
  ShowRows({});
}

void TFFourCC::SortByColumn(int column) {
  ascending_ = column == sort_column_ ? !ascending_ : true;
  sort_column_ = column;
  SortCodecRows(rows_, sort_column_, ascending_);
  ShowRows({});
}

void TFFourCC::Save() {
  try {
    SaveCodecRows(settings_dir_, mode_, rows_);
  } catch (const EIniWriteError& e) {
    messenger_.Error(this, FromUtf8(e.what()));  // the window stays open, nothing is lost
    return;
  }
  accept();
}

void OpenCodecRegistry(QWidget* parent, TMessenger& messenger, const std::string& settings_dir,
                       TCodecMode mode) {
  TFFourCC window(messenger, settings_dir, mode, parent);
  window.setWindowTitle(mode == TCodecMode::kVideo ? QStringLiteral("コーデック名登録(映像)")
                                                   : QStringLiteral("コーデック名登録(音声)"));
  messenger.ExecModal(window);
}

}  // namespace nalo
