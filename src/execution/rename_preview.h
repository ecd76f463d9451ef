// What the confirmation list and the command line can show before a batch runs:
// for each row, whether its rename would clash. The check follows the batch
// order: a target that is another row's current name is free once that row has
// moved, unless that row itself clashes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "listing/list_data.h"
#include "rules/confirmation_row.h"

namespace nalo {

enum class TRowClash {
  kNone,
  kExists,     // the target is taken by an item that stays where it is
  kDuplicate,  // an earlier row already renames onto the same target
  kInvalid,    // the new name holds a refused character or is empty, "." or ".."
  kTooLong,    // the new name is longer than the file system allows
};

// "exists", "duplicate", "invalid", "too-long"; empty for kNone.
std::string_view ClashName(TRowClash clash);

// One verdict per row of `rows` (all of them, in order), made from `entries`.
// Without `check_disk` only clashes within the batch are found (names that are no
// files, such as a list of names read as text); then `listed_paths`, the full paths
// of every listed item, stand in for the disk: a target that is a listed item
// without a row of its own stays taken. With `check_disk` each target is looked at
// on the disk.
std::vector<TRowClash> PreviewClashes(const TConfirmationList& rows, const TEntryList& entries,
                                      bool check_disk,
                                      const std::vector<std::string>& listed_paths = {});

// The same against the disk for rows made from `scanned`: a row in a folder whose
// names the scan kept (TFolderText::Names, masked-out names and items of the other
// kind included) is answered from those names, with no look at the disk unless the
// name is there; a row in any other folder is looked at. A target created after
// the scan is not seen here; the rename itself still refuses to replace it.
std::vector<TRowClash> PreviewClashes(const TConfirmationList& rows, const TEntryList& scanned);

}  // namespace nalo
