// TFCsvSave: asks which list the confirmation window saves, the present names
// (index 0) or the new names (index 1, the default).
#pragma once

#include <QDialog>

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace nalo {

class TFCsvSave : public QDialog {
  Q_OBJECT
 public:
  explicit TFCsvSave(QWidget* parent = nullptr);

  // 0: the names before renaming; 1: the names after.
  int Choice() const;
  void SetChoice(int index);

  QPushButton* Button1 = nullptr;  // "保存(&A)...": accept
  QPushButton* Button2 = nullptr;  // "キャンセル(&Z)"

 private:
  QButtonGroup* RadioGroup1 = nullptr;
};

}  // namespace nalo
