// A tool window centred on its parent. Instead of a close flag, OK accepts only a
// name it does not refuse; Escape rejects through QDialog's own handling.
#include "execution/gui/frename.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "execution/single_rename.h"
#include "ui/dialog_buttons.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

// Wide enough for a long file name without scrolling on a common screen.
constexpr int kEditWidth = 360;

}  // namespace

TFReName::TFReName(TMessenger& messenger, QWidget* parent)
    : QDialog(parent, Qt::Tool), messenger_(messenger) {
  setObjectName("FReName");
  setWindowTitle(QStringLiteral("リネーム"));
  setModal(true);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setMinimumWidth(kEditWidth);
  BitBtn1 = NamedButton(this, "BitBtn1", QStringLiteral("OK"));
  BitBtn1->setDefault(true);
  BitBtn2 = NamedButton(this, "BitBtn2", QStringLiteral("キャンセル"));
  connect(BitBtn1, &QPushButton::clicked, this, &TFReName::OkClick);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Edit1);
  layout->addLayout(RightAlignedRow({BitBtn1, BitBtn2}));
}

void TFReName::SetText(const QString& text) {
  Edit1->setText(text);
  Edit1->selectAll();
}

QString TFReName::Text() const { return Edit1->text(); }

void TFReName::OkClick() {
  const QString text = Edit1->text();
  QString refusal;
  if (const QString bad = FirstUnencodableChar(text); !bad.isEmpty()) {
    refusal = UnencodableTextMessage(bad);
  } else if (auto message = DialogNameRefusal(ToCp932(text).value_or(std::string()))) {
    refusal = FromUtf8(*message);
  }
  if (refusal.isEmpty()) {
    accept();
    return;
  }
  messenger_.Warn(this, refusal);
  Edit1->setFocus();
}

std::optional<QString> AskNameWithTFReName(QWidget* parent, TMessenger& messenger,
                                           const QString& caption, const QString& text) {
  TFReName dialog(messenger, parent);
  if (!caption.isEmpty()) dialog.setWindowTitle(caption);
  dialog.SetText(text);
  if (messenger.ExecModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Text();
}

}  // namespace nalo
