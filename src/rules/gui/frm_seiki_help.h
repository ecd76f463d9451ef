// The "簡易ヘルプ" window of the regular-expression tab: a read-only text in a
// fixed-pitch font with both scroll bars and an OK button, filled with the help
// text of the help button's tag (1 Perl5, 2 AWK).
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace nalo {

class TFSeikiHelp : public QDialog {
  Q_OBJECT
 public:
  explicit TFSeikiHelp(int tag, QWidget* parent = nullptr);
  QString Text() const;
  // Shows another help text (the template dialogs' parts help).
  void SetText(const QString& text);

 private:
  QPlainTextEdit* memo_;
};

}  // namespace nalo
