// Tab 0 is the search frame and tab 1 the replace frame. The add, convert, move
// and regular-expression frames plug in here: add a case that creates the frame
// and let HasRuleFrame answer true for its tab.
#include "rules/gui/tab_frame_factory.h"

#include "rules/gui/frm_okikae.h"
#include "rules/gui/frm_search.h"

namespace nalo {

TTabFrame* CreateTabFrame(int tab_index, TMessenger& messenger, QWidget* parent) {
  switch (tab_index) {
    case kTabSearch: return new TFrm_Search(messenger, parent);
    case kTabReplace: return new TFrm_Okikae(messenger, parent);
    default: return new TEmptyFrame(tab_index, parent);
  }
}

bool HasRuleFrame(int tab_index) { return tab_index == kTabSearch || tab_index == kTabReplace; }

}  // namespace nalo
