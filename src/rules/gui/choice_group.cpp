// Buttons live in an exclusive QButtonGroup whose ids are the item indexes;
// deselecting all needs the group's exclusivity switched off for a moment.
#include "rules/gui/choice_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace nalo {

TChoiceGroup::TChoiceGroup(const QString& title, const QString& object_name, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
  setObjectName(object_name);
  group_->setExclusive(true);
  layout_->setContentsMargins(6, 2, 6, 2);
  layout_->setSpacing(1);
  connect(group_, &QButtonGroup::idClicked, this, &TChoiceGroup::ItemClicked);
}

void TChoiceGroup::SetItems(const QStringList& items) {
  for (QAbstractButton* button : group_->buttons()) {
    group_->removeButton(button);
    delete button;
  }
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(objectName() + "_" + QString::number(i));
    group_->addButton(button, i);
    layout_->addWidget(button);
  }
}

QStringList TChoiceGroup::Items() const {
  QStringList items;
  for (int i = 0; i < Count(); ++i) items.push_back(Button(i)->text());
  return items;
}

int TChoiceGroup::Count() const { return static_cast<int>(group_->buttons().size()); }

int TChoiceGroup::ItemIndex() const { return group_->checkedId(); }

void TChoiceGroup::SetItemIndex(int index) {
  if (QRadioButton* button = Button(index)) {
    button->setChecked(true);
    return;
  }
  group_->setExclusive(false);
  for (QAbstractButton* button : group_->buttons()) button->setChecked(false);
  group_->setExclusive(true);
}

QRadioButton* TChoiceGroup::Button(int index) const {
  return qobject_cast<QRadioButton*>(group_->button(index));
}

}  // namespace nalo
