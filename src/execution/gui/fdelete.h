// The delete dialog (TFDelete): asks whether the selected items go to the trash
// ("可能ならゴミ箱へ", the default) or are deleted directly ("直削除").
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;

namespace nalo {

class TChoiceGroup;
class TMessenger;

class TFDelete : public QDialog {
  Q_OBJECT
 public:
  explicit TFDelete(QWidget* parent = nullptr);

  // True when "可能ならゴミ箱へ" is chosen.
  bool ToTrash() const;

  // Shows the dialog modally through `messenger`: nothing when cancelled, else
  // ToTrash().
  static std::optional<bool> Ask(QWidget* parent, TMessenger& messenger);

 private:
  QLabel* Label1;
  TChoiceGroup* RadioGroup1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
};

}  // namespace nalo
