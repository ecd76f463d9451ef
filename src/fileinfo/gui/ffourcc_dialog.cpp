// Builds the entry dialog and checks its fields on OK. A text that has no CP932
// form is refused before the registry's own checks, as every edit of the program
// does, since codes and names are kept in CP932 files.
#include "fileinfo/gui/ffourcc_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_buttons.h"
#include "ui/messenger.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

QString TitleOf(TCodecMode mode, bool adding) {
  const QString kind = mode == TCodecMode::kVideo ? QStringLiteral("コーデック名（映像）")
                                                  : QStringLiteral("コーデック名（音声）");
  return kind + (adding ? QStringLiteral(" - 追加") : QStringLiteral(" - 変更"));
}

// Wide enough for a long codec name.
constexpr int kNameWidth = 260;

}  // namespace

TFFourCC_Dialog::TFFourCC_Dialog(TMessenger& messenger, TCodecMode mode, bool adding,
                                 QWidget* parent)
    : QDialog(parent), messenger_(messenger) {
  setObjectName("FFourCC_Dialog");
  setWindowTitle(TitleOf(mode, adding));
  setModal(true);
  Label1 = new QLabel(mode == TCodecMode::kVideo ? QStringLiteral("FourCC")
                                                 : QStringLiteral("FormatTag"), this);
  Label1->setObjectName("Label1");
  Label2 = new QLabel(QStringLiteral("コーデック名"), this);
  Label2->setObjectName("Label2");
  Label3 = new QLabel(QStringLiteral("FormatTagは0xから入力して下さい。"), this);
  Label3->setObjectName("Label3");
  Label3->setVisible(adding && mode == TCodecMode::kAudio);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setMaxLength(static_cast<int>(MaxCodeLength(mode)));
  Edit1->setEnabled(adding);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  Edit2->setMinimumWidth(kNameWidth);
  BitBtn1 = NamedButton(this, "BitBtn1", QStringLiteral("OK"));
  BitBtn1->setDefault(true);
  BitBtn2 = NamedButton(this, "BitBtn2", QStringLiteral("キャンセル"));
  connect(BitBtn1, &QPushButton::clicked, this, &TFFourCC_Dialog::OkClick);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QGridLayout;
  fields->addWidget(Label1, 0, 0);
  fields->addWidget(Edit1, 0, 1);
  fields->addWidget(Label2, 1, 0);
  fields->addWidget(Edit2, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(Label3);
  layout->addLayout(RightAlignedRow({BitBtn1, BitBtn2}));
}

void TFFourCC_Dialog::SetEntry(const TCodecRow& row) {
  Edit1->setText(FromCp932(row.Code));
  Edit2->setText(FromCp932(row.Name));
}

TCodecRow TFFourCC_Dialog::Entry() const {
  return {ToCp932(Edit1->text()).value_or(std::string()),
          ToCp932(Edit2->text()).value_or(std::string())};
}

void TFFourCC_Dialog::OkClick() {
  for (QLineEdit* edit : {Edit1, Edit2}) {
    if (const QString bad = FirstUnencodableChar(edit->text()); !bad.isEmpty()) {
      messenger_.Warn(this, UnencodableTextMessage(bad));
      edit->setFocus();
      return;
    }
  }
  const TCodecRow entry = Entry();
  const std::optional<TCodecEntryProblem> problem = CheckCodecEntry(entry.Code, entry.Name);
  if (!problem) {
    accept();
    return;
  }
  messenger_.Warn(this, FromUtf8(problem->Message));
  if (problem->FocusName) {
    Edit2->setFocus();
  } else if (Edit1->isEnabled()) {
    Edit1->setFocus();
  }
}

}  // namespace nalo
