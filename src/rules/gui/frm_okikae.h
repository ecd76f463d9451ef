// TFrm_Okikae: the frame of the replace tab with its three sub-rules — brackets,
// a string by a string, a string by spaces. Touching a sub-rule's controls selects
// that sub-rule; the selected sub-rule's caption is drawn in red and every change
// shows the rule's description again.
#pragma once

#include "rules/gui/tab_frame.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace nalo {

class TMessenger;

class TFrm_Okikae : public TTabFrame {
  Q_OBJECT
 public:
  TFrm_Okikae(TMessenger& messenger, QWidget* parent);

  void StoreTabStatus(TTabStatusSet& records) const override;
  void RestoreTabStatus(const TTabStatusSet& records) override;
  QString DescriptionText(bool files_mode) const override;
  TRuleJob RuleJob() const override;

  // The record as the controls show it now.
  TTabStatus_Okikae Status() const;

  QCheckBox* rbtn_Kakko = nullptr;
  QComboBox* cmb_Kakko_Old = nullptr;
  QComboBox* cmb_Kakko_New = nullptr;
  QCheckBox* chk_FirstMuch_Kakko = nullptr;
  QCheckBox* rbtn_String = nullptr;
  QComboBox* cmb_String_Old = nullptr;
  QComboBox* cmb_String_New = nullptr;
  QCheckBox* chk_OmojiKomoji_String = nullptr;
  QCheckBox* chk_FirstMuch_String = nullptr;
  QCheckBox* rbtn_Space = nullptr;
  QComboBox* cmb_Space_Old = nullptr;
  QRadioButton* rbtn_Widesp = nullptr;
  QSpinBox* spn_Wide = nullptr;
  QRadioButton* rbtn_Hankakusp = nullptr;
  QSpinBox* spn_Hankaku = nullptr;
  QCheckBox* chk_OmojiKomoji_Space = nullptr;
  QCheckBox* chk_FirstMuch_Space = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildBracketGroup();
  QWidget* BuildStringGroup(TMessenger& messenger);
  QWidget* BuildSpaceGroup(TMessenger& messenger);
  void ConnectSubRule(QCheckBox* kind, const QList<QWidget*>& controls);
  void SelectKind(QCheckBox* kind);
  void UpdateLook();

  QButtonGroup* kinds_ = nullptr;
  QButtonGroup* space_kinds_ = nullptr;
  QList<QWidget*> string_controls_;
  QList<QWidget*> space_controls_;
};

}  // namespace nalo
