// The search frame's controls, their change handlers, and the copies between the
// controls and TTabStatus_Search. Dates are whole days; the pickers show midnight.
#include "rules/gui/frm_search.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "listing/size_units.h"
#include "rules/gui/combo_items.h"
#include "rules/gui/rule_combos.h"
#include "settings/day_count.h"
#include "ui/cp932_guard.h"
#include "ui/enter_key.h"
#include "ui/list_look.h"
#include "ui/messenger.h"

namespace nalo {
namespace {

const QDate kDayZero(1899, 12, 30);

QSpinBox* SizeSpin(QWidget* parent, const char* name) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(0, static_cast<int>(kMaxSizeBound));
  ApplyListColors(spin, Qt::yellow, Qt::black);
  return spin;
}

QDateEdit* DatePicker(QWidget* parent, const char* name) {
  auto* picker = new QDateEdit(parent);
  picker->setObjectName(name);
  picker->setDisplayFormat(QStringLiteral("yyyy年MM月dd日"));
  picker->setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
  picker->setCalendarPopup(true);
  ApplyListColors(picker, Qt::yellow, Qt::black);
  return picker;
}

// A widget of type W made with `args` and named `name`.
template <typename W, typename... Args>
W* Named(QWidget* parent, const char* name, Args&&... args) {
  auto* widget = new W(std::forward<Args>(args)..., parent);
  widget->setObjectName(name);
  return widget;
}

// One bound of a range: its check box and the edit of its value.
struct TBoundRow {
  QCheckBox* Check;
  QWidget* Value;
};

// A range group: the caption over the "始め" row and the "終わり" row.
void LayOutRange(QGroupBox* box, QLabel* caption, TBoundRow from, TBoundRow to) {
  auto* grid = new QGridLayout(box);
  grid->addWidget(caption, 0, 0, 1, 2);
  grid->addWidget(from.Check, 1, 0);
  grid->addWidget(from.Value, 1, 1);
  grid->addWidget(to.Check, 2, 0);
  grid->addWidget(to.Value, 2, 1);
}

}  // namespace

QDate DateOfDayCount(double day_count) {
  return kDayZero.addDays(static_cast<qint64>(std::floor(day_count)));
}

double DayCountOfDate(const QDate& date) {
  return static_cast<double>(kDayZero.daysTo(date));
}

TFrm_Search::TFrm_Search(TMessenger& messenger, QWidget* parent) : TTabFrame(kTabSearch, parent) {
  setObjectName("Frm_Search");
  auto* layout = new QVBoxLayout(this);
  cmb_ExtMask = MakeCandidateCombo(this, "cmb_ExtMask", 1, messenger);
  cmb_StrMask = MakeCandidateCombo(this, "cmb_StrMask", 2, messenger);
  layout->addWidget(BuildMaskGroups());
  layout->addWidget(BuildSizeGroup());
  layout->addWidget(BuildDateGroup());
  layout->addWidget(BuildUnitGroup());
  layout->addStretch();
  ConnectChangeHandlers();
}

QWidget* TFrm_Search::BuildMaskGroups() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* ext = new QGroupBox(QStringLiteral("マスク（ワイルドカード可）"), box);
  auto* ext_layout = new QVBoxLayout(ext);
  ext_layout->addWidget(cmb_ExtMask);
  ext_layout->addWidget(new QLabel(QStringLiteral("複数の場合はセミコロンで区切る"), ext));
  auto* str = new QGroupBox(QStringLiteral("マスク（文字列）"), box);
  auto* str_layout = new QVBoxLayout(str);
  chk_StrOK = new QCheckBox(QStringLiteral("大文字小文字を区別する"), str);
  chk_StrOK->setObjectName("chk_StrOK");
  chk_StrOK->setChecked(true);
  str_layout->addWidget(cmb_StrMask);
  str_layout->addWidget(chk_StrOK);
  layout->addWidget(ext);
  layout->addWidget(str);
  return box;
}

QWidget* TFrm_Search::BuildSizeGroup() {
  auto* box = new QGroupBox(this);
  Label4 = Named<QLabel>(box, "Label4", QStringLiteral("サイズ ( バイト )"));
  chk_StSize = Named<QCheckBox>(box, "chk_StSize", QStringLiteral("始め"));
  chk_EdSize = Named<QCheckBox>(box, "chk_EdSize", QStringLiteral("終わり"));
  spn_st = SizeSpin(box, "spn_st");
  spn_ed = SizeSpin(box, "spn_ed");
  LayOutRange(box, Label4, {chk_StSize, spn_st}, {chk_EdSize, spn_ed});
  return box;
}

QWidget* TFrm_Search::BuildDateGroup() {
  auto* box = new QGroupBox(this);
  Label5 = Named<QLabel>(box, "Label5", QStringLiteral("更新日"));
  chk_StDate = Named<QCheckBox>(box, "chk_StDate", QStringLiteral("始め"));
  chk_EdDate = Named<QCheckBox>(box, "chk_EdDate", QStringLiteral("終わり"));
  DateTimePicker1 = DatePicker(box, "DateTimePicker1");
  DateTimePicker2 = DatePicker(box, "DateTimePicker2");
  LayOutRange(box, Label5, {chk_StDate, DateTimePicker1}, {chk_EdDate, DateTimePicker2});
  return box;
}

