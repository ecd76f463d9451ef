// Keeps the edit text of a combo box expressible in the core's text: an edit that
// brings in a character the user-area table has no code left for is undone and the
// user is told which character it was. Paste through the combo menu goes through PasteLimited,
// which also cuts the pasted text to what the name boxes hold.
#pragma once

#include <QString>
#include <cstddef>
#include <optional>

class QComboBox;
class QWidget;

namespace nalo {

class TMessenger;

// The edit boxes take at most this many CP932 bytes: a name buffer of 255 bytes
// less its terminator.
constexpr std::size_t kMaxEditBytes = 254;

// Watches the user's edits of an editable combo box.
void GuardCp932(QComboBox* combo, TMessenger& messenger);

// Sets a program-made text and remembers it as the last good one.
void SetGuardedText(QComboBox* combo, const QString& text);

// `text` cut to its first kMaxEditBytes CP932 bytes, never inside a character;
// nothing when the text has no core form (the user-area table is full).
std::optional<QString> LimitedPasteText(const QString& text);

}  // namespace nalo
