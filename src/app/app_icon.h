// The application icon and the name of the desktop entry that goes with it. The
// icon is drawn once as SVG and rendered to PNG at several sizes at build time;
// the PNGs are compiled in as the resources ":/icons/nalo-<size>.png".
#pragma once

#include <QIcon>

namespace nalo {

// The base name of the installed desktop entry, icon and AppStream file.
inline constexpr const char* kDesktopFileName = "org.nalo.Nalo";

// Every rendered size of the icon, so each window title and task bar picks the
// sharpest one.
QIcon AppIcon();

}  // namespace nalo
