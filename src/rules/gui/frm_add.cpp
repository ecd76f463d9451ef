// The add frame's controls are built in code with the object names of the
// original form. Every reaction ends in Changed(), which asks for the description
// again; while a record is being restored the reactions are quiet, so restoring
// never re-chooses a candidate.
#include "rules/gui/frm_add.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMetaMethod>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rules/add_rule.h"
#include "rules/gui/caption_colour.h"
#include "rules/gui/choice_group.h"
#include "rules/gui/focus_reaction.h"
#include "rules/gui/position_list.h"
#include "rules/gui/combo_items.h"
#include "rules/gui/rule_combos.h"
#include "rules/rule_descriptions.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Combo-menu tag of the anchor combo; the user-string combos have tags 1-4.
constexpr int kNiniStrTag = 5;

const char* const kCandidateCaptions[kAddCandidateCount] = {
    "候補１", "候補２", "候補３", "候補４", "AVIのコーデック・サイズ", "更新日時・ファイルサイズ",
    "JPG/GIF/PNGの画像サイズ", "MP3のID3Tag・Mpeg情報", "フォルダ名"};

// Candidates that read file contents and so exist only in file mode.
bool IsFileOnlyCandidate(int candidate) {
  return candidate == 4 || candidate == 6 || candidate == 7;
}

}  // namespace

TFrm_Add::TFrm_Add(TMessenger& messenger, QWidget* parent) : TTabFrame(kTabAdd, parent) {
  setObjectName("Frm_Add");
  BuildControls(messenger);
  ConnectReactions();
  ApplyTargetMode(true);
}

void TFrm_Add::BuildControls(TMessenger& messenger) {
  auto* layout = new QVBoxLayout(this);
  rgp_AddPos = new TChoiceGroup(QStringLiteral("追加場所"), "rgp_AddPos", this);
  layout->addWidget(rgp_AddPos);

  auto* nini_row = new QGridLayout;
  nini_row->addWidget(new QLabel(QStringLiteral("任意文字列"), this), 0, 0);
  cmb_NiniStr = MakeCandidateCombo(this, "cmb_NiniStr", kNiniStrTag, messenger);
  nini_row->addWidget(cmb_NiniStr, 0, 1);
  nini_row->setColumnStretch(1, 1);
  layout->addLayout(nini_row);

  auto* group = new QGroupBox(QStringLiteral("追加する文字列"), this);
  auto* grid = new QGridLayout(group);
  for (int i = 0; i < kAddCandidateCount; ++i) {
    auto* button = new QRadioButton(QString::fromUtf8(kCandidateCaptions[i]), group);
    button->setObjectName(QStringLiteral("rbtn_Add_%1").arg(i + 1));
    rbtn_Add[static_cast<std::size_t>(i)] = button;
    if (i < kAddUserStringCount) {
      grid->addWidget(button, i, 0);
      const QByteArray name = QStringLiteral("cmb_Add_%1").arg(i + 1).toLatin1();
      QComboBox* combo = MakeCandidateCombo(group, name.constData(), i + 1, messenger);
      cmb_Add[static_cast<std::size_t>(i)] = combo;
      grid->addWidget(combo, i, 1);
    } else {
      grid->addWidget(button, i, 0, 1, 2);
      button->setToolTip(QStringLiteral("右クリックメニューで設定できます"));
      SetTag(button, i + 1);
    }
  }
  grid->setColumnStretch(1, 1);
  layout->addWidget(group);
  layout->addStretch(1);

  const QList<QWidget*> order = TabOrder();
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  rbtn_Add[0]->setChecked(true);
  MarkChosenCaption(ButtonList(rbtn_Add), rbtn_Add[0]);
}

