// Every command goes to the core list first and the widgets are then redrawn from
// it, so the list box never holds anything the list does not. Redrawing blocks
// the list box's signals: only the user's own choice of a row copies it into Edit1.
#include "app/flistbox_modif.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "settings/candidate_lists.h"
#include "ui/list_look.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Room for about fifteen rows of a typical mask or search text.
constexpr int kListWidth = 320;
constexpr int kListHeight = 260;

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  return button;
}

QToolButton* MakeArrow(QWidget* parent, const char* name, Qt::ArrowType arrow, int tag) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setArrowType(arrow);
  button->setProperty("Tag", tag);
  return button;
}

}  // namespace

TFListBoxModif::TFListBoxModif(TMessenger& messenger, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), messenger_(messenger) {
  setObjectName("FListBoxModif");
  setWindowTitle(QStringLiteral("リスト編集"));
  setModal(true);
  BuildControls();
  BuildLayout();
  connect(BitBtn1, &QPushButton::clicked, this, &TFListBoxModif::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TFListBoxModif::BitBtn2Click);
  connect(BitBtn5, &QPushButton::clicked, this, &TFListBoxModif::DeleteClick);
  connect(D1, &QAction::triggered, this, &TFListBoxModif::DeleteClick);
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButtonClick(1); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButtonClick(2); });
  connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn4, &QPushButton::clicked, this, &QDialog::reject);
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TFListBoxModif::ListBox1Click);
  connect(ListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(pos));
  });
}

void TFListBoxModif::BuildControls() {
  GroupBox1 = new QGroupBox(QStringLiteral("登録されているアイテム"), this);
  GroupBox1->setObjectName("GroupBox1");
  ListBox1 = new QListWidget(GroupBox1);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ListBox1->setMinimumSize(kListWidth, kListHeight);
  ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  ApplyListColors(ListBox1, Qt::yellow, Qt::black);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  ApplyListColors(Edit1, Qt::yellow, Qt::black);
  BitBtn1 = MakeButton(this, "BitBtn1", "追加(&A)");
  BitBtn2 = MakeButton(this, "BitBtn2", "変更(&M)");
  BitBtn5 = MakeButton(this, "BitBtn5", "削除(&D)");
  SpeedButton1 = MakeArrow(this, "SpeedButton1", Qt::UpArrow, 1);
  SpeedButton2 = MakeArrow(this, "SpeedButton2", Qt::DownArrow, 2);
  BitBtn3 = MakeButton(this, "BitBtn3", "OK");
  BitBtn4 = MakeButton(this, "BitBtn4", "キャンセル");
  for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn5, BitBtn3, BitBtn4}) b->setAutoDefault(false);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  D1 = PopupMenu1->addAction(QStringLiteral("リストより削除する(&D)"));
  D1->setObjectName("D1");
  D1->setShortcut(QKeySequence::Delete);
  // Del deletes an item only while the list has the focus; in Edit1 it edits.
  D1->setShortcutContext(Qt::WidgetShortcut);
  ListBox1->addAction(D1);
}

void TFListBoxModif::BuildLayout() {
  auto* list_layout = new QVBoxLayout(GroupBox1);
  list_layout->addWidget(ListBox1);

  auto* arrows = new QHBoxLayout;
  arrows->addWidget(SpeedButton1);
  arrows->addWidget(SpeedButton2);
  auto* commands = new QVBoxLayout;
  for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn5}) commands->addWidget(b);
  commands->addLayout(arrows);
  commands->addStretch(1);
  commands->addWidget(BitBtn3);
  commands->addWidget(BitBtn4);

  auto* left = new QVBoxLayout;
  left->addWidget(GroupBox1, 1);
  left->addWidget(Edit1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(commands);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed border
}

void TFListBoxModif::OpenFor(std::string_view title, const StringList& items) {
  setWindowTitle(FromUtf8(CandidateEditorCaption(title)));
  list_ = TCandidateList(items);
  ShowItems();
  Edit1->setText(FromCp932(list_.SelectedText()));
}

void TFListBoxModif::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  Edit1->setFocus();
}

void TFListBoxModif::BitBtn1Click() {
  if (list_.Full()) {
    messenger_.Warn(this, FromUtf8(kCandidateListFullMessage));
    return;
  }
  const std::optional<std::string> text = EditText();
  if (!text || !list_.Add(*text)) return;
  ShowItems();
  ListBox1->scrollToBottom();
}

void TFListBoxModif::BitBtn2Click() {
  if (list_.Selected() == kNoSelection) return;
  const std::optional<std::string> text = EditText();
  if (text && list_.ChangeSelected(*text)) ShowItems();
}

void TFListBoxModif::DeleteClick() {
  if (list_.DeleteSelected()) ShowItems();
}

void TFListBoxModif::SpeedButtonClick(int tag) {
  const bool moved = tag == 1 ? list_.MoveSelectedUp() : list_.MoveSelectedDown();
  if (moved) ShowItems();
}

void TFListBoxModif::ListBox1Click(int row) {
  if (row < 0) return;
  list_.Select(row);
  Edit1->setText(FromCp932(list_.SelectedText()));
}

std::optional<std::string> TFListBoxModif::EditText() {
  const QString text = Edit1->text();
  if (std::optional<std::string> cp932 = ToCp932(text)) return cp932;
  messenger_.Warn(this, UnencodableTextMessage(FirstUnencodableChar(text)));
  Edit1->setFocus();
  return std::nullopt;
}

void TFListBoxModif::ShowItems() {
  const QSignalBlocker block(ListBox1);
  ListBox1->clear();
  for (const std::string& item : list_.Items()) ListBox1->addItem(FromCp932(item));
  ListBox1->setCurrentRow(list_.Selected());
  GroupBox1->setTitle(FromUtf8(CandidateCountCaption(list_.Count())));
}

std::optional<StringList> EditCandidateItems(QWidget* parent, TMessenger& messenger,
                                             std::string_view title, const StringList& items) {
  TFListBoxModif dialog(messenger, parent);
  dialog.OpenFor(title, items);
  if (messenger.ExecModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Items();
}

}  // namespace nalo
