// Atomic replacement for the settings files (they are read with ReadRegularFile,
// record_file.h). A file is
// replaced by writing a temporary file in the same folder, flushing it to the disk
// and renaming it over the old one, so a crash or a full disk never leaves a
// half-written file: readers see either the old contents or the new.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

// Replaces the file at `path` (following a symbolic link to its target) with
// `bytes`, keeping the old file's permission bits. A file without any write
// permission bit counts as read-only and is refused with EACCES, even for root.
// Returns 0, or the errno of the failure; on failure the old file is untouched
// and no temporary file is left behind.
int ReplaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace nalo
