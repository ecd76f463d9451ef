// Renaming one entry by hand from the list: through TFReName (asked again after a
// clash until the user cancels) or by an in-place edit of its row. Both go
// through the core, which pauses the watcher and never replaces an existing item;
// the caller refreshes the row and the status counts when the result asks for it.
#pragma once

#include <QString>
#include <cstddef>

#include "execution/single_rename.h"

class QWidget;

namespace nalo {

class TMessenger;

TSingleRenameResult RenameWithDialog(QWidget* parent, TEntryList& entries, std::size_t index,
                                     const TWatcherSwitch& watcher, TMessenger& messenger);

// Commits the edited text of row `index`; a refused or failed edit shows its
// message, and the row is to show the entry's (unchanged) name again.
TSingleRenameResult CommitInPlaceRename(QWidget* parent, TEntryList& entries, std::size_t index,
                                        const QString& text, const TWatcherSwitch& watcher,
                                        TMessenger& messenger);

}  // namespace nalo
