// The one place that knows which frame class serves which tab. The main window
// asks it for a frame whenever a tab is entered.
#pragma once

#include <memory>

#include "rules/gui/tab_frame.h"

namespace nalo {

class TMessenger;

// The frame of tab `tab_index` (0..5). Tabs whose frame is not part of this build
// get a TEmptyFrame.
TTabFrame* CreateTabFrame(int tab_index, TMessenger& messenger, QWidget* parent);

// Whether tab `tab_index` has a frame of its own in this build.
bool HasRuleFrame(int tab_index);

}  // namespace nalo
