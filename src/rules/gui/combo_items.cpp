// Conversions go through ui/qt_text; the edit text is set through the CP932 guard
// so a later user edit is compared with it.
#include "rules/gui/combo_items.h"

#include <QComboBox>

#include "ui/cp932_guard.h"
#include "ui/qt_text.h"

namespace nalo {

void FillCombo(QComboBox* combo, const StringList& items, const std::string& text) {
  combo->clear();
  for (const std::string& item : items) combo->addItem(FromCp932(item));
  combo->setCurrentIndex(-1);
  SetGuardedText(combo, FromCp932(text));
}

void ReplaceComboItems(QComboBox* combo, const StringList& items) {
  const QString kept = combo->currentText();
  combo->clear();
  for (const std::string& item : items) combo->addItem(FromCp932(item));
  combo->setCurrentIndex(-1);
  SetGuardedText(combo, kept);
}

StringList ComboItems(const QComboBox* combo) {
  StringList items;
  for (int i = 0; i < combo->count(); ++i) {
    if (std::optional<std::string> item = ToCp932(combo->itemText(i))) items.push_back(*item);
  }
  return items;
}

std::string ComboText(const QComboBox* combo) {
  return ToCp932(combo->currentText()).value_or(std::string());
}

}  // namespace nalo
