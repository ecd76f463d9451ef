// Built in code with the original object names. The string controls choose the
// string move when they change or are entered, the bracket list chooses the
// bracket move when it changes; every reaction ends in the description.
#include "rules/gui/frm_move.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rules/gui/caption_colour.h"
#include "rules/gui/choice_group.h"
#include "rules/gui/combo_items.h"
#include "rules/gui/focus_reaction.h"
#include "rules/gui/position_list.h"
#include "rules/gui/rule_combos.h"
#include "rules/move_rule.h"
#include "rules/rule_captions.h"
#include "rules/rule_descriptions.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

constexpr int kNiniStrMoveTag = 1;
constexpr int kMoveStringTag = 2;

}  // namespace

TFrm_Move::TFrm_Move(TMessenger& messenger, QWidget* parent) : TTabFrame(kTabMove, parent) {
  setObjectName("Frm_Move");
  BuildControls(messenger);
  ConnectReactions();
  ApplyTargetMode(true);
}

void TFrm_Move::BuildControls(TMessenger& messenger) {
  auto* layout = new QVBoxLayout(this);
  rgp_MovePos = new TChoiceGroup(QStringLiteral("移動場所"), "rgp_MovePos", this);
  layout->addWidget(rgp_MovePos);

  auto* nini_row = new QGridLayout;
  nini_row->addWidget(new QLabel(QStringLiteral("任意文字列"), this), 0, 0);
  cmb_NiniStr_Move = MakeCandidateCombo(this, "cmb_NiniStr_Move", kNiniStrMoveTag, messenger);
  nini_row->addWidget(cmb_NiniStr_Move, 0, 1);
  nini_row->setColumnStretch(1, 1);
  layout->addLayout(nini_row);

  auto* group = new QGroupBox(QStringLiteral("移動する文字列"), this);
  auto* grid = new QGridLayout(group);
  rbtn_Mve_1 = new QRadioButton(QStringLiteral("括弧 （先頭の括弧で中身付き）"), group);
  rbtn_Mve_1->setObjectName("rbtn_Mve_1");
  cmb_Mve_1 = MakeListCombo(group, "cmb_Mve_1", kMoveBracketItems);
  rbtn_Mve_2 = new QRadioButton(QStringLiteral("文字列 （最初にマッチしたもの）"), group);
  rbtn_Mve_2->setObjectName("rbtn_Mve_2");
  cmb_Mve_2 = MakeCandidateCombo(group, "cmb_Mve_2", kMoveStringTag, messenger);
  chk_OmojiKomoji_Move = new QCheckBox(QStringLiteral("大文字と小文字を区別する"), group);
  chk_OmojiKomoji_Move->setObjectName("chk_OmojiKomoji_Move");
  grid->addWidget(rbtn_Mve_1, 0, 0, 1, 2);
  grid->addWidget(cmb_Mve_1, 1, 1);
  grid->addWidget(rbtn_Mve_2, 2, 0, 1, 2);
  grid->addWidget(cmb_Mve_2, 3, 1);
  grid->addWidget(chk_OmojiKomoji_Move, 4, 1);
  grid->setColumnMinimumWidth(0, 16);
  grid->setColumnStretch(1, 1);
  layout->addWidget(group);
  layout->addStretch(1);

  rbtn_Mve_1->setChecked(true);
  MarkChosenCaption({rbtn_Mve_1, rbtn_Mve_2}, rbtn_Mve_1);
}

