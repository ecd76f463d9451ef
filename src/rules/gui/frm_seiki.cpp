// Built in code with the original object names. The two engine boxes are an
// exclusive pair; the replace-mode buttons belong to AWK mode, so using them
// chooses AWK. Every reaction ends in the description.
#include "rules/gui/frm_seiki.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "rules/gui/caption_colour.h"
#include "rules/gui/combo_items.h"
#include "rules/gui/focus_reaction.h"
#include "rules/gui/frm_seiki_help.h"
#include "rules/gui/rule_combos.h"
#include "rules/regex_help.h"
#include "rules/regex_rule.h"
#include "rules/rule_descriptions.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

constexpr int kRegExpTag = 1;
constexpr int kSubTextTag = 2;

QCheckBox* MakeEngineBox(const QString& caption, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  QFont font = box->font();
  font.setBold(true);
  box->setFont(font);
  return box;
}

QToolButton* MakeHelpButton(const char* name, int tag, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(QStringLiteral("?"));
  button->setToolTip(FromUtf8(kRegexHelpCaption));
  button->setProperty("Tag", tag);
  return button;
}

// The index in `text` of the character holding byte `offset` of its CP932 form;
// the length of `text` when the offset is past its last byte.
qsizetype IndexOfCp932Byte(const QString& text, std::size_t offset) {
  std::size_t bytes = 0;
  qsizetype i = 0;
  while (i < text.size()) {
    const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    // A character without a CP932 form never reaches the pattern; count it as one byte.
    bytes += ToCp932(text.mid(i, len)).value_or(std::string(1, '?')).size();
    if (bytes > offset) return i;
    i += len;
  }
  return text.size();
}

}  // namespace

TFrm_Seiki::TFrm_Seiki(TMessenger& messenger, QWidget* parent)
    : TTabFrame(kTabRegex, parent), messenger_(messenger) {
  setObjectName("Frm_Seiki");
  BuildControls(messenger);
  ConnectReactions();
  ShowEngine();
}

void TFrm_Seiki::BuildControls(TMessenger& messenger) {
  Label15 = new QLabel(QStringLiteral("正規表現"), this);
  Label15->setObjectName("Label15");
  RegExpEdit = MakeCandidateCombo(this, "RegExpEdit", kRegExpTag, messenger);
  Label16 = new QLabel(QStringLiteral("置換文字列"), this);
  Label16->setObjectName("Label16");
  SubTextEdit = MakeCandidateCombo(this, "SubTextEdit", kSubTextTag, messenger);
  chk_Parl = MakeEngineBox(QStringLiteral("Perl5互換"), "chk_Parl", this);
  chk_AWK = MakeEngineBox(QStringLiteral("AWK互換"), "chk_AWK", this);
  auto* engines = new QButtonGroup(this);
  engines->setExclusive(true);
  engines->addButton(chk_Parl);
  engines->addButton(chk_AWK);
  spd_Help = MakeHelpButton("spd_Help", kPerl5HelpTag, this);

  GroupBox1 = new QGroupBox(this);
  GroupBox1->setObjectName("GroupBox1");
  RadioButton1 = new QRadioButton(QStringLiteral("マッチした部分を置換する"), GroupBox1);
  RadioButton1->setObjectName("RadioButton1");
  RadioButton2 = new QRadioButton(QStringLiteral("マッチしたすべてを置換する"), GroupBox1);
  RadioButton2->setObjectName("RadioButton2");
  SpeedButton1 = MakeHelpButton("SpeedButton1", kAwkHelpTag, GroupBox1);
  auto* group_layout = new QGridLayout(GroupBox1);
  group_layout->addWidget(RadioButton1, 0, 0);
  group_layout->addWidget(RadioButton2, 1, 0);
  group_layout->addWidget(SpeedButton1, 0, 1, Qt::AlignRight);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label15);
  layout->addWidget(RegExpEdit);
  layout->addWidget(Label16);
  layout->addWidget(SubTextEdit);
  auto* engine_row = new QHBoxLayout;
  engine_row->addWidget(chk_Parl);
  engine_row->addWidget(spd_Help);
  engine_row->addStretch(1);
  engine_row->addWidget(chk_AWK);
  layout->addLayout(engine_row);
  layout->addWidget(GroupBox1);
  layout->addStretch(1);

  chk_Parl->setChecked(true);
  RadioButton1->setChecked(true);
}

