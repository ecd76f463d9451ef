// A tool window with the question icon, four lines and two buttons.
#include "listing/gui/yes_no_dialog_ex.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace nalo {
namespace {

constexpr int kIconExtent = 32;

QLabel* AddLine(QVBoxLayout* lines, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  lines->addWidget(label);
  return label;
}

}  // namespace

TFYesNoDialogEx::TFYesNoDialogEx(QWidget* parent) : QDialog(parent) {
  setObjectName("FYesNoDialogEx");
  setWindowTitle(QStringLiteral("確認"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  auto* outer = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(kIconExtent));
  body->addWidget(icon, 0, Qt::AlignTop);
  auto* lines = new QVBoxLayout;
  AddLine(lines, QStringLiteral("ファイル名及びディレクトリ名が変更されたか、"), this);
  AddLine(lines, QStringLiteral("ファイル及びディレクトリが追加/削除されました。"), this);
  Label3 = AddLine(lines, QString(), this);
  Label3->setObjectName("Label3");
  AddLine(lines, QStringLiteral("再検索しますか？"), this);
  body->addLayout(lines);
  outer->addLayout(body);
  auto* buttons = new QHBoxLayout;
  Button1 = new QPushButton(QStringLiteral("はい(&Y)"), this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("いいえ(&N)"), this);
  Button2->setObjectName("Button2");
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  outer->addLayout(buttons);
}

}  // namespace nalo
