// TFYesNoDialogEx: the re-scan prompt shown when the directory watcher reports a
// change made by another program. Its third line says whether a re-scan loses the
// pending undo.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace nalo {

class TFYesNoDialogEx : public QDialog {
  Q_OBJECT
 public:
  explicit TFYesNoDialogEx(QWidget* parent = nullptr);

  QLabel* Label3 = nullptr;
  QPushButton* Button1 = nullptr;  // "はい(&Y)": accept
  QPushButton* Button2 = nullptr;  // "いいえ(&N)": reject
};

}  // namespace nalo
