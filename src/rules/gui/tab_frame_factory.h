// The one place that knows which frame class serves which tab. The main window
// asks it for a frame whenever a tab is entered.
#pragma once

#include <memory>

#include "rules/gui/tab_frame.h"

namespace nalo {

class TMessenger;

// The frame of tab `tab_index` (0..5); any other index gets a TEmptyFrame.
TTabFrame* CreateTabFrame(int tab_index, TMessenger& messenger, QWidget* parent);

}  // namespace nalo
