// The tab factory gives every rule tab its own frame, and each frame hands back
// exactly the default records it was given, as after a first start.
#include <gtest/gtest.h>

#include "frm_test_support.h"
#include "rules/gui/position_list.h"
#include "rules/gui/tab_frame_factory.h"

namespace nalo {
namespace {

TEST(FrmFactory, EveryRuleTabHasItsFrameAndKeepsTheDefaultRecords) {
  gui2test::EnsureQtApp();
  AddPositionMemory() = TPositionMemory();
  MovePositionMemory() = TPositionMemory();
  gui2test::TRecordingMessenger messenger;
  const struct {
    int tab;
    const char* name;
  } rows[] = {{kTabAdd, "Frm_Add"}, {kTabConvert, "Frm_Change"}, {kTabMove, "Frm_Move"},
              {kTabRegex, "Frm_Seiki"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::unique_ptr<TTabFrame> frame(CreateTabFrame(row.tab, messenger, nullptr));
    EXPECT_EQ(frame->objectName(), row.name);
    EXPECT_EQ(frame->TabIndex(), row.tab);
    const TTabStatusSet defaults;
    frame->RestoreTabStatus(defaults);
    frame->ApplyTargetMode(true);
    TTabStatusSet stored;
    frame->StoreTabStatus(stored);
    EXPECT_EQ(stored, defaults);
    EXPECT_FALSE(frame->DescriptionText(true).isEmpty());
  }
}

}  // namespace
}  // namespace nalo
