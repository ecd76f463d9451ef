// The add tab frame (TFrm_Add): where to add (rgp_AddPos), the anchor string, and
// which text to add, one of four user strings or one of five information kinds.
// The frame only shows and edits TTabStatus_Add; the rule itself is the core's
// RunAddRule over the record the controls show. Tab and Shift+Tab walk the
// frame's own order, which chooses a candidate as its button is reached.
#pragma once

#include <array>
#include <optional>

#include "rules/gui/tab_frame.h"

class QComboBox;
class QRadioButton;

namespace nalo {

class TChoiceGroup;
class TMessenger;

class TFrm_Add : public TTabFrame {
  Q_OBJECT
 public:
  TFrm_Add(TMessenger& messenger, QWidget* parent);

  void StoreTabStatus(TTabStatusSet& records) const override;
  void RestoreTabStatus(const TTabStatusSet& records) override;
  // Rebuilds the position list for the mode and enables the file-only candidates.
  void ApplyTargetMode(bool files_mode) override;
  QString DescriptionText(bool files_mode) const override;
  TRuleJob RuleJob() const override;
  // The information buttons rbtn_Add_5 to rbtn_Add_9 (Tags 5-9).
  QList<QWidget*> LabelPopupWidgets() const override;

  // The record as the controls show it now.
  TTabStatus_Add Status() const;
  // The controls of the frame's Tab-key order, in order.
  QList<QWidget*> TabOrder() const;

 signals:
  // Tab went on past the last candidate button; the main window moves the focus
  // on to its own controls (chk_not).
  void FocusLeftFrame();

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildControls(TMessenger& messenger);
  void ConnectReactions();
  void ChooseCandidate(int candidate);
  void Changed();

  bool files_mode_ = true;
  bool restoring_ = false;
  // The position of the record restored since the list was last rebuilt.
  std::optional<int> restored_position_;
  TChoiceGroup* rgp_AddPos = nullptr;
  QComboBox* cmb_NiniStr = nullptr;
  std::array<QRadioButton*, 9> rbtn_Add{};
  std::array<QComboBox*, 4> cmb_Add{};
};

}  // namespace nalo