void TFrm_Seiki::ConnectReactions() {
  connect(RegExpEdit, &QComboBox::editTextChanged, this, &TFrm_Seiki::Changed);
  connect(SubTextEdit, &QComboBox::editTextChanged, this, &TFrm_Seiki::Changed);
  connect(RegExpEdit->lineEdit(), &QLineEdit::selectionChanged, this, &TFrm_Seiki::Changed);
  connect(SubTextEdit->lineEdit(), &QLineEdit::selectionChanged, this, &TFrm_Seiki::Changed);
  connect(chk_Parl, &QCheckBox::clicked, this, [this] { ChooseEngine(chk_Parl); });
  connect(chk_AWK, &QCheckBox::clicked, this, [this] { ChooseEngine(chk_AWK); });
  for (QRadioButton* mode : {RadioButton1, RadioButton2}) {
    connect(mode, &QRadioButton::clicked, this, [this, mode] { ChooseReplaceMode(mode); });
    OnEnter(mode, [this, mode] { ChooseReplaceMode(mode); });
  }
  connect(spd_Help, &QToolButton::clicked, this, [this] { ShowHelp(kPerl5HelpTag); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { ShowHelp(kAwkHelpTag); });
}

void TFrm_Seiki::ChooseEngine(QCheckBox* engine) {
  if (restoring_) return;
  engine->setChecked(true);
  ShowEngine();
  Changed();
}

void TFrm_Seiki::ChooseReplaceMode(QRadioButton* mode) {
  if (restoring_) return;
  mode->setChecked(true);
  ChooseEngine(chk_AWK);
}

// The controls that follow the engine: the template only in AWK mode, the label
// naming what RegExpEdit holds, the template label greyed in Perl5 mode, and the
// chosen engine's caption in red.
void TFrm_Seiki::ShowEngine() {
  const bool awk = chk_AWK->isChecked();
  SubTextEdit->setEnabled(awk);
  Label15->setText(awk ? QStringLiteral("正規表現") : QStringLiteral("正規表現置換"));
  SetCaptionColour(Label16, palette().color(awk ? QPalette::WindowText : QPalette::Dark));
  MarkChosenCaption({chk_Parl, chk_AWK}, awk ? chk_AWK : chk_Parl);
}

void TFrm_Seiki::Changed() {
  if (!restoring_) emit DescriptionChanged();
}

TTabStatus_Seiki TFrm_Seiki::Status() const {
  TTabStatus_Seiki status;
  status.RegExpItems = ComboItems(RegExpEdit);
  status.RegExp = ComboText(RegExpEdit);
  status.SubTextItems = ComboItems(SubTextEdit);
  status.SubText = ComboText(SubTextEdit);
  status.ReplaceMode = RadioButton2->isChecked() ? kRegexReplaceAll : kRegexReplaceFirst;
  status.Engine = chk_AWK->isChecked() ? kRegexEngineAwk : kRegexEnginePerl5;
  return status;
}

void TFrm_Seiki::StoreTabStatus(TTabStatusSet& records) const { records.Seiki = Status(); }

void TFrm_Seiki::RestoreTabStatus(const TTabStatusSet& records) {
  const TTabStatus_Seiki& status = records.Seiki;
  restoring_ = true;
  FillCombo(RegExpEdit, status.RegExpItems, status.RegExp);
  FillCombo(SubTextEdit, status.SubTextItems, status.SubText);
  (status.ReplaceMode == kRegexReplaceAll ? RadioButton2 : RadioButton1)->setChecked(true);
  (status.Engine == kRegexEngineAwk ? chk_AWK : chk_Parl)->setChecked(true);
  ShowEngine();
  restoring_ = false;
  Changed();
}

QString TFrm_Seiki::DescriptionText(bool) const { return FromUtf8(DescribeRegexRule(Status())); }

TRuleJob TFrm_Seiki::RuleJob() const {
  return [status = Status()](const TRuleContext& ctx) {
    TAWKStr awk;
    TBRegExp bregexp;
    return RunRegexRule(ctx, status, awk, bregexp);
  };
}

void TFrm_Seiki::ShowRuleError(const TRuleResult& result) {
  if (result.ErrorPosition > 0) SelectPatternError(result.ErrorPosition);
}

void TFrm_Seiki::SelectPatternError(int position) {
  QLineEdit* edit = RegExpEdit->lineEdit();
  const QString text = edit->text();
  const qsizetype at = IndexOfCp932Byte(text, static_cast<std::size_t>(position - 1));
  if (at >= text.size()) {
    edit->setCursorPosition(static_cast<int>(text.size()));
  } else {
    const int len = text.at(at).isHighSurrogate() ? 2 : 1;
    edit->setSelection(static_cast<int>(at), len);
  }
  RegExpEdit->setFocus();
}

void TFrm_Seiki::ShowHelp(int tag) {
  TFSeikiHelp help(tag, this);
  messenger_.ExecModal(help);
}

}  // namespace nalo