void TFrm_Add::ConnectReactions() {
  connect(rgp_AddPos, &TChoiceGroup::ItemClicked, this, &TFrm_Add::Changed);
  connect(cmb_NiniStr, &QComboBox::editTextChanged, this, &TFrm_Add::Changed);
  for (int i = 0; i < kAddCandidateCount; ++i) {
    connect(rbtn_Add[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
            [this, i] { ChooseCandidate(i); });
  }
  for (int i = 0; i < kAddUserStringCount; ++i) {
    connect(cmb_Add[static_cast<std::size_t>(i)], &QComboBox::editTextChanged, this,
            [this, i] { ChooseCandidate(i); });
  }
}

void TFrm_Add::ChooseCandidate(int candidate) {
  if (restoring_) return;
  QRadioButton* button = rbtn_Add[static_cast<std::size_t>(candidate)];
  button->setChecked(true);
  MarkChosenCaption(ButtonList(rbtn_Add), button);
  Changed();
}

void TFrm_Add::Changed() {
  if (!restoring_) emit DescriptionChanged();
}

TTabStatus_Add TFrm_Add::Status() const {
  TTabStatus_Add status;
  status.Position = rgp_AddPos->ItemIndex() < 0 ? 0 : rgp_AddPos->ItemIndex();
  status.NiniStrItems = ComboItems(cmb_NiniStr);
  status.NiniStr = ComboText(cmb_NiniStr);
  for (std::size_t i = 0; i < cmb_Add.size(); ++i) {
    status.AddItems[i] = ComboItems(cmb_Add[i]);
    status.AddText[i] = ComboText(cmb_Add[i]);
  }
  status.Candidate = 0;
  for (std::size_t i = 0; i < rbtn_Add.size(); ++i) {
    if (rbtn_Add[i]->isChecked()) status.Candidate = static_cast<std::int32_t>(i);
  }
  return status;
}

void TFrm_Add::StoreTabStatus(TTabStatusSet& records) const {
  records.Add = Status();
  AddPositionMemory().Stored(files_mode_, records.Add.Position);
}

void TFrm_Add::RestoreTabStatus(const TTabStatusSet& records) {
  const TTabStatus_Add& status = records.Add;
  restoring_ = true;
  FillCombo(cmb_NiniStr, status.NiniStrItems, status.NiniStr);
  for (std::size_t i = 0; i < cmb_Add.size(); ++i) {
    FillCombo(cmb_Add[i], status.AddItems[i], status.AddText[i]);
  }
  QRadioButton* chosen =
      rbtn_Add[static_cast<std::size_t>(IndexWithin(status.Candidate, kAddCandidateCount, 0))];
  chosen->setChecked(true);
  MarkChosenCaption(ButtonList(rbtn_Add), chosen);
  rgp_AddPos->SetItemIndex(IndexWithin(status.Position, rgp_AddPos->Count(), 0));
  restored_position_ = status.Position;
  restoring_ = false;
  Changed();
}

void TFrm_Add::ApplyTargetMode(bool files_mode) {
  // The list shown so far holds a choice of the user (not a record waiting for
  // its mode): it is remembered for that mode.
  if (!restored_position_ && rgp_AddPos->Count() > 0)
    AddPositionMemory().Left(files_mode_, rgp_AddPos->ItemIndex());
  files_mode_ = files_mode;
  rgp_AddPos->SetItems(PositionCaptions(!files_mode));
  const int count = rgp_AddPos->Count();
  rgp_AddPos->SetItemIndex(AddPositionMemory().IndexFor(restored_position_, files_mode, count));
  restored_position_.reset();
  rbtn_Add[5]->setText(files_mode ? QStringLiteral("更新日時・ファイルサイズ")
                                  : QStringLiteral("更新日時"));
  for (int i = 0; i < kAddCandidateCount; ++i) {
    if (IsFileOnlyCandidate(i)) rbtn_Add[static_cast<std::size_t>(i)]->setEnabled(files_mode);
  }
  Changed();
}

QString TFrm_Add::DescriptionText(bool files_mode) const {
  return FromUtf8(DescribeAddRule(Status(), !files_mode));
}

TRuleJob TFrm_Add::RuleJob() const {
  return [status = Status()](const TRuleContext& ctx) { return RunAddRule(ctx, status); };
}

QList<QWidget*> TFrm_Add::LabelPopupWidgets() const {
  return QList<QWidget*>(rbtn_Add.begin() + kAddUserStringCount, rbtn_Add.end());
}

QList<QWidget*> TFrm_Add::TabOrder() const {
  QList<QWidget*> order = {cmb_NiniStr};
  for (int i = 0; i < kAddCandidateCount; ++i) {
    order.push_back(rbtn_Add[static_cast<std::size_t>(i)]);
    if (i < kAddUserStringCount) order.push_back(cmb_Add[static_cast<std::size_t>(i)]);
  }
  return order;
}

bool TFrm_Add::focusNextPrevChild(bool next) {
  switch (MoveFocusInOrder(this, TabOrder(), next)) {
    case TOrderMove::kMoved:
      // Reaching a candidate button by Tab chooses that candidate.
      for (int c = 0; c < kAddCandidateCount; ++c) {
        if (focusWidget() == rbtn_Add[static_cast<std::size_t>(c)]) ChooseCandidate(c);
      }
      return true;
    case TOrderMove::kPastEnd:
      if (next && isSignalConnected(QMetaMethod::fromSignal(&TFrm_Add::FocusLeftFrame))) {
        emit FocusLeftFrame();
        return true;
      }
      break;
    case TOrderMove::kNotInOrder:
      break;
  }
  return TTabFrame::focusNextPrevChild(next);
}

}  // namespace nalo
