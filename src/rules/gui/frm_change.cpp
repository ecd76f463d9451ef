// Built in code with the original object names; the sub-rule buttons form one
// exclusive group. Using an option control chooses its sub-rule, entering a
// plain sub-rule button chooses it, and every reaction ends in the description.
// The time-stamp sub-rule and its date editor exist but stay hidden.
#include "rules/gui/frm_change.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "rules/convert_rule.h"
#include "rules/gui/caption_colour.h"
#include "rules/gui/choice_group.h"
#include "rules/gui/combo_items.h"
#include "rules/gui/focus_reaction.h"
#include "rules/gui/rule_combos.h"
#include "rules/rule_captions.h"
#include "rules/rule_descriptions.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

constexpr int kNum1Tag = 1;
constexpr int kExtTag = 2;
// The first number is typed in at most two digits.
constexpr int kMaxFirstNumber = 99;
constexpr int kKindCount = 10;

struct TKindButton {
  const char* name;
  const char* file_caption;
  const char* folder_caption;  // null when the caption does not change
};

// Indexed by TTabStatus_Modif::Kind.
constexpr TKindButton kKindButtons[kKindCount] = {
    {"rbtn_Renban", "ファイル名を連番に変換", "フォルダ名を連番に変換"},
    {"rbtn_Ext_Modif", "拡張子を変換", nullptr},
    {"rbtn_Fname_OmojiKomoji", "ファイル名の大・小文字", "フォルダ名の大・小文字"},
    {"rbtn_Ext_OmojiKomoji", "拡張子の大・小文字", nullptr},
    {"rbtn_HankakuWide", "半角を全角に変換", nullptr},
    {"rbtn_WideHankaku", "全角を半角に変換", nullptr},
    {"rbtn_HiraKana", "全角ひらがなを全角カタカナ", nullptr},
    {"rbtn_KanaHira", "全角カタカナを全角ひらがな", nullptr},
    {"rbtn_TrimFileName", "ファイル名の前後の空白を削除", "フォルダ名の前後の空白を削除"},
    {"rbtn_TimeStamp", "タイムスタンプ変更", nullptr},
};

QStringList CaseItems() { return {QStringLiteral("大文字"), QStringLiteral("小文字")}; }

}  // namespace

TFrm_Change::TFrm_Change(TMessenger& messenger, QWidget* parent)
    : TTabFrame(kTabConvert, parent) {
  setObjectName("Frm_Change");
  BuildControls(messenger);
  ConnectReactions();
  ApplyTargetMode(true);
}

