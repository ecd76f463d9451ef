// What the process knows of itself and of its user: its id, the folder of its
// executable, the account's home folder and whether it may write into a folder.
// The settings folder is chosen from these, and temporary names carry the id.
#pragma once

#include <string>

namespace nalo {

// The id of this process.
int ProcessId();

// The folder of the running executable; empty when the system does not say.
std::string ExecutableFolder();

// The home folder of the account running the process, from the user database;
// empty when it has none.
std::string AccountHomeFolder();

// True when the process may write the item at `path`: a file's contents, or the
// names in a folder.
bool MayWrite(const std::string& path);

}  // namespace nalo
