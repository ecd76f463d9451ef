// The replace frame's controls, the change handlers that select a sub-rule, and
// the copies between the controls and TTabStatus_Okikae. The rule itself is the
// core's RunReplaceRule over the stored record.
#include "rules/gui/frm_okikae.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <memory>
#include <vector>

#include "rules/gui/combo_items.h"
#include "rules/gui/rule_combos.h"
#include "rules/replace_rule.h"
#include "rules/rule_captions.h"
#include "rules/rule_descriptions.h"
#include "ui/cp932_guard.h"
#include "ui/list_look.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {


QCheckBox* KindBox(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

QCheckBox* OptionBox(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

template <std::size_t N>
QComboBox* ListCombo(QWidget* parent, const char* name, const std::array<std::string_view, N>& items) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (std::string_view item : items) combo->addItem(FromUtf8(item));
  return combo;
}

QSpinBox* CountSpin(QWidget* parent, const char* name) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(0, kMaxSpaceCount);
  return spin;
}

int KindIndex(const TTabStatus_Okikae& r) {
  return r.Kind >= kReplaceKindBrackets && r.Kind <= kReplaceKindSpaces ? r.Kind : 0;
}

}  // namespace

TFrm_Okikae::TFrm_Okikae(TMessenger& messenger, QWidget* parent) : TTabFrame(kTabReplace, parent) {
  setObjectName("Frm_Okikae");
  kinds_ = new QButtonGroup(this);
  kinds_->setExclusive(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildBracketGroup());
  layout->addWidget(BuildStringGroup(messenger));
  layout->addWidget(BuildSpaceGroup(messenger));
  layout->addStretch();
  kinds_->addButton(rbtn_Kakko, kReplaceKindBrackets);
  kinds_->addButton(rbtn_String, kReplaceKindString);
  kinds_->addButton(rbtn_Space, kReplaceKindSpaces);
  ConnectSubRule(rbtn_Kakko, {cmb_Kakko_Old, cmb_Kakko_New, chk_FirstMuch_Kakko});
  ConnectSubRule(rbtn_String, string_controls_);
  ConnectSubRule(rbtn_Space, space_controls_);
  connect(kinds_, &QButtonGroup::idToggled, this, [this] {
    UpdateLook();
    emit DescriptionChanged();
  });
  connect(space_kinds_, &QButtonGroup::idToggled, this, [this] { UpdateLook(); });
  rbtn_Kakko->setChecked(true);
  UpdateLook();
}

QWidget* TFrm_Okikae::BuildBracketGroup() {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  rbtn_Kakko = KindBox(box, "rbtn_Kakko", QStringLiteral("括弧を置換"));
  cmb_Kakko_Old = ListCombo(box, "cmb_Kakko_Old", kBracketOldItems);
  cmb_Kakko_New = ListCombo(box, "cmb_Kakko_New", kBracketNewItems);
  chk_FirstMuch_Kakko = OptionBox(box, "chk_FirstMuch_Kakko", QStringLiteral("先頭の括弧のみ"));
  grid->addWidget(rbtn_Kakko, 0, 0, 1, 3);
  grid->addWidget(cmb_Kakko_Old, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("→"), box), 1, 1);
  grid->addWidget(cmb_Kakko_New, 1, 2);
  grid->addWidget(chk_FirstMuch_Kakko, 2, 0, 1, 3);
  return box;
}

QWidget* TFrm_Okikae::BuildStringGroup(TMessenger& messenger) {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  rbtn_String = KindBox(box, "rbtn_String", QStringLiteral("文字列を置換"));
  cmb_String_Old = MakeCandidateCombo(box, "cmb_String_Old", 1, messenger);
  cmb_String_New = MakeCandidateCombo(box, "cmb_String_New", 2, messenger);
  chk_OmojiKomoji_String =
      OptionBox(box, "chk_OmojiKomoji_String", QStringLiteral("大文字と小文字を区別する"));
  chk_FirstMuch_String =
      OptionBox(box, "chk_FirstMuch_String", QStringLiteral("最初にマッチしたものだけ"));
  grid->addWidget(rbtn_String, 0, 0, 1, 2);
  grid->addWidget(cmb_String_Old, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("を"), box), 1, 1);
  grid->addWidget(cmb_String_New, 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("に置換"), box), 2, 1);
  grid->addWidget(chk_OmojiKomoji_String, 3, 0, 1, 2);
  grid->addWidget(chk_FirstMuch_String, 4, 0, 1, 2);
  string_controls_ = {cmb_String_Old, cmb_String_New, chk_OmojiKomoji_String, chk_FirstMuch_String};
  return box;
}