void TFrm_Change::BuildControls(TMessenger& messenger) {
  for (int k = 0; k < kKindCount; ++k) {
    auto* button = new QRadioButton(QString::fromUtf8(kKindButtons[k].file_caption), this);
    button->setObjectName(kKindButtons[k].name);
    kinds_[static_cast<std::size_t>(k)] = button;
  }
  auto* grid = new QGridLayout;
  int row = 0;
  grid->addWidget(kinds_[kConvertNumbering], row++, 0, 1, 3);
  cmb_Num1 = MakeCandidateCombo(this, "cmb_Num1", kNum1Tag, messenger);
  cmb_Num2 = MakeListCombo(this, "cmb_Num2", kDigitItems);
  grid->addWidget(cmb_Num1, row, 1);
  grid->addWidget(cmb_Num2, row++, 2);
  grid->addWidget(new QLabel(QStringLiteral("最初の数字"), this), row, 1, Qt::AlignRight);
  SpinEdit2 = new QSpinBox(this);
  SpinEdit2->setObjectName("SpinEdit2");
  SpinEdit2->setRange(0, kMaxFirstNumber);
  grid->addWidget(SpinEdit2, row++, 2);

  grid->addWidget(kinds_[kConvertExtension], row++, 0, 1, 3);
  cmb_Ext = MakeCandidateCombo(this, "cmb_Ext", kExtTag, messenger);
  grid->addWidget(cmb_Ext, row, 1);
  grid->addWidget(new QLabel(QStringLiteral("に変換"), this), row++, 2);

  grid->addWidget(kinds_[kConvertNameCase], row++, 0, 1, 3);
  rgp_Fname_OmojiKomoji = new TChoiceGroup(QString(), "rgp_Fname_OmojiKomoji", this);
  rgp_Fname_OmojiKomoji->SetItems(CaseItems());
  chk_Fname_OmojiKomoji = new QCheckBox(QStringLiteral("先頭１文字は大文字"), this);
  chk_Fname_OmojiKomoji->setObjectName("chk_Fname_OmojiKomoji");
  grid->addWidget(rgp_Fname_OmojiKomoji, row, 1);
  grid->addWidget(chk_Fname_OmojiKomoji, row++, 2);

  grid->addWidget(kinds_[kConvertExtCase], row++, 0, 1, 3);
  rgp_Ext_OmojiKomoji2 = new TChoiceGroup(QString(), "rgp_Ext_OmojiKomoji2", this);
  rgp_Ext_OmojiKomoji2->SetItems(CaseItems());
  chk_Ext_OmojiKomoji = new QCheckBox(QStringLiteral("先頭１文字は大文字"), this);
  chk_Ext_OmojiKomoji->setObjectName("chk_Ext_OmojiKomoji");
  grid->addWidget(rgp_Ext_OmojiKomoji2, row, 1);
  grid->addWidget(chk_Ext_OmojiKomoji, row++, 2);

  for (int k : {kConvertTrim, kConvertHalfToFull, kConvertFullToHalf, kConvertHiraToKata,
                kConvertKataToHira}) {
    grid->addWidget(kinds_[static_cast<std::size_t>(k)], row++, 0, 1, 3);
  }
  EditDateTime1 = new QDateTimeEdit(this);
  EditDateTime1->setObjectName("EditDateTime1");
  grid->addWidget(kinds_[kConvertTimeStamp], row, 0, 1, 2);
  grid->addWidget(EditDateTime1, row++, 2);
  kinds_[kConvertTimeStamp]->hide();
  EditDateTime1->hide();
  grid->setColumnMinimumWidth(0, 16);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch(1);

  rgp_Fname_OmojiKomoji->SetItemIndex(0);
  rgp_Ext_OmojiKomoji2->SetItemIndex(1);
  chk_Fname_OmojiKomoji->setChecked(true);
  kinds_[kConvertNumbering]->setChecked(true);
  MarkChosenCaption(ButtonList(kinds_), kinds_[kConvertNumbering]);
  const QList<QWidget*> order = TabOrder();
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TFrm_Change::ConnectReactions() {
  for (int k = 0; k < kKindCount; ++k) {
    connect(kinds_[static_cast<std::size_t>(k)], &QRadioButton::clicked, this,
            [this, k] { ChooseKind(k); });
    OnEnter(kinds_[static_cast<std::size_t>(k)], [this, k] { ChooseKind(k); });
  }
  const auto chooser = [this](int kind) { return [this, kind] { ChooseKind(kind); }; };
  connect(cmb_Num1, &QComboBox::editTextChanged, this, chooser(kConvertNumbering));
  connect(cmb_Num2, &QComboBox::currentIndexChanged, this, chooser(kConvertNumbering));
  connect(SpinEdit2, &QSpinBox::valueChanged, this, chooser(kConvertNumbering));
  connect(cmb_Ext, &QComboBox::editTextChanged, this, chooser(kConvertExtension));
  connect(rgp_Fname_OmojiKomoji, &TChoiceGroup::ItemClicked, this, chooser(kConvertNameCase));
  connect(chk_Fname_OmojiKomoji, &QCheckBox::clicked, this, chooser(kConvertNameCase));
  connect(rgp_Ext_OmojiKomoji2, &TChoiceGroup::ItemClicked, this, chooser(kConvertExtCase));
  connect(chk_Ext_OmojiKomoji, &QCheckBox::clicked, this, chooser(kConvertExtCase));
  for (QWidget* w : {static_cast<QWidget*>(cmb_Num1), static_cast<QWidget*>(cmb_Num2),
                     static_cast<QWidget*>(SpinEdit2)}) {
    OnEnter(w, chooser(kConvertNumbering));
  }
  OnEnter(cmb_Ext, chooser(kConvertExtension));
  OnEnter(chk_Fname_OmojiKomoji, chooser(kConvertNameCase));
  OnEnter(chk_Ext_OmojiKomoji, chooser(kConvertExtCase));
  for (int i = 0; i < 2; ++i) {
    OnEnter(rgp_Fname_OmojiKomoji->Button(i), chooser(kConvertNameCase));
    OnEnter(rgp_Ext_OmojiKomoji2->Button(i), chooser(kConvertExtCase));
  }
}

void TFrm_Change::ChooseKind(int kind) {
  if (restoring_) return;
  QRadioButton* button = kinds_[static_cast<std::size_t>(kind)];
  if (!button->isEnabled()) return;
  button->setChecked(true);
  MarkChosenCaption(ButtonList(kinds_), button);
  Changed();
}

void TFrm_Change::Changed() {
  if (!restoring_) emit DescriptionChanged();
}

TTabStatus_Modif TFrm_Change::Status() const {
  TTabStatus_Modif status;
  status.NumBaseItems = ComboItems(cmb_Num1);
  status.NumBase = ComboText(cmb_Num1);
  status.ExtItems = ComboItems(cmb_Ext);
  status.Ext = ComboText(cmb_Ext);
  status.DigitsIdx = cmb_Num2->currentIndex();
  status.NumStart = SpinEdit2->value();
  status.NameCaseIdx = rgp_Fname_OmojiKomoji->ItemIndex();
  status.NameCapitalize = chk_Fname_OmojiKomoji->isChecked();
  status.ExtCaseIdx = rgp_Ext_OmojiKomoji2->ItemIndex();
  status.ExtCapitalize = chk_Ext_OmojiKomoji->isChecked();
  status.Kind = 0;
  for (int k = 0; k < kKindCount; ++k) {
    if (kinds_[static_cast<std::size_t>(k)]->isChecked()) status.Kind = k;
  }
  return status;
}

void TFrm_Change::StoreTabStatus(TTabStatusSet& records) const { records.Modif = Status(); }

void TFrm_Change::RestoreTabStatus(const TTabStatusSet& records) {
  const TTabStatus_Modif& status = records.Modif;
  restoring_ = true;
  FillCombo(cmb_Num1, status.NumBaseItems, status.NumBase);
  FillCombo(cmb_Ext, status.ExtItems, status.Ext);
  cmb_Num2->setCurrentIndex(IndexWithin(status.DigitsIdx, cmb_Num2->count(), 0));
  SpinEdit2->setValue(status.NumStart);
  rgp_Fname_OmojiKomoji->SetItemIndex(status.NameCaseIdx);
  chk_Fname_OmojiKomoji->setChecked(status.NameCapitalize);
  rgp_Ext_OmojiKomoji2->SetItemIndex(status.ExtCaseIdx);
  chk_Ext_OmojiKomoji->setChecked(status.ExtCapitalize);
  QRadioButton* chosen = kinds_[static_cast<std::size_t>(IndexWithin(status.Kind, kKindCount, 0))];
  chosen->setChecked(true);
  MarkChosenCaption(ButtonList(kinds_), chosen);
  restoring_ = false;
  Changed();
}

void TFrm_Change::ApplyTargetMode(bool files_mode) {
  files_mode_ = files_mode;
  for (int k = 0; k < kKindCount; ++k) {
    const TKindButton& button = kKindButtons[k];
    const char* caption = !files_mode && button.folder_caption ? button.folder_caption : button.file_caption;
    kinds_[static_cast<std::size_t>(k)]->setText(QString::fromUtf8(caption));
  }
  for (QWidget* w : {static_cast<QWidget*>(kinds_[kConvertExtension]),
                     static_cast<QWidget*>(cmb_Ext), static_cast<QWidget*>(kinds_[kConvertExtCase]),
                     static_cast<QWidget*>(chk_Ext_OmojiKomoji),
                     static_cast<QWidget*>(rgp_Ext_OmojiKomoji2)}) {
    w->setEnabled(files_mode);
  }
  Changed();
}

QString TFrm_Change::DescriptionText(bool files_mode) const {
  return FromUtf8(DescribeConvertRule(Status(), !files_mode));
}

TRuleJob TFrm_Change::RuleJob() const {
  return [status = Status()](const TRuleContext& ctx) { return RunConvertRule(ctx, status); };
}

QList<QWidget*> TFrm_Change::TabOrder() const {
  const auto checked_or_first = [](const TChoiceGroup* group) -> QWidget* {
    const int index = group->ItemIndex();
    return group->Button(index < 0 ? 0 : index);
  };
  return {kinds_[kConvertNumbering],  cmb_Num1,
          cmb_Num2,                   SpinEdit2,
          kinds_[kConvertExtension],  cmb_Ext,
          kinds_[kConvertNameCase],   checked_or_first(rgp_Fname_OmojiKomoji),
          chk_Fname_OmojiKomoji,      kinds_[kConvertExtCase],
          checked_or_first(rgp_Ext_OmojiKomoji2), chk_Ext_OmojiKomoji,
          kinds_[kConvertTrim],       kinds_[kConvertHalfToFull],
          kinds_[kConvertFullToHalf], kinds_[kConvertHiraToKata],
          kinds_[kConvertKataToHira]};
}

bool TFrm_Change::focusNextPrevChild(bool next) {
  if (MoveFocusInOrder(this, TabOrder(), next) == TOrderMove::kMoved) return true;
  return TTabFrame::focusNextPrevChild(next);
}

}  // namespace nalo
