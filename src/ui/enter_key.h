// One Enter in an editable combo box, one call. The edit box of a QComboBox
// ignores Enter after reporting it, the combo box then hands the same key back
// to the edit box (a second report), and the edit's "editing finished" makes the
// combo box report an item choice as well. OnEnterKey takes the key before all of
// that and consumes it.
#pragma once

#include <functional>

class QComboBox;

namespace nalo {

// Calls `on_enter` once for each Enter or Return pressed in `combo`'s edit box.
void OnEnterKey(QComboBox* combo, std::function<void()> on_enter);

}  // namespace nalo
