// A tool window with one radio group and two buttons.
#include "execution/gui/fcsv_save.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace nalo {

TFCsvSave::TFCsvSave(QWidget* parent) : QDialog(parent) {
  setObjectName("FCsvSave");
  setWindowTitle(QStringLiteral("リストを保存する"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("保存データ(&D)"), this);
  group->setObjectName("RadioGroup1");
  auto* group_layout = new QVBoxLayout(group);
  RadioGroup1 = new QButtonGroup(this);
  auto* before = new QRadioButton(QStringLiteral("リネーム前のリスト"), group);
  auto* after = new QRadioButton(QStringLiteral("リネーム後のリスト"), group);
  RadioGroup1->addButton(before, 0);
  RadioGroup1->addButton(after, 1);
  group_layout->addWidget(before);
  group_layout->addWidget(after);
  after->setChecked(true);
  layout->addWidget(group);
  auto* buttons = new QHBoxLayout;
  Button1 = new QPushButton(QStringLiteral("保存(&A)..."), this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("キャンセル(&Z)"), this);
  Button2->setObjectName("Button2");
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  layout->addLayout(buttons);
}

int TFCsvSave::Choice() const { return RadioGroup1->checkedId() == 0 ? 0 : 1; }

void TFCsvSave::SetChoice(int index) {
  if (QAbstractButton* b = RadioGroup1->button(index == 0 ? 0 : 1)) b->setChecked(true);
}

}  // namespace nalo
