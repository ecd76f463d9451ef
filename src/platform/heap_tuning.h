// How the process's heap serves a command that builds one large list and ends.
#pragma once

namespace nalo {

// Keeps large blocks on the main heap and keeps freed memory there instead of
// handing it back to the system: a listing of hundreds of thousands of items
// grows vectors of tens of megabytes, and each one taken fresh from the system
// (or handed back and taken again) costs a page fault per 4 KiB touched.
// Meant for short-lived command-line runs; a long-running program keeps the default.
void KeepHeapForBulkLists();

}  // namespace nalo
