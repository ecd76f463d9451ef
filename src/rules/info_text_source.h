// The seam between the add rule and the file-information builders: candidates 5-9
// of the add tab (AVI, date and size, image size, MP3, folder name) ask a source for
// the text of one entry. The front ends plug in the builders; tests plug in fakes.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace nalo {

enum class TInfoKind {
  Avi = 5,     // rbtn_Add_5
  DateSize = 6,  // rbtn_Add_6
  Image = 7,   // rbtn_Add_7
  Mp3 = 8,     // rbtn_Add_8
  Folder = 9,  // rbtn_Add_9
};

// Returns the information text for the item at `full_path` (a CP932 path); an empty
// text means nothing to add. `folder_mode` is true when the entries are folders.
// Throws EInfoReadError when the item cannot be read at all.
using TInfoTextSource =
    std::function<std::string(TInfoKind kind, const std::string& full_path, bool folder_mode)>;

// An item could not be opened or read; what() is the message for the user and names
// the item.
class EInfoReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace nalo
