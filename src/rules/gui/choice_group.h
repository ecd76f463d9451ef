// A titled group of radio buttons chosen by item index, the way the rule tabs
// offer positions and letter cases. The items can be replaced at any time (the
// position lists change with the target mode); buttons are named after the group
// ("rgp_AddPos_0", ...) so tests and the Tab order can find them.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

namespace nalo {

class TChoiceGroup : public QGroupBox {
  Q_OBJECT
 public:
  TChoiceGroup(const QString& title, const QString& object_name, QWidget* parent = nullptr);

  // Replaces the items; no item is selected afterwards.
  void SetItems(const QStringList& items);
  QStringList Items() const;
  int Count() const;
  // The selected item, -1 when none is.
  int ItemIndex() const;
  // Selects item `index`; an index outside the items selects none. Emits nothing.
  void SetItemIndex(int index);
  QRadioButton* Button(int index) const;

 signals:
  // The user chose item `index` (mouse or keyboard).
  void ItemClicked(int index);

 private:
  QButtonGroup* group_;
  QVBoxLayout* layout_;
};

}  // namespace nalo
