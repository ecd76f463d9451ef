// One row of the confirmation list: what a rule proposes for one entry. Rules add
// rows in entry-list order; the apply step finds the entry again by OldFullPath and
// writes the path it renamed to into NewFullPath.
#pragma once

#include <string>
#include <vector>

namespace nalo {

struct TConfirmationRow {
  std::string OldName;      // the entry's Name (column "変更前")
  std::string NewName;      // the proposed name (column "変更後"); may be edited
  std::string Folder;       // FullPath without its last component and separator ("場所")
  std::string OldFullPath;  // the path the apply step renames
  std::string NewFullPath;  // filled by the apply step
};

using TConfirmationList = std::vector<TConfirmationRow>;

}  // namespace nalo
