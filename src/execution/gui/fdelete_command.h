// The delete command of the list's pop-up menu: asks with TFDelete, deletes the
// selected entries through the core (to the trash or directly, watcher paused)
// and reports the counts. The caller refreshes the list view and the status counts.
#pragma once

#include <cstddef>
#include <vector>

#include "execution/delete_entries.h"

class QWidget;

namespace nalo {

class TMessenger;

// Deletes the entries at `selected` (row indexes). With no selection nothing is
// asked; a cancelled dialog deletes nothing; neither shows a message.
TDeleteResult DeleteSelectionWithDialog(QWidget* parent, TEntryList& entries,
                                        const std::vector<std::size_t>& selected,
                                        const TWatcherSwitch& watcher, TMessenger& messenger);

}  // namespace nalo