QWidget* TFrm_Okikae::BuildSpaceGroup(TMessenger& messenger) {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  rbtn_Space = KindBox(box, "rbtn_Space", QStringLiteral("文字列を空白に置換"));
  cmb_Space_Old = MakeCandidateCombo(box, "cmb_Space_Old", 3, messenger);
  rbtn_Widesp = new QRadioButton(QStringLiteral("全角スペース"), box);
  rbtn_Widesp->setObjectName("rbtn_Widesp");
  rbtn_Hankakusp = new QRadioButton(QStringLiteral("半角スペース"), box);
  rbtn_Hankakusp->setObjectName("rbtn_Hankakusp");
  space_kinds_ = new QButtonGroup(this);
  space_kinds_->addButton(rbtn_Widesp, 0);
  space_kinds_->addButton(rbtn_Hankakusp, 1);
  rbtn_Hankakusp->setChecked(true);
  spn_Wide = CountSpin(box, "spn_Wide");
  spn_Hankaku = CountSpin(box, "spn_Hankaku");
  chk_OmojiKomoji_Space =
      OptionBox(box, "chk_OmojiKomoji_Space", QStringLiteral("大文字と小文字を区別する"));
  chk_FirstMuch_Space =
      OptionBox(box, "chk_FirstMuch_Space", QStringLiteral("最初にマッチしたものだけ"));
  grid->addWidget(rbtn_Space, 0, 0, 1, 3);
  grid->addWidget(cmb_Space_Old, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("を空白にする"), box), 1, 2);
  grid->addWidget(rbtn_Widesp, 2, 0);
  grid->addWidget(spn_Wide, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("個"), box), 2, 2);
  grid->addWidget(rbtn_Hankakusp, 3, 0);
  grid->addWidget(spn_Hankaku, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("個"), box), 3, 2);
  grid->addWidget(chk_OmojiKomoji_Space, 4, 0, 1, 3);
  grid->addWidget(chk_FirstMuch_Space, 5, 0, 1, 3);
  space_controls_ = {cmb_Space_Old, rbtn_Widesp, spn_Wide, rbtn_Hankakusp, spn_Hankaku,
                     chk_OmojiKomoji_Space, chk_FirstMuch_Space};
  return box;
}

// Every change, click or entering of a sub-rule's control selects the sub-rule.
void TFrm_Okikae::ConnectSubRule(QCheckBox* kind, const QList<QWidget*>& controls) {
  auto select = [this, kind] { SelectKind(kind); };
  connect(kind, &QCheckBox::clicked, this, select);
  for (QWidget* w : controls) {
    w->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      connect(combo, &QComboBox::currentIndexChanged, this, select);
      connect(combo, &QComboBox::editTextChanged, this, select);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      connect(button, &QAbstractButton::clicked, this, select);
    } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
      connect(spin, &QSpinBox::valueChanged, this, select);
    }
  }
}

bool TFrm_Okikae::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (string_controls_.contains(w)) SelectKind(rbtn_String);
    if (space_controls_.contains(w)) SelectKind(rbtn_Space);
  }
  return TTabFrame::eventFilter(watched, event);
}

void TFrm_Okikae::SelectKind(QCheckBox* kind) {
  if (!kind->isChecked()) {
    kind->setChecked(true);  // the group's toggle reaction shows the description
  } else {
    UpdateLook();
    emit DescriptionChanged();
  }
}

