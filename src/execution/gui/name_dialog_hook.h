// The seam to the single-name dialog (TFReName) that the rename command and the
// confirmation window's "edit the new name" use; the commands that need it are
// enabled only while it is available.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace nalo {

class TMessenger;

// Whether a single-name dialog is available.
bool NameDialogAvailable();

// Opens the dialog captioned `caption` with `text`; the confirmed name (never one
// with a forbidden character), or nothing when cancelled or unavailable.
std::optional<QString> AskNameWithDialog(QWidget* parent, TMessenger& messenger,
                                         const QString& caption, const QString& text);

}  // namespace nalo
