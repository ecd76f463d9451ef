// The move tab frame (TFrm_Move): where to move to (rgp_MovePos), the anchor
// string, and what to move, the bracket group opening the name or the first
// occurrence of a string. It shows and edits TTabStatus_Move; the rule is the
// core's RunMoveRule over the record the controls show.
#pragma once

#include <optional>

#include "rules/gui/tab_frame.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace nalo {

class TChoiceGroup;
class TMessenger;

class TFrm_Move : public TTabFrame {
  Q_OBJECT
 public:
  TFrm_Move(TMessenger& messenger, QWidget* parent);

  void StoreTabStatus(TTabStatusSet& records) const override;
  void RestoreTabStatus(const TTabStatusSet& records) override;
  void ApplyTargetMode(bool files_mode) override;
  QString DescriptionText(bool files_mode) const override;
  TRuleJob RuleJob() const override;

  TTabStatus_Move Status() const;

 private:
  void BuildControls(TMessenger& messenger);
  void ConnectReactions();
  void ChooseMove(QRadioButton* button);
  void Changed();

  bool files_mode_ = true;
  bool restoring_ = false;
  // The position of the record restored since the list was last rebuilt.
  std::optional<int> restored_position_;
  TChoiceGroup* rgp_MovePos = nullptr;
  QComboBox* cmb_NiniStr_Move = nullptr;
  QRadioButton* rbtn_Mve_1 = nullptr;
  QComboBox* cmb_Mve_1 = nullptr;
  QRadioButton* rbtn_Mve_2 = nullptr;
  QComboBox* cmb_Mve_2 = nullptr;
  QCheckBox* chk_OmojiKomoji_Move = nullptr;
};

}  // namespace nalo
