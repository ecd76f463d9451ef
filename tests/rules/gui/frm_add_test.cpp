// The add tab frame: its record survives a tab round trip, every change shows
// the description again, the file-only candidates and positions follow the
// target mode, the Tab key walks the frame's own order, and a run ends in rows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QRadioButton>

#include "frm_test_support.h"
#include "rules/gui/caption_colour.h"
#include "rules/gui/choice_group.h"
#include "rules/gui/frm_add.h"
#include "rules/gui/position_list.h"
#include "rules/rule_messages.h"

namespace nalo {
namespace {

using gui2test::HasChosenCaption;
using gui2test::TRecordingMessenger;

class FrmAdd : public ::testing::Test {
 protected:
  void SetUp() override {
    gui2test::EnsureQtApp();
    AddPositionMemory() = TPositionMemory();  // as at start-up
    frame_ = std::make_unique<TFrm_Add>(messenger_, nullptr);
  }
  template <typename T>
  T* Find(const char* name) { return frame_->findChild<T*>(name); }
  QComboBox* Combo(const char* name) { return Find<QComboBox>(name); }
  QRadioButton* Button(const char* name) { return Find<QRadioButton>(name); }
  TChoiceGroup* Positions() { return Find<TChoiceGroup>("rgp_AddPos"); }
  // A fresh frame given `records`, as the tab switch creates one.
  std::unique_ptr<TFrm_Add> Reopen(const TTabStatusSet& records, bool files_mode) {
    auto frame = std::make_unique<TFrm_Add>(messenger_, nullptr);
    frame->RestoreTabStatus(records);
    frame->ApplyTargetMode(files_mode);
    return frame;
  }

