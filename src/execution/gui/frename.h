// The rename dialog (TFReName): one edit with the new name, "OK" and "キャンセル".
// OK refuses a name with a forbidden character (or one without a CP932 form):
// the message is shown, the focus returns to the edit and the dialog stays open.
// Escape anywhere in the dialog cancels it.
#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace nalo {

class TMessenger;

class TFReName : public QDialog {
  Q_OBJECT
 public:
  explicit TFReName(TMessenger& messenger, QWidget* parent = nullptr);

  void SetText(const QString& text);
  QString Text() const;

 private:
  void OkClick();

  TMessenger& messenger_;
  QLineEdit* Edit1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
};

// Shows TFReName captioned `caption` with `text` through `messenger`: the
// confirmed name (never a refused one), or nothing when cancelled.
std::optional<QString> AskNameWithTFReName(QWidget* parent, TMessenger& messenger,
                                           const QString& caption, const QString& text);

}  // namespace nalo