void TFrm_Okikae::UpdateLook() {
  for (QAbstractButton* b : kinds_->buttons()) {
    QPalette p = b->palette();
    p.setColor(QPalette::WindowText, b->isChecked() ? Qt::red : Qt::black);
    b->setPalette(p);
  }
  spn_Wide->setEnabled(rbtn_Widesp->isChecked());
  spn_Hankaku->setEnabled(rbtn_Hankakusp->isChecked());
}

TTabStatus_Okikae TFrm_Okikae::Status() const {
  TTabStatus_Okikae r;
  r.KakkoOldIdx = cmb_Kakko_Old->currentIndex();
  r.KakkoNewIdx = cmb_Kakko_New->currentIndex();
  r.KakkoFirstOnly = chk_FirstMuch_Kakko->isChecked();
  r.StringOldItems = ComboItems(cmb_String_Old);
  r.StringNewItems = ComboItems(cmb_String_New);
  r.StringOld = ComboText(cmb_String_Old);
  r.StringNew = ComboText(cmb_String_New);
  r.StringCase = chk_OmojiKomoji_String->isChecked();
  r.StringFirstOnly = chk_FirstMuch_String->isChecked();
  r.SpaceOldItems = ComboItems(cmb_Space_Old);
  r.SpaceOld = ComboText(cmb_Space_Old);
  r.SpaceWide = rbtn_Widesp->isChecked();
  r.SpaceHankaku = rbtn_Hankakusp->isChecked();
  r.SpaceWideCount = spn_Wide->value();
  r.SpaceHankakuCount = spn_Hankaku->value();
  r.SpaceCase = chk_OmojiKomoji_Space->isChecked();
  r.SpaceFirstOnly = chk_FirstMuch_Space->isChecked();
  const int kind = kinds_->checkedId();
  r.Kind = kind < 0 ? 0 : kind;
  return r;
}

void TFrm_Okikae::StoreTabStatus(TTabStatusSet& records) const { records.Okikae = Status(); }

void TFrm_Okikae::RestoreTabStatus(const TTabStatusSet& records) {
  const TTabStatus_Okikae& r = records.Okikae;
  {
    // The record says which sub-rule is chosen; filling the controls must not.
    QList<QObject*> quiet = {cmb_Kakko_Old, cmb_Kakko_New, cmb_String_Old, cmb_String_New,
                             cmb_Space_Old, spn_Wide, spn_Hankaku};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject* o : quiet) blockers.push_back(std::make_unique<QSignalBlocker>(o));
    cmb_Kakko_Old->setCurrentIndex(r.KakkoOldIdx);
    cmb_Kakko_New->setCurrentIndex(r.KakkoNewIdx);
    FillCombo(cmb_String_Old, r.StringOldItems, r.StringOld);
    FillCombo(cmb_String_New, r.StringNewItems, r.StringNew);
    FillCombo(cmb_Space_Old, r.SpaceOldItems, r.SpaceOld);
    spn_Wide->setValue(r.SpaceWideCount);
    spn_Hankaku->setValue(r.SpaceHankakuCount);
  }
  chk_FirstMuch_Kakko->setChecked(r.KakkoFirstOnly);
  chk_OmojiKomoji_String->setChecked(r.StringCase);
  chk_FirstMuch_String->setChecked(r.StringFirstOnly);
  (r.SpaceWide && !r.SpaceHankaku ? rbtn_Widesp : rbtn_Hankakusp)->setChecked(true);
  chk_OmojiKomoji_Space->setChecked(r.SpaceCase);
  chk_FirstMuch_Space->setChecked(r.SpaceFirstOnly);
  kinds_->button(KindIndex(r))->setChecked(true);
  UpdateLook();
  emit DescriptionChanged();
}

QString TFrm_Okikae::DescriptionText(bool) const { return FromUtf8(DescribeReplaceRule(Status())); }

TRuleJob TFrm_Okikae::RuleJob() const {
  return [status = Status()](const TRuleContext& ctx) { return RunReplaceRule(ctx, status); };
}

}  // namespace nalo
