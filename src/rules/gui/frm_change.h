// The convert tab frame (TFrm_Change): ten sub-rules, one chosen at a time, with
// the options of numbering, extension change and the two letter-case rules. It
// shows and edits TTabStatus_Modif; the rule is the core's RunConvertRule.
#pragma once

#include <array>

#include "rules/gui/tab_frame.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QRadioButton;
class QSpinBox;

namespace nalo {

class TChoiceGroup;
class TMessenger;

class TFrm_Change : public TTabFrame {
  Q_OBJECT
 public:
  TFrm_Change(TMessenger& messenger, QWidget* parent);

  void StoreTabStatus(TTabStatusSet& records) const override;
  void RestoreTabStatus(const TTabStatusSet& records) override;
  // Folder forms of the three captions; the extension controls only in file mode.
  void ApplyTargetMode(bool files_mode) override;
  QString DescriptionText(bool files_mode) const override;
  TRuleJob RuleJob() const override;

  TTabStatus_Modif Status() const;
  // The controls of the frame's Tab-key order, in order.
  QList<QWidget*> TabOrder() const;

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildControls(TMessenger& messenger);
  void ConnectReactions();
  void ChooseKind(int kind);
  void Changed();

  bool files_mode_ = true;
  bool restoring_ = false;
  // Sub-rule buttons indexed by TTabStatus_Modif::Kind.
  std::array<QRadioButton*, 10> kinds_{};
  QComboBox* cmb_Num1;
  QComboBox* cmb_Num2;
  QSpinBox* SpinEdit2;
  QComboBox* cmb_Ext;
  TChoiceGroup* rgp_Fname_OmojiKomoji;
  QCheckBox* chk_Fname_OmojiKomoji;
  TChoiceGroup* rgp_Ext_OmojiKomoji2;
  QCheckBox* chk_Ext_OmojiKomoji;
  QDateTimeEdit* EditDateTime1;
};

}  // namespace nalo