void TFrm_Move::ConnectReactions() {
  connect(rgp_MovePos, &TChoiceGroup::ItemClicked, this, &TFrm_Move::Changed);
  connect(cmb_NiniStr_Move, &QComboBox::editTextChanged, this, &TFrm_Move::Changed);
  connect(rbtn_Mve_1, &QRadioButton::clicked, this, [this] { ChooseMove(rbtn_Mve_1); });
  connect(rbtn_Mve_2, &QRadioButton::clicked, this, [this] { ChooseMove(rbtn_Mve_2); });
  connect(cmb_Mve_1, &QComboBox::currentIndexChanged, this, [this] { ChooseMove(rbtn_Mve_1); });
  connect(cmb_Mve_2, &QComboBox::editTextChanged, this, [this] { ChooseMove(rbtn_Mve_2); });
  OnEnter(cmb_Mve_2, [this] { ChooseMove(rbtn_Mve_2); });
  OnEnter(chk_OmojiKomoji_Move, [this] { ChooseMove(rbtn_Mve_2); });
  connect(chk_OmojiKomoji_Move, &QCheckBox::clicked, this, &TFrm_Move::Changed);
}

void TFrm_Move::ChooseMove(QRadioButton* button) {
  if (restoring_) return;
  button->setChecked(true);
  MarkChosenCaption({rbtn_Mve_1, rbtn_Mve_2}, button);
  Changed();
}

void TFrm_Move::Changed() {
  if (!restoring_) emit DescriptionChanged();
}

TTabStatus_Move TFrm_Move::Status() const {
  TTabStatus_Move status;
  status.NiniStrItems = ComboItems(cmb_NiniStr_Move);
  status.NiniStr = ComboText(cmb_NiniStr_Move);
  status.MoveStrItems = ComboItems(cmb_Mve_2);
  status.MoveStr = ComboText(cmb_Mve_2);
  status.Position = rgp_MovePos->ItemIndex() < 0 ? 0 : rgp_MovePos->ItemIndex();
  status.MoveBracket = rbtn_Mve_1->isChecked();
  status.MoveString = rbtn_Mve_2->isChecked();
  status.BracketIdx = cmb_Mve_1->currentIndex();
  status.StringCase = chk_OmojiKomoji_Move->isChecked();
  return status;
}

void TFrm_Move::StoreTabStatus(TTabStatusSet& records) const {
  records.Move = Status();
  MovePositionMemory().Stored(files_mode_, records.Move.Position);
}

void TFrm_Move::RestoreTabStatus(const TTabStatusSet& records) {
  const TTabStatus_Move& status = records.Move;
  restoring_ = true;
  FillCombo(cmb_NiniStr_Move, status.NiniStrItems, status.NiniStr);
  FillCombo(cmb_Mve_2, status.MoveStrItems, status.MoveStr);
  rgp_MovePos->SetItemIndex(IndexWithin(status.Position, rgp_MovePos->Count(), 0));
  restored_position_ = status.Position;
  // The record always names one bracket kind; a stray index falls back to the first.
  cmb_Mve_1->setCurrentIndex(IndexWithin(status.BracketIdx, cmb_Mve_1->count(), 0));
  chk_OmojiKomoji_Move->setChecked(status.StringCase);
  QRadioButton* chosen = status.MoveString && !status.MoveBracket ? rbtn_Mve_2 : rbtn_Mve_1;
  chosen->setChecked(true);
  MarkChosenCaption({rbtn_Mve_1, rbtn_Mve_2}, chosen);
  restoring_ = false;
  Changed();
}

void TFrm_Move::ApplyTargetMode(bool files_mode) {
  // The list shown so far holds a choice of the user (not a record waiting for
  // its mode): it is remembered for that mode.
  if (!restored_position_ && rgp_MovePos->Count() > 0)
    MovePositionMemory().Left(files_mode_, rgp_MovePos->ItemIndex());
  files_mode_ = files_mode;
  rgp_MovePos->SetItems(PositionCaptions(!files_mode));
  const int count = rgp_MovePos->Count();
  rgp_MovePos->SetItemIndex(MovePositionMemory().IndexFor(restored_position_, files_mode, count));
  restored_position_.reset();
  Changed();
}

QString TFrm_Move::DescriptionText(bool files_mode) const {
  return FromUtf8(DescribeMoveRule(Status(), !files_mode));
}

TRuleJob TFrm_Move::RuleJob() const {
  return [status = Status()](const TRuleContext& ctx) { return RunMoveRule(ctx, status); };
}

}  // namespace nalo
