// How a row that would fail is marked, alike in the confirmation window and in the
// main list's new-name column: the explanation of its problem and the red its text
// takes.
#pragma once

#include <QColor>
#include <QString>

#include "execution/rename_preview.h"

namespace nalo {

// What a progress window says while the rows' new names are checked.
inline constexpr const char* kCheckingNewNamesText = "変更後の名前を確認しています...";

// Why the row would fail, in a sentence; empty for kNone.
QString ProblemHint(TRowClash clash);

// Text of the rows that would fail: a warm red that reads on the black background.
QColor ProblemColour();

}  // namespace nalo
