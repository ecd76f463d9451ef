// Construction, geometry and the selection and row commands of the confirmation
// window; saving a list lives in fresult_save.cpp.
#include "execution/gui/fresult.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "execution/gui/changed_part_delegate.h"
#include "execution/gui/fbatch_progress.h"
#include "execution/gui/name_dialog_hook.h"
#include "execution/gui/result_model.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "ui/list_look.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"
#include "ui/selection.h"

namespace nalo {
namespace {

QColor LightGreen() { return QColor(0x90, 0xEE, 0x90); }

// Lists shorter than this are sorted and checked here at once; a longer one on a
// worker, behind a progress window.
constexpr std::size_t kRowsForAWorker = 50'000;

}  // namespace

TFresult::TFresult(TConfirmationList& rows, TResultEnv env, QWidget* parent)
    : QDialog(parent), rows_(rows), env_(std::move(env)) {
  setObjectName("Fresult");
  setWindowTitle(QStringLiteral("確認画面"));
  auto* layout = new QVBoxLayout(this);
  model_ = new TResultModel(rows_, *env_.Scanned, std::move(env_.Clashes), this);
  model_->SetLongStepRunner(
      [this](const QString& what, const std::function<void()>& step) { RunLongStep(what, step); });
  ListView1 = NewReportView(this, "ListView1", model_);
  ListView1->horizontalHeader()->setStretchLastSection(true);
  ApplyListColors(ListView1, LightGreen(), Qt::black);
  layout->addWidget(ListView1);

  ListView1->setItemDelegateForColumn(1, new TChangedPartDelegate(0, ListView1));
  auto* bottom = new QHBoxLayout;
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label2->setStyleSheet(QStringLiteral("color: #d02010; font-weight: bold;"));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  ApplyListColors(Edit1, Qt::cyan, Qt::black);
  btn_OK = new QPushButton(this);
  btn_OK->setObjectName("btn_OK");
  btn_OK->setDefault(true);
  btn_Cancel = new QPushButton(QStringLiteral("キャンセル"), this);
  btn_Cancel->setObjectName("btn_Cancel");
  btn_Cancel->setToolTip(QStringLiteral("キャンセルします"));
  bottom->addWidget(Label1);
  bottom->addWidget(Label2);
  bottom->addWidget(Edit1, 1);
  bottom->addSpacing(10);
  bottom->addWidget(btn_OK);
  bottom->addWidget(btn_Cancel);
  layout->addLayout(bottom);

  connect(btn_OK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TFresult::ListView1SelectItem);
  connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &TFresult::ListView1ColumnClick);
  // The press that starts a double-click selects that one row; after the edit the
  // user's own selection (which decides what is applied) comes back.
  connect(ListView1, &QTableView::doubleClicked, this, [this] {
    if (SelectedRowCount(ListView1->selectionModel()) != 1) return;
    const std::vector<std::size_t> before = selection_before_press_;
    mnu_FnameModifClick();
    SelectRows(ListView1, before);
  });
  ListView1->installEventFilter(this);
  ListView1->viewport()->installEventFilter(this);
  connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    PopupMenu1Popup();
    PopupMenu1->popup(ListView1->viewport()->mapToGlobal(pos));
  });
  BuildMenus();
  // The keys of the context menu follow the selection, menu opened or not.
  connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TFresult::PopupMenu1Popup);
  connect(model_, &QAbstractItemModel::modelReset, this, &TFresult::PopupMenu1Popup);
  PopupMenu1Popup();
  ApplyGeometry();
  UpdateCountText();
}

