// Moving candidate lists and texts between the records (CP932 strings) and the
// combo boxes of the frames.
#pragma once

#include <string>

#include "settings/tab_status.h"

class QComboBox;

namespace nalo {

// The combo's items and edit text from the record; the text is set last so it
// stays what the record says.
void FillCombo(QComboBox* combo, const StringList& items, const std::string& text);
// Puts `items` in place of the combo's items and keeps its edit text.
void ReplaceComboItems(QComboBox* combo, const StringList& items);
// The combo's items. Every item came from a record or passed the CP932 guard, so
// each has a CP932 form; an item that has none is left out.
StringList ComboItems(const QComboBox* combo);
// The combo's edit text, or an empty text when it has no CP932 form.
std::string ComboText(const QComboBox* combo);

}  // namespace nalo
