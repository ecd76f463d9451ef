// A tool window centred on its parent, built in code with the original object
// names; "削除(&D)" is the default button.
#include "execution/gui/fdelete.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "rules/gui/choice_group.h"
#include "ui/dialog_buttons.h"
#include "ui/messenger.h"

namespace nalo {
namespace {

constexpr int kTrashItem = 0;

}  // namespace

TFDelete::TFDelete(QWidget* parent) : QDialog(parent, Qt::Tool) {
  setObjectName("FDelete");
  setWindowTitle(QStringLiteral("ファイルの削除"));
  setModal(true);
  Label1 = new QLabel(QStringLiteral("選択されたファイルを削除します。"), this);
  Label1->setObjectName("Label1");
  RadioGroup1 = new TChoiceGroup(QStringLiteral("削除オプション"), "RadioGroup1", this);
  RadioGroup1->SetItems({QStringLiteral("可能ならゴミ箱へ"), QStringLiteral("直削除")});
  RadioGroup1->SetItemIndex(kTrashItem);
  BitBtn1 = NamedButton(this, "BitBtn1", QStringLiteral("削除(&D)"));
  BitBtn1->setDefault(true);
  BitBtn2 = NamedButton(this, "BitBtn2", QStringLiteral("キャンセル(&C)"));
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(RadioGroup1);
  layout->addLayout(RightAlignedRow({BitBtn1, BitBtn2}));
}

bool TFDelete::ToTrash() const { return RadioGroup1->ItemIndex() == kTrashItem; }

std::optional<bool> TFDelete::Ask(QWidget* parent, TMessenger& messenger) {
  TFDelete dialog(parent);
  if (messenger.ExecModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.ToTrash();
}

}  // namespace nalo
