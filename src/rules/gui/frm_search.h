// TFrm_Search: the frame of the search tab. It holds the conditions of the next
// scan — name masks, a text the names must contain, a size range and a date range —
// and the display size unit. Editing a bound turns its condition on; Enter in a
// mask or size box asks for a new listing.
#pragma once

#include <QDate>

#include "rules/gui/tab_frame.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QSpinBox;

namespace nalo {

class TMessenger;

class TFrm_Search : public TTabFrame {
  Q_OBJECT
 public:
  TFrm_Search(TMessenger& messenger, QWidget* parent);

  void StoreTabStatus(TTabStatusSet& records) const override;
  void RestoreTabStatus(const TTabStatusSet& records) override;
  void ApplyTargetMode(bool files_mode) override;
  QString DescriptionText(bool files_mode) const override;

  // Checks the unit's radio button without reacting to it.
  void SetSizeUnit(int unit);
  int SizeUnit() const;
  // Shows converted size bounds; a value that changes turns its condition on.
  void SetSizeBounds(int min_size, int max_size);
  // Label4 for the unit word.
  void SetUnitCaption(const QString& unit_word);
  // Empties both masks and turns the four range conditions off.
  void ClearConditions();

  QComboBox* cmb_ExtMask = nullptr;
  QComboBox* cmb_StrMask = nullptr;
  QCheckBox* chk_StrOK = nullptr;
  QLabel* Label4 = nullptr;
  QCheckBox* chk_StSize = nullptr;
  QSpinBox* spn_st = nullptr;
  QCheckBox* chk_EdSize = nullptr;
  QSpinBox* spn_ed = nullptr;
  QLabel* Label5 = nullptr;
  QCheckBox* chk_StDate = nullptr;
  QDateEdit* DateTimePicker1 = nullptr;
  QCheckBox* chk_EdDate = nullptr;
  QDateEdit* DateTimePicker2 = nullptr;
  QWidget* rag_Unit = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildMaskGroups();
  QWidget* BuildSizeGroup();
  QWidget* BuildDateGroup();
  QWidget* BuildUnitGroup();
  void ConnectChangeHandlers();

  QButtonGroup* unit_buttons_ = nullptr;
};

// Whole days since 1899-12-30 and the calendar date they name.
QDate DateOfDayCount(double day_count);
double DayCountOfDate(const QDate& date);

}  // namespace nalo
