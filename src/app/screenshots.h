// Renders the main window (every tab, in file and folder mode), the confirmation
// window and the progress window into PNG files, on a sample folder with Japanese
// names and with settings in a temporary folder, so the user's settings stay as
// they are.
#pragma once

#include <QString>

namespace nalo {

// Returns the process exit code: 0 when every picture was written.
int RenderScreenshots(const QString& out_dir);

}  // namespace nalo