// Enter on the list with exactly one row selected edits that row's new name
// instead of pressing the default button.
bool TFresult::eventFilter(QObject* watched, QEvent* event) {
  // The second press of a double-click, where a platform sends one, is not the
  // user's choice of rows.
  if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonPress &&
      !static_cast<QMouseEvent*>(event)->flags().testFlag(Qt::MouseEventCreatedDoubleClick)) {
    selection_before_press_ = SelectedRows();
  }
  if (watched == ListView1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        SelectedRowCount(ListView1->selectionModel()) == 1) {
      mnu_FnameModifClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

TFresult::~TFresult() = default;

void TFresult::BuildMenus() {
  auto* bar = new QMenuBar(this);
  QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
  QAction* save = file->addAction(QStringLiteral("リストを保存する(&A)..."), this,
                                  &TFresult::SaveAs1Click);
  save->setObjectName("SaveAs1");
  save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
  QAction* all = edit->addAction(QStringLiteral("全て選択(&A)"), this, &TFresult::A1Click);
  all->setObjectName("A1");
  all->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
  QAction* invert = edit->addAction(QStringLiteral("選択の切り替え(&I)"), this, &TFresult::I1Click);
  invert->setObjectName("I1");
  layout()->setMenuBar(bar);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  mnu_FnameModif_ = PopupMenu1->addAction(QStringLiteral("変更後のファイル名を編集する(&M)"), this,
                                          &TFresult::mnu_FnameModifClick);
  mnu_FnameModif_->setObjectName("mnu_FnameModif");
  mnu_FnameModif_->setShortcut(QKeySequence(Qt::Key_F2));
  QMenu* copy = PopupMenu1->addMenu(QStringLiteral("リストをクリップボードへコピー(&C)"));
  copy->addAction(QStringLiteral("変更前リスト(&A)"), this, [this] { ClipClick(1); })
      ->setObjectName("N2");
  copy->addAction(QStringLiteral("変更後リスト(&B)"), this, [this] { ClipClick(2); })
      ->setObjectName("N3");
  Menu_Delete_ = PopupMenu1->addAction(QStringLiteral("アイテムを変換リストから外す(&D)"), this,
                                       &TFresult::Menu_DeleteClick);
  Menu_Delete_->setObjectName("Menu_Delete");
  Menu_Delete_->setShortcut(QKeySequence(Qt::Key_Delete));
  // The keys work while the list has the focus.
  for (QAction* a : {mnu_FnameModif_, Menu_Delete_}) {
    a->setShortcutContext(Qt::WidgetShortcut);
    ListView1->addAction(a);
  }
}

void TFresult::ApplyGeometry() {
  if (env_.Geometry == nullptr) return;
  const TResultFormSettings& g = *env_.Geometry;
  resize(g.Bounds.Width, g.Bounds.Height);
  for (int c = 0; c < kResultColumnCount; ++c) ListView1->setColumnWidth(c, g.ColumnWidths[c]);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TFresult::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FitProblemColumn();
}

// With rows that will fail, the problem column must be readable: the saved widths
// of the other columns give way, the new name's first, down to a floor each.
void TFresult::FitProblemColumn() {
  if (model_->ProblemCount() == 0) return;
  constexpr int kFloor = 80;
  int needed = 0;
  for (TRowClash c :
       {TRowClash::kExists, TRowClash::kDuplicate, TRowClash::kInvalid, TRowClash::kTooLong}) {
    needed =
        std::max(needed, ListView1->fontMetrics().horizontalAdvance(TResultModel::ProblemText(c)));
  }
  needed += 2 * ListView1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
  int used = 0;
  for (int c = 0; c < kProblemColumn; ++c) used += ListView1->columnWidth(c);
  int short_by = used + needed - ListView1->viewport()->width();
  for (int c : {kNewNameColumn, kOldNameColumn, kFolderColumn}) {
    if (short_by <= 0) break;
    const int give = std::min(short_by, std::max(0, ListView1->columnWidth(c) - kFloor));
    ListView1->setColumnWidth(c, ListView1->columnWidth(c) - give);
    short_by -= give;
  }
}

void TFresult::SaveGeometry() {
  if (env_.Geometry == nullptr) return;
  TResultFormSettings& g = *env_.Geometry;
  g.Bounds = {y(), x(), height(), width()};
  for (int c = 0; c < kResultColumnCount; ++c) g.ColumnWidths[c] = ListView1->columnWidth(c);
  if (env_.SettingsFolder.empty()) return;
  try {
    TIniFile ini(MainSettingsPath(env_.SettingsFolder));
    WriteResultForm(ini, g);
    ini.Save();
  } catch (const std::exception& e) {
    if (env_.Messenger != nullptr) env_.Messenger->Error(this, FromUtf8(e.what()));
  }
}

void TFresult::done(int result) {
  SaveGeometry();
  QDialog::done(result);
}

// The progress window is up from the start: it is modal, so this window takes no
// input while the step runs, and the list does not paint meanwhile. The focus
// comes back where it was.
void TFresult::RunLongStep(const QString& what, const std::function<void()>& step) {
  if (rows_.size() < kRowsForAWorker) {
    step();
    return;
  }
  TFBatchProgress progress(this, windowTitle(), what);
  progress.Button1->hide();  // a sort or a check runs to its end
  progress.BeginSteps(0);
  progress.StepDone(rows_.size());
  const QPointer<QWidget> focus = focusWidget();
  ListView1->setUpdatesEnabled(false);
  progress.show();
  progress.Run(step);
  ListView1->setUpdatesEnabled(true);
  if (focus) focus->setFocus();
}

void TFresult::SetOkButton(const QString& caption, const QString& hint) {
  btn_OK->setText(caption);
  btn_OK->setToolTip(hint);
}

std::vector<std::size_t> TFresult::SelectedRows() const {
  return nalo::SelectedRows(ListView1->selectionModel());
}

std::vector<std::size_t> TFresult::TargetRows() const {
  std::vector<std::size_t> rows = SelectedRows();
  if (rows.empty()) {
    rows.resize(rows_.size());
    std::iota(rows.begin(), rows.end(), 0);
  }
  return rows;
}

QString TFresult::CountText() const { return Label1->text(); }

void TFresult::UpdateCountText() {
  const std::size_t n = rows_.size();
  const std::size_t s = SelectedRowCount(ListView1->selectionModel());
  if (s == 0) {
    Label1->setText(QStringLiteral("対象ファイル数：%1個 (全て)").arg(n));
  } else {
    Label1->setText(QStringLiteral("対象ファイル数：%1個/%2個").arg(s).arg(n));
  }
  const std::size_t problems = model_->ProblemCount();
  Label2->setText(problems == 0 ? QString() : QStringLiteral("問題のある行：%1個").arg(problems));
  Label2->setVisible(problems > 0);
}

void TFresult::ListView1SelectItem(const QItemSelection& selected, const QItemSelection&) {
  if (!selected.isEmpty()) {
    const int row = selected.last().bottom();
    Edit1->setText(FromCp932(rows_[static_cast<std::size_t>(row)].NewName));
  } else {
    Edit1->clear();
  }
  UpdateCountText();
}

void TFresult::PopupMenu1Popup() {
  const std::size_t selected = SelectedRowCount(ListView1->selectionModel());
  mnu_FnameModif_->setEnabled(selected == 1 && NameDialogAvailable());
  Menu_Delete_->setEnabled(selected >= 1);
}

// The row at the top of the list stays there, unless it was removed.
void TFresult::Menu_DeleteClick() {
  const std::vector<std::size_t> rows = SelectedRows();
  if (rows.empty()) return;
  const int top = ListView1->rowAt(0);
  const auto above = std::lower_bound(rows.begin(), rows.end(), static_cast<std::size_t>(top));
  ListView1->clearSelection();
  model_->RemoveRows(rows);
  if (top > 0) {
    const int new_top = top - static_cast<int>(above - rows.begin());
    ListView1->scrollTo(model_->index(new_top, 0), QAbstractItemView::PositionAtTop);
  }
  UpdateCountText();
}

void TFresult::ListView1ColumnClick(int column) {
  model_->SortByColumnClick(column);
  UpdateCountText();
}

void TFresult::A1Click() { ListView1->selectAll(); }

void TFresult::I1Click() { InvertSelection(ListView1); }

void TFresult::ClipClick(int tag) {
  QString text;
  for (std::size_t row : TargetRows()) {
    const TConfirmationRow& r = rows_[row];
    text += FromCp932(tag == 1 ? RowOldName(*env_.Scanned, r) : r.NewName) + QStringLiteral("\r\n");
  }
  if (text.isEmpty()) return;
  QApplication::clipboard()->setText(text);
  if (env_.Messenger != nullptr) env_.Messenger->Beep();
}

void TFresult::mnu_FnameModifClick() {
  const std::vector<std::size_t> rows = SelectedRows();
  if (rows.size() != 1 || env_.Messenger == nullptr) return;
  const std::size_t row = rows.front();
  const std::optional<QString> edited = AskNameWithDialog(
      this, *env_.Messenger, QStringLiteral("編集"), FromCp932(rows_[row].NewName));
  if (!edited) return;
  const std::optional<std::string> cp932 = ToCp932(*edited);
  if (!cp932) {
    env_.Messenger->Warn(this, UnencodableTextMessage(FirstUnencodableChar(*edited)));
    return;
  }
  model_->SetNewName(row, *cp932);
  Edit1->setText(*edited);
  UpdateCountText();
}

}  // namespace nalo