QWidget* TFrm_Search::BuildUnitGroup() {
  auto* box = new QGroupBox(QStringLiteral("表示サイズ単位"), this);
  box->setObjectName("rag_Unit");
  rag_Unit = box;
  auto* row = new QHBoxLayout(box);
  unit_buttons_ = new QButtonGroup(this);
  for (int unit = kUnitBytes; unit <= kUnitMB; ++unit) {
    auto* button = new QRadioButton(QString::fromUtf8(SizeUnitWord(unit).data(),
                                                      static_cast<qsizetype>(SizeUnitWord(unit).size())),
                                    box);
    unit_buttons_->addButton(button, unit);
    row->addWidget(button);
  }
  return box;
}

void TFrm_Search::ConnectChangeHandlers() {
  connect(spn_st, &QSpinBox::valueChanged, this, [this] { chk_StSize->setChecked(true); });
  connect(spn_ed, &QSpinBox::valueChanged, this, [this] { chk_EdSize->setChecked(true); });
  connect(DateTimePicker1, &QDateEdit::dateChanged, this, [this] {
    chk_StDate->setChecked(true);
    DateTimePicker1->setFocus();
  });
  connect(DateTimePicker2, &QDateEdit::dateChanged, this, [this] {
    chk_EdDate->setChecked(true);
    DateTimePicker2->setFocus();
  });
  connect(unit_buttons_, &QButtonGroup::idClicked, this, &TFrm_Search::SizeUnitChosen);
  for (QComboBox* combo : {cmb_ExtMask, cmb_StrMask}) {
    OnEnterKey(combo, [this] { emit RelistRequested(); });
  }
  spn_st->installEventFilter(this);
  spn_ed->installEventFilter(this);
}

bool TFrm_Search::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) emit RelistRequested();
  }
  return TTabFrame::eventFilter(watched, event);
}

void TFrm_Search::StoreTabStatus(TTabStatusSet& records) const {
  TTabStatus_Search& r = records.Search;
  r.StrMaskItems = ComboItems(cmb_StrMask);
  r.StrMask = ComboText(cmb_StrMask);
  r.StrMaskCase = chk_StrOK->isChecked();
  r.ExtMaskItems = ComboItems(cmb_ExtMask);
  r.ExtMask = ComboText(cmb_ExtMask);
  r.MinSize = spn_st->value();
  r.MaxSize = spn_ed->value();
  r.UseMinSize = chk_StSize->isChecked();
  r.UseMaxSize = chk_EdSize->isChecked();
  r.StartDate = DayCountOfDate(DateTimePicker1->date());
  r.EndDate = DayCountOfDate(DateTimePicker2->date());
  r.UseStartDate = chk_StDate->isChecked();
  r.UseEndDate = chk_EdDate->isChecked();
  r.SizeUnit = SizeUnit();
}

void TFrm_Search::RestoreTabStatus(const TTabStatusSet& records) {
  const TTabStatus_Search& r = records.Search;
  FillCombo(cmb_StrMask, r.StrMaskItems, r.StrMask);
  FillCombo(cmb_ExtMask, r.ExtMaskItems, r.ExtMask);
  chk_StrOK->setChecked(r.StrMaskCase);
  {
    const QSignalBlocker block_st(spn_st), block_ed(spn_ed);
    const QSignalBlocker block_d1(DateTimePicker1), block_d2(DateTimePicker2);
    spn_st->setValue(r.MinSize);
    spn_ed->setValue(r.MaxSize);
    DateTimePicker1->setDate(DateOfDayCount(IsEditorDay(r.StartDate) ? r.StartDate : NowAsDayCount()));
    DateTimePicker2->setDate(DateOfDayCount(IsEditorDay(r.EndDate) ? r.EndDate : NowAsDayCount()));
  }
  chk_StSize->setChecked(r.UseMinSize);
  chk_EdSize->setChecked(r.UseMaxSize);
  chk_StDate->setChecked(r.UseStartDate);
  chk_EdDate->setChecked(r.UseEndDate);
  SetSizeUnit(r.SizeUnit);
}

void TFrm_Search::ApplyTargetMode(bool files_mode) {
  for (QWidget* w : {static_cast<QWidget*>(chk_StSize), static_cast<QWidget*>(chk_EdSize),
                     static_cast<QWidget*>(spn_st), static_cast<QWidget*>(spn_ed), rag_Unit}) {
    w->setEnabled(files_mode);
  }
}

QString TFrm_Search::DescriptionText(bool files_mode) const {
  return files_mode ? QStringLiteral("リネームするファイルを検索します")
                    : QStringLiteral("リネームするフォルダを検索します");
}

void TFrm_Search::SetSizeUnit(int unit) {
  const QSignalBlocker block(unit_buttons_);
  if (QAbstractButton* b = unit_buttons_->button(unit)) b->setChecked(true);
}

int TFrm_Search::SizeUnit() const {
  const int id = unit_buttons_->checkedId();
  return id < 0 ? 0 : id;
}

void TFrm_Search::SetSizeBounds(int min_size, int max_size) {
  spn_st->setValue(min_size);
  spn_ed->setValue(max_size);
}

void TFrm_Search::SetUnitCaption(const QString& unit_word) {
  Label4->setText(QStringLiteral("サイズ（%1）").arg(unit_word));
}

void TFrm_Search::ClearConditions() {
  SetGuardedText(cmb_ExtMask, QString());
  SetGuardedText(cmb_StrMask, QString());
  for (QCheckBox* box : {chk_StSize, chk_EdSize, chk_StDate, chk_EdDate}) box->setChecked(false);
}

}  // namespace nalo
