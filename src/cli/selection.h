// The entries a command works on: a folder listed through the core's ListFolder
// under the selection options, or names read from a file or standard input
// without touching any disk.
#pragma once

#include <string>

#include "cli/cli_args.h"
#include "cli/user_text.h"
#include "listing/list_data.h"
#include "listing/listing_state.h"

namespace nalo::cli {

struct TSelection {
  TEntryList Entries;
  TListingState State;
  bool FolderMode = false;
  bool FromNames = false;   // entries came from --names-from
};

// What a command needs of a listing beyond the names and folders.
struct TListNeeds {
  bool SizesAndDates = true;  // false: only when a selection option tests or sorts by them
  bool FolderNames = false;   // every name of each folder, for the clash check of a batch
};

// Lists `dir` (UTF-8 path). Reports names without a CP932 form on stderr.
void ListDirectory(const std::string& dir, const TSelectionArgs& args, TListNeeds needs,
                   TSelection& selection);

// Entries from names, one per line (only the line end removed); folder "." for each.
void ReadNames(const std::string& source, const TSelectionArgs& args, const TUserText& text,
               TSelection& selection);

}  // namespace nalo::cli