  TRecordingMessenger messenger_;
  std::unique_ptr<TFrm_Add> frame_;
};

TTabStatusSet FilledRecords() {
  TTabStatusSet records;
  TTabStatus_Add& r = records.Add;
  r.Position = 4;
  r.NiniStrItems = {"bc", "\x83\x5C"};  // "ソ": trail byte 0x5C
  r.NiniStr = "bc";
  for (int i = 0; i < 4; ++i) {
    r.AddItems[i] = {"item" + std::to_string(i)};
    r.AddText[i] = "text" + std::to_string(i);
  }
  r.Candidate = 2;
  return records;
}

TEST_F(FrmAdd, RecordSurvivesATabRoundTripInTheSameMode) {
  for (bool files_mode : {true, false}) {
    SCOPED_TRACE(files_mode ? "file mode" : "folder mode");
    AddPositionMemory() = TPositionMemory();  // records as read at start-up in this mode
    TTabStatusSet records = FilledRecords();
    records.Add.Position = files_mode ? 4 : 3;
    auto first = Reopen(records, files_mode);
    TTabStatusSet stored;
    first->StoreTabStatus(stored);
    EXPECT_EQ(stored.Add, records.Add);
    auto second = Reopen(stored, files_mode);  // leave the tab and come back
    TTabStatusSet again;
    second->StoreTabStatus(again);
    EXPECT_EQ(again.Add, records.Add);
  }
}

TEST_F(FrmAdd, SavedPositionFallsBackToTheFirstWhenTheModeChangedMeanwhile) {
  TTabStatusSet records = FilledRecords();
  auto files = Reopen(records, true);
  TTabStatusSet stored;
  files->StoreTabStatus(stored);  // stored in file mode with "任意文字列の後"
  auto folders = Reopen(stored, false);
  EXPECT_EQ(folders->Status().Position, 0);
}

TEST_F(FrmAdd, RestoringDoesNotChooseACandidateByFillingItsCombo) {
  TTabStatusSet records = FilledRecords();
  records.Add.Candidate = 6;
  frame_->RestoreTabStatus(records);
  EXPECT_EQ(frame_->Status().Candidate, 6);
  EXPECT_TRUE(HasChosenCaption(Button("rbtn_Add_7")));
  EXPECT_FALSE(HasChosenCaption(Button("rbtn_Add_4")));
}

TEST_F(FrmAdd, EveryChangeShowsTheDescriptionAgain) {
  gui2test::TSignalCount spy(frame_.get(), &TTabFrame::DescriptionChanged);
  Combo("cmb_Add_1")->setEditText(QStringLiteral("【映画】"));
  EXPECT_EQ(frame_->DescriptionText(true),
            QStringLiteral("ファイル名の前に、\"【映画】\" を追加 (候補１)"));
  const int after_text = spy.count;
  EXPECT_GE(after_text, 1);

  Positions()->Button(4)->click();
  Combo("cmb_NiniStr")->setEditText(QStringLiteral("bc"));
  EXPECT_EQ(frame_->DescriptionText(true),
            QStringLiteral("任意文字列\"bc\"の後に、\"【映画】\" を追加 (候補１)"));
  EXPECT_GE(spy.count, after_text + 2);

  // Typing into another candidate's combo chooses that candidate and marks it red.
  Combo("cmb_Add_3")->setEditText(QStringLiteral(" （iso）"));
  EXPECT_EQ(frame_->Status().Candidate, 2);
  EXPECT_TRUE(HasChosenCaption(Button("rbtn_Add_3")));
  EXPECT_FALSE(HasChosenCaption(Button("rbtn_Add_1")));
  EXPECT_EQ(frame_->DescriptionText(true),
            QStringLiteral("任意文字列\"bc\"の後に、\" （iso）\" を追加 (候補３)"));

  Button("rbtn_Add_9")->click();
  EXPECT_TRUE(HasChosenCaption(Button("rbtn_Add_9")));
  EXPECT_EQ(frame_->DescriptionText(true), QStringLiteral("任意文字列\"bc\"の後に、フォルダを追加"));
}

TEST_F(FrmAdd, FolderModeCaptionsAndDisabledCandidates) {
  struct Row {
    bool files_mode;
    QStringList positions;
    QString date_caption;
    bool file_only_enabled;
    QString date_description;
  };
  const Row rows[] = {
      {false,
       {"フォルダ名の前", "フォルダ名の後", "任意文字列の前", "任意文字列の後"},
       "更新日時", false, "フォルダ名の前に、更新日時を追加"},
      {true,
       {"ファイル名の前", "ファイル名の後", "拡張子の後", "任意文字列の前", "任意文字列の後"},
       "更新日時・ファイルサイズ", true, "ファイル名の前に、ファイルサイズと更新日時を追加"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.files_mode ? "file mode" : "folder mode");
    Positions()->Button(1)->click();
    frame_->ApplyTargetMode(row.files_mode);
    EXPECT_EQ(Positions()->Items(), row.positions);
    // Item 1 was chosen in the file list before the switch to folder mode; the
    // folder list had no choice yet.
    EXPECT_EQ(Positions()->ItemIndex(), row.files_mode ? 1 : 0);
    Positions()->Button(0)->click();
    EXPECT_EQ(Button("rbtn_Add_6")->text(), row.date_caption);
    for (const char* name : {"rbtn_Add_5", "rbtn_Add_7", "rbtn_Add_8"}) {
      EXPECT_EQ(Button(name)->isEnabled(), row.file_only_enabled) << name;
    }
    EXPECT_TRUE(Button("rbtn_Add_6")->isEnabled());
    EXPECT_TRUE(Button("rbtn_Add_9")->isEnabled());
    Button("rbtn_Add_6")->click();
    EXPECT_EQ(frame_->DescriptionText(row.files_mode), row.date_description);
  }
}

TEST_F(FrmAdd, ValidationMessages) {
  const TEntryList entries = gui2test::Entries({"a.txt"});
  TRuleContext ctx(entries);
  Combo("cmb_Add_1")->setEditText(QStringLiteral("x"));
  Button("rbtn_Add_2")->click();  // candidate 2 with an empty text, candidate 1 filled
  EXPECT_EQ(frame_->RunRule(ctx).Message, kMsgNoAddString);

  Combo("cmb_Add_2")->setEditText(QStringLiteral("y"));
  frame_->ApplyTargetMode(false);
  ctx.FolderMode = true;
  Positions()->Button(2)->click();  // "任意文字列の前" in folder mode, no anchor
  EXPECT_EQ(frame_->RunRule(ctx).Message, kMsgNoAnchorString);
}

TEST_F(FrmAdd, RunEndsInTheRowsOfTheChangedNames) {
  const TEntryList entries = gui2test::Entries({"movie.avi", "abcabc.txt", "README"});
  TRuleContext ctx(entries);
  Combo("cmb_Add_3")->setEditText(QStringLiteral("X"));
  Positions()->Button(4)->click();  // after the anchor
  Combo("cmb_NiniStr")->setEditText(QStringLiteral("bc"));
  TRuleResult result = frame_->RunRule(ctx);
  EXPECT_EQ(result.Message, "");
  ASSERT_EQ(result.Rows.size(), 1u);  // names without the anchor keep their names
  EXPECT_EQ(RowOldName(entries, result.Rows[0]), "abcabc.txt");
  EXPECT_EQ(result.Rows[0].NewName, "abcXabc.txt");
  EXPECT_EQ(RowFolder(entries, result.Rows[0]), "/data");
  EXPECT_EQ(result.OkCaption, "追加実行");

  Positions()->Button(1)->click();  // after the base name
  EXPECT_EQ(gui2test::NewNames(frame_->RunRule(ctx)),
            (std::vector<std::string>{"movieX.avi", "abcabcX.txt", "READMEX"}));
}

TEST_F(FrmAdd, InformationButtonsCarryTheirTemplateTags) {
  const QList<QWidget*> buttons = frame_->LabelPopupWidgets();
  ASSERT_EQ(buttons.size(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(buttons[i]->objectName(), QStringLiteral("rbtn_Add_%1").arg(i + 5));
    EXPECT_EQ(buttons[i]->property(kTagProperty).toInt(), i + 5);
  }
  EXPECT_EQ(frame_->ComboForTag(5), Combo("cmb_NiniStr"));
  EXPECT_EQ(frame_->ComboForTag(3), Combo("cmb_Add_3"));
}

class FrmAddTabOrder : public FrmAdd {
 protected:
  void SetUp() override {
    FrmAdd::SetUp();
    frame_->show();
    Combo("cmb_NiniStr")->setFocus();
  }
  QStringList Walk(int steps, bool forward) {
    QStringList seen;
    for (int i = 0; i < steps; ++i) {
      gui2test::PressTab(frame_.get(), forward);
      seen << gui2test::FocusName(frame_.get());
    }
    return seen;
  }
};

TEST_F(FrmAddTabOrder, FileModeVisitsEveryCandidateAndItsCombo) {
  const QStringList expected = {"rbtn_Add_1", "cmb_Add_1", "rbtn_Add_2", "cmb_Add_2",
                                "rbtn_Add_3", "cmb_Add_3", "rbtn_Add_4", "cmb_Add_4",
                                "rbtn_Add_5", "rbtn_Add_6", "rbtn_Add_7", "rbtn_Add_8",
                                "rbtn_Add_9"};
  EXPECT_EQ(Walk(static_cast<int>(expected.size()), true), expected);
  EXPECT_EQ(frame_->Status().Candidate, 8);  // reaching a button chooses it
  EXPECT_EQ(Walk(3, false), (QStringList{"rbtn_Add_8", "rbtn_Add_7", "rbtn_Add_6"}));
  EXPECT_EQ(frame_->Status().Candidate, 5);
}

TEST_F(FrmAddTabOrder, FolderModeSkipsTheFileOnlyCandidatesAndLeavesAfterTheLast) {
  frame_->ApplyTargetMode(false);
  Combo("cmb_Add_4")->setFocus();
  gui2test::TSignalCount left(frame_.get(), &TFrm_Add::FocusLeftFrame);
  EXPECT_EQ(Walk(2, true), (QStringList{"rbtn_Add_6", "rbtn_Add_9"}));
  gui2test::PressTab(frame_.get(), true);
  EXPECT_EQ(left.count, 1);
  EXPECT_EQ(Walk(2, false), (QStringList{"rbtn_Add_6", "cmb_Add_4"}));
}

}  // namespace
}  // namespace nalo
