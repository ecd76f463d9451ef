// The texts are the core's data (RegexHelpText), so every front end shows the
// same help.
#include "rules/gui/frm_seiki_help.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"
#include "rules/regex_help.h"

namespace nalo {
namespace {

// Room for the longest help lines without wrapping on a common screen.
constexpr int kHelpWidth = 560;
constexpr int kHelpHeight = 480;

}  // namespace

TFSeikiHelp::TFSeikiHelp(int tag, QWidget* parent) : QDialog(parent) {
  setObjectName("FSeikiHelp");
  setWindowTitle(FromUtf8(kRegexHelpCaption));
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo_->setPlainText(FromUtf8(RegexHelpText(tag)));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("BitBtn1");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo_);
  layout->addWidget(buttons);
  resize(kHelpWidth, kHelpHeight);
}

QString TFSeikiHelp::Text() const { return memo_->toPlainText(); }

void TFSeikiHelp::SetText(const QString& text) { memo_->setPlainText(text); }

}  // namespace nalo
