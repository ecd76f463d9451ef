// The add and move tabs' position after a mode switch and a restart: a position
// chosen in file mode ("拡張子の後", item 2) must not come back as the folder
// list's item 2 ("任意文字列の前"); in the mode it was chosen in it stays.
#include <gtest/gtest.h>

#include <QTabBar>

#include "app/main_window_fixture.h"
#include "rules/gui/choice_group.h"
#include "rules/gui/position_list.h"
#include "rules/gui/tab_frame.h"

namespace nalo::test {
namespace {

TChoiceGroup* PositionGroup(TFMainFrm& w) {
  const char* name = w.CurrentTab() == kTabAdd ? "rgp_AddPos" : "rgp_MovePos";
  return w.CurrentFrame()->findChild<TChoiceGroup*>(name);
}

class SavedPositionsTest : public TMainWindowFixture {
 protected:
  void TearDown() override {
    AddPositionMemory() = TPositionMemory();
    MovePositionMemory() = TPositionMemory();
  }
};

TEST_F(SavedPositionsTest, APositionComesBackOnlyInTheModeItWasChosenIn) {
  struct TCase {
    int tab;
    bool switch_mode;
    int expected_after_restart;
  };
  const TCase cases[] = {
      {kTabAdd, true, 0}, {kTabMove, true, 0}, {kTabAdd, false, 2}, {kTabMove, false, 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "tab " << c.tab << (c.switch_mode ? ", switched" : ""));
    MakeItems(Data(), {"a.txt"});
    {
      auto w = Open(Data());
      w->TabControl1->setCurrentIndex(c.tab);
      ASSERT_NE(PositionGroup(*w), nullptr);
      PositionGroup(*w)->SetItemIndex(2);  // 拡張子の後
      w->TabControl1->setCurrentIndex(kTabReplace);
      if (c.switch_mode) w->Folder1Click();
      w->close();
    }
    auto w = Open(Data());
    w->TabControl1->setCurrentIndex(c.tab);
    EXPECT_EQ(PositionGroup(*w)->ItemIndex(), c.expected_after_restart);
    w->close();
    w.reset();
    TearDown();
    QFile::remove(QString::fromStdString(IniPath()));
  }
}

// A switch to the other mode and back gives the list its choice again, whether
// the tab was on screen during the switches or not.
TEST_F(SavedPositionsTest, ASwitchToTheOtherModeAndBackKeepsTheChoice) {
  for (const int tab : {kTabAdd, kTabMove}) {
    for (const bool tab_shown : {true, false}) {
      SCOPED_TRACE(testing::Message() << "tab " << tab << (tab_shown ? ", shown" : ", left"));
      MakeItems(Data(), {"a.txt"});
      auto w = Open(Data());
      w->TabControl1->setCurrentIndex(tab);
      PositionGroup(*w)->SetItemIndex(2);  // 拡張子の後
      if (!tab_shown) w->TabControl1->setCurrentIndex(kTabReplace);
      w->Folder1Click();
      w->TabControl1->setCurrentIndex(tab);
      EXPECT_EQ(PositionGroup(*w)->ItemIndex(), 0) << "the folder list has no such item";
      PositionGroup(*w)->SetItemIndex(1);
      if (!tab_shown) w->TabControl1->setCurrentIndex(kTabReplace);
      w->File2Click();
      w->TabControl1->setCurrentIndex(tab);
      EXPECT_EQ(PositionGroup(*w)->ItemIndex(), 2);
      w->Folder1Click();
      EXPECT_EQ(PositionGroup(*w)->ItemIndex(), 1);
      w->close();
      w.reset();
      TearDown();
      QFile::remove(QString::fromStdString(IniPath()));
    }
  }
}

}  // namespace
}  // namespace nalo::test
