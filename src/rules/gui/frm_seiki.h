// The regular-expression tab frame (TFrm_Seiki): the expression or pattern, the
// AWK replacement template, the engine choice (Perl5 or AWK), first or every
// match, and the two help buttons. It shows and edits TTabStatus_Seiki; the rule
// is the core's RunRegexRule. A malformed AWK pattern selects the faulty
// character in RegExpEdit.
#pragma once

#include "rules/gui/tab_frame.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;

namespace nalo {

class TMessenger;

class TFrm_Seiki : public TTabFrame {
  Q_OBJECT
 public:
  TFrm_Seiki(TMessenger& messenger, QWidget* parent);

  void StoreTabStatus(TTabStatusSet& records) const override;
  void RestoreTabStatus(const TTabStatusSet& records) override;
  QString DescriptionText(bool files_mode) const override;
  // The job brings engines of its own, so it may run beside the shared ones.
  TRuleJob RuleJob() const override;
  // Selects the faulty character of the pattern.
  void ShowRuleError(const TRuleResult& result) override;

  TTabStatus_Seiki Status() const;
  // Selects the pattern character at the 1-based byte position of its CP932
  // form, or puts the caret at the end when the position is past the last one.
  void SelectPatternError(int position);
  // Shows the help window of a help button's tag modally.
  void ShowHelp(int tag);

 private:
  void BuildControls(TMessenger& messenger);
  void ConnectReactions();
  void ChooseEngine(QCheckBox* engine);
  void ChooseReplaceMode(QRadioButton* mode);
  void ShowEngine();
  void Changed();

  bool restoring_ = false;
  QLabel* Label15;
  QComboBox* RegExpEdit;
  QLabel* Label16;
  QComboBox* SubTextEdit;
  QCheckBox* chk_Parl;
  QCheckBox* chk_AWK;
  QGroupBox* GroupBox1;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QToolButton* spd_Help;
  QToolButton* SpeedButton1;
  TMessenger& messenger_;
};

}  // namespace nalo
