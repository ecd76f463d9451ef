// Small builders shared by the dialogs' button rows.
#include "ui/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace nalo {

QPushButton* NamedButton(QWidget* parent, const char* object_name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(object_name);
  return button;
}

QHBoxLayout* RightAlignedRow(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QWidget* widget : widgets) row->addWidget(widget);
  return row;
}

}  // namespace nalo
