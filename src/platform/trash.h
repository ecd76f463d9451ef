// Moving items to the desktop trash the way file managers on Linux do it
// (freedesktop.org trash): the item is renamed into Trash/files and a
// Trash/info/<name>.trashinfo records where it came from and when, so the file
// manager can put it back. Paths are code-page-932 byte strings of the core.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

// Moves the item (file, link or folder with its contents) to the trash. Items on
// the device of the home trash ($XDG_DATA_HOME/Trash, default
// ~/.local/share/Trash) go there; items on another device go to the trash at the
// top of their own mount ($topdir/.Trash/$uid when an administrator prepared
// $topdir/.Trash, else $topdir/.Trash-$uid), because a trash move must be a rename
// and never a copy. Returns 0 or an errno value; nothing is moved on failure.
int MoveToTrash(std::string_view cp932_path);

// The home trash folder (UTF-8), without a trailing "/".
std::string HomeTrashFolder();

// The Path= value of a trash info file: every byte outside A-Z a-z 0-9 - _ . ~ /
// written as %XX.
std::string PercentEncodePath(std::string_view utf8_path);

}  // namespace nalo
