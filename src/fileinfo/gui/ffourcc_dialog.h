// The entry dialog of the codec registry (TFFourCC_Dialog, "プロパティ"): a code
// and a codec name. OK closes it only when the entry passes the registry's checks;
// otherwise the message is shown and the field at fault takes the focus.
#pragma once

#include <QDialog>

#include "fileinfo/codec_registry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace nalo {

class TMessenger;

class TFFourCC_Dialog : public QDialog {
  Q_OBJECT
 public:
  // `adding`: the "追加" title, an enabled code field and, in audio mode, the hint
  // about the 0x prefix; else the "変更" title and the code fixed.
  TFFourCC_Dialog(TMessenger& messenger, TCodecMode mode, bool adding, QWidget* parent = nullptr);

  void SetEntry(const TCodecRow& row);
  // The entry in CP932; call after the dialog was accepted.
  TCodecRow Entry() const;

 private:
  void OkClick();

  TMessenger& messenger_;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
};

}  // namespace nalo
