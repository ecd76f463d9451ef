// Built in the constructor; the caller runs it through the messenger.
#include "ui/fabout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nalo {

TFAbout::TFAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("FAbout");
  setWindowTitle(QStringLiteral("バージョン情報"));
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel(QApplication::applicationName(), this);
  product->setObjectName("ProductName");
  QFont big = product->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  product->setFont(big);
  auto* version = new QLabel(QString::fromUtf8(kVersionText), this);
  version->setObjectName("Version");
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(product, 0, Qt::AlignHCenter);
  layout->addWidget(version, 0, Qt::AlignHCenter);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace nalo
