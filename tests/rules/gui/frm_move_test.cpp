// The move tab frame: record round trip, descriptions as the controls change,
// the string controls choosing the string move, folder-mode positions, the
// validation messages and a bracket move run.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "frm_test_support.h"
#include "rules/gui/caption_colour.h"
#include "rules/gui/choice_group.h"
#include "rules/gui/frm_move.h"
#include "rules/gui/position_list.h"
#include "rules/rule_messages.h"

namespace nalo {
namespace {

using gui2test::HasChosenCaption;

class FrmMove : public ::testing::Test {
 protected:
  void SetUp() override {
    gui2test::EnsureQtApp();
    MovePositionMemory() = TPositionMemory();  // as at start-up
    frame_ = std::make_unique<TFrm_Move>(messenger_, nullptr);
  }
  template <typename T>
  T* Find(const char* name) { return frame_->findChild<T*>(name); }
  TChoiceGroup* Positions() { return Find<TChoiceGroup>("rgp_MovePos"); }

  gui2test::TRecordingMessenger messenger_;
  std::unique_ptr<TFrm_Move> frame_;
};

TEST_F(FrmMove, RecordSurvivesATabRoundTrip) {
  TTabStatusSet records;
  TTabStatus_Move& r = records.Move;
  r.NiniStrItems = {"x", "y"};
  r.MoveStrItems = {"\x81\x79\x89\x66\x89\xe6\x81\x7a"};  // "【映画】"
  r.NiniStr = "x";
  r.MoveStr = "abc";
  r.Position = 3;
  r.MoveBracket = false;
  r.MoveString = true;
  r.BracketIdx = 8;
  r.StringCase = true;
  frame_->RestoreTabStatus(records);
  frame_->ApplyTargetMode(true);
  TTabStatusSet stored;
  frame_->StoreTabStatus(stored);
  EXPECT_EQ(stored.Move, r);
  EXPECT_TRUE(HasChosenCaption(Find<QRadioButton>("rbtn_Mve_2")));
}

TEST_F(FrmMove, DescriptionsFollowTheControls) {
  Find<QComboBox>("cmb_Mve_1")->setCurrentIndex(8);
  EXPECT_TRUE(Find<QRadioButton>("rbtn_Mve_1")->isChecked());
  EXPECT_EQ(frame_->DescriptionText(true), QStringLiteral("ファイル名の前に、\"【*】…全角\" を移動 (括弧)"));

  gui2test::TSignalCount changed(frame_.get(), &TTabFrame::DescriptionChanged);
  Find<QComboBox>("cmb_Mve_2")->setEditText(QStringLiteral("abc"));
  EXPECT_TRUE(Find<QRadioButton>("rbtn_Mve_2")->isChecked());
  EXPECT_TRUE(HasChosenCaption(Find<QRadioButton>("rbtn_Mve_2")));
  EXPECT_FALSE(HasChosenCaption(Find<QRadioButton>("rbtn_Mve_1")));
  Positions()->Button(3)->click();
  Find<QComboBox>("cmb_NiniStr_Move")->setEditText(QStringLiteral("-"));
  EXPECT_GE(changed.count, 3);
  EXPECT_EQ(frame_->DescriptionText(true), QStringLiteral("任意文字列\"-\"の前に、\"abc\" を移動 (文字列)"));

  Find<QRadioButton>("rbtn_Mve_1")->click();
  gui2test::Enter(Find<QCheckBox>("chk_OmojiKomoji_Move"));  // entering it chooses the string move
  EXPECT_TRUE(Find<QRadioButton>("rbtn_Mve_2")->isChecked());
}

TEST_F(FrmMove, FolderModePositions) {
  frame_->ApplyTargetMode(false);
  EXPECT_EQ(Positions()->Items(),
            (QStringList{"フォルダ名の前", "フォルダ名の後", "任意文字列の前", "任意文字列の後"}));
  EXPECT_EQ(Positions()->ItemIndex(), 0);
  Positions()->Button(3)->click();
  Find<QComboBox>("cmb_NiniStr_Move")->setEditText(QStringLiteral("v"));
  EXPECT_EQ(frame_->DescriptionText(false), QStringLiteral("任意文字列\"v\"の後に、\"(*)…半角\" を移動 (括弧)"));
}

TEST_F(FrmMove, ValidationMessages) {
  const TEntryList entries = gui2test::Entries({"a.txt"});
  TRuleContext ctx(entries);
  Find<QRadioButton>("rbtn_Mve_2")->click();
  EXPECT_EQ(frame_->RunRule(ctx).Message, kMsgNoMoveString);
  Find<QComboBox>("cmb_Mve_2")->setEditText(QStringLiteral("a"));
  Positions()->Button(4)->click();
  EXPECT_EQ(frame_->RunRule(ctx).Message, kMsgNoAnchorString);
}

TEST_F(FrmMove, BracketRunMovesTheOpeningGroupOnly) {
  const TEntryList entries = gui2test::Entries({"[a]b[c].txt", "b[c].txt"});
  TRuleContext ctx(entries);
  Find<QComboBox>("cmb_Mve_1")->setCurrentIndex(1);
  Positions()->Button(1)->click();
  TRuleResult result = frame_->RunRule(ctx);
  EXPECT_EQ(gui2test::NewNames(result), std::vector<std::string>{"b[c][a].txt"});
  EXPECT_EQ(result.OkCaption, "移動実行");
}

}  // namespace
}  // namespace nalo
