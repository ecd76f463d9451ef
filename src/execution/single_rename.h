// Renaming one entry by hand: through the rename dialog (asked again after a
// refused rename until the user cancels) or by editing the name in place. A name
// with a forbidden character never reaches the disk, a rename never replaces an
// existing item, and a renamed entry leaves the last batch (State -1, no OldPath).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "execution/watcher_pause.h"
#include "listing/list_data.h"

namespace nalo {

enum class TSingleRenameStatus {
  kCancelled,  // the dialog was cancelled
  kUnchanged,  // the name stayed the same; nothing was renamed
  kRefused,    // a forbidden character (in-place edit); the row shows the old name again
  kFailed,     // the rename was refused by the disk (in-place edit)
  kRenamed,
};

struct TSingleRenameResult {
  TSingleRenameStatus Status = TSingleRenameStatus::kCancelled;
  std::string Message;  // the message the in-place edit shows, if any
  // Whether the status counts are to be refreshed (after every confirmed dialog
  // and every in-place edit but a refused one).
  bool RefreshCounts = false;
};

// The message the dialog's OK shows for a name with a forbidden character, or
// nothing when the name may be taken.
std::optional<std::string_view> DialogNameRefusal(std::string_view name);

// Opens the dialog with a text: the confirmed text, or nothing when cancelled.
// A front end keeps its dialog open on a name DialogNameRefusal refuses.
using TAskName = std::function<std::optional<std::string>(const std::string& text)>;
using TShowMessage = std::function<void(std::string_view message)>;

TSingleRenameResult RenameThroughDialog(TEntryList& entries, std::size_t index,
                                        const TAskName& ask, const TShowMessage& show,
                                        const TWatcherSwitch& watcher);

TSingleRenameResult RenameInPlace(TEntryList& entries, std::size_t index,
                                  const std::string& text, const TWatcherSwitch& watcher);

}  // namespace nalo
