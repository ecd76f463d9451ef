// The one place that maps a tab index to its frame class: search, replace, add,
// convert, move and regular-expression replace.
#include "rules/gui/tab_frame_factory.h"

#include "rules/gui/frm_add.h"
#include "rules/gui/frm_change.h"
#include "rules/gui/frm_move.h"
#include "rules/gui/frm_okikae.h"
#include "rules/gui/frm_search.h"
#include "rules/gui/frm_seiki.h"

namespace nalo {

TTabFrame* CreateTabFrame(int tab_index, TMessenger& messenger, QWidget* parent) {
  switch (tab_index) {
    case kTabSearch: return new TFrm_Search(messenger, parent);
    case kTabReplace: return new TFrm_Okikae(messenger, parent);
    case kTabAdd: return new TFrm_Add(messenger, parent);
    case kTabConvert: return new TFrm_Change(messenger, parent);
    case kTabMove: return new TFrm_Move(messenger, parent);
    case kTabRegex: return new TFrm_Seiki(messenger, parent);
    default: return new TEmptyFrame(tab_index, parent);
  }
}

}  // namespace nalo
