// The convert tab frame: record round trip, the description and red caption of
// each sub-rule, folder-mode captions and disabled controls, option controls that
// choose their sub-rule, its Tab order and a numbering run.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

#include "frm_test_support.h"
#include "rules/convert_rule.h"
#include "rules/gui/caption_colour.h"
#include "rules/gui/choice_group.h"
#include "rules/gui/frm_change.h"

namespace nalo {
namespace {

using gui2test::HasChosenCaption;

class FrmChange : public ::testing::Test {
 public:
  void SetUp() override {
    gui2test::EnsureQtApp();
    frame_ = std::make_unique<TFrm_Change>(messenger_, nullptr);
  }
  template <typename T>
  T* Find(const char* name) { return frame_->findChild<T*>(name); }
  QRadioButton* Kind(const char* name) { return Find<QRadioButton>(name); }

 protected:
  gui2test::TRecordingMessenger messenger_;
  std::unique_ptr<TFrm_Change> frame_;
};

TEST_F(FrmChange, RecordSurvivesATabRoundTrip) {
  TTabStatusSet records;
  TTabStatus_Modif& r = records.Modif;
  r.NumBaseItems = {"Images_", "\x95\x5C"};  // "表": trail byte 0x5C
  r.ExtItems = {".jpg"};
  r.NumBase = "Images_";
  r.Ext = ".avi";
  r.DigitsIdx = 2;
  r.NumStart = 99;
  r.NameCaseIdx = 1;
  r.NameCapitalize = false;
  r.ExtCaseIdx = 0;
  r.ExtCapitalize = true;
  r.Kind = kConvertKataToHira;
  frame_->RestoreTabStatus(records);
  frame_->ApplyTargetMode(true);
  TTabStatusSet stored;
  frame_->StoreTabStatus(stored);
  EXPECT_EQ(stored.Modif, r);
  EXPECT_TRUE(HasChosenCaption(Kind("rbtn_KanaHira")));
}

TEST_F(FrmChange, EachSubRuleDescribesItselfInRed) {
  struct Row {
    const char* button;
    bool files_mode;
    QString description;
  };
  Find<QComboBox>("cmb_Num1")->setEditText(QStringLiteral("Images"));
  Find<QComboBox>("cmb_Num2")->setCurrentIndex(2);
  Find<QSpinBox>("SpinEdit2")->setValue(1);
  Find<QComboBox>("cmb_Ext")->setEditText(QStringLiteral(".avi"));
  const Row rows[] = {
      {"rbtn_Renban", true, "ファイル名を連番に変換：Images001～"},
      {"rbtn_Renban", false, "フォルダ名を連番に変換：Images001～"},
      {"rbtn_Ext_Modif", true, "拡張子を変換：*.avi"},
      {"rbtn_Fname_OmojiKomoji", true, "ファイル名の大・小文字を変換：小文字→大文字"},
      {"rbtn_Ext_OmojiKomoji", true, "拡張子の大・小文字を変換：大文字→小文字"},
      {"rbtn_HankakuWide", true, "半角を全角に変換"},
      {"rbtn_WideHankaku", true, "全角を半角に変換"},
      {"rbtn_HiraKana", true, "全角ひらがなを全角カタカナに変換"},
      {"rbtn_KanaHira", true, "全角カタカナを全角ひらがなに変換"},
      {"rbtn_TrimFileName", false, "フォルダ名の前後の空白を削除"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.button);
    frame_->ApplyTargetMode(row.files_mode);
    gui2test::TSignalCount changed(frame_.get(), &TTabFrame::DescriptionChanged);
    Kind(row.button)->click();
    EXPECT_GE(changed.count, 1);
    EXPECT_EQ(frame_->DescriptionText(row.files_mode), row.description);
    for (QRadioButton* other : frame_->findChildren<QRadioButton*>(QRegularExpression("^rbtn_"))) {
      EXPECT_EQ(HasChosenCaption(other), other == Kind(row.button)) << other->objectName().toStdString();
    }
  }
}

TEST_F(FrmChange, OptionControlsChooseTheirSubRule) {
  struct Row {
    const char* name;
    std::function<void(FrmChange&)> act;
    int kind;
  };
  const Row rows[] = {
      {"digits changed", [](FrmChange& t) { t.Find<QComboBox>("cmb_Num2")->setCurrentIndex(3); },
       kConvertNumbering},
      {"extension typed", [](FrmChange& t) { t.Find<QComboBox>("cmb_Ext")->setEditText("x"); },
       kConvertExtension},
      {"name case entered", [](FrmChange& t) { gui2test::Enter(t.Find<QCheckBox>("chk_Fname_OmojiKomoji")); },
       kConvertNameCase},
      {"extension case clicked",
       [](FrmChange& t) { t.Find<TChoiceGroup>("rgp_Ext_OmojiKomoji2")->Button(0)->click(); },
       kConvertExtCase},
      {"width rule entered", [](FrmChange& t) { gui2test::Enter(t.Kind("rbtn_WideHankaku")); },
       kConvertFullToHalf},
      {"first number changed", [](FrmChange& t) { t.Find<QSpinBox>("SpinEdit2")->setValue(7); },
       kConvertNumbering},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Kind("rbtn_TrimFileName")->click();
    row.act(*this);
    EXPECT_EQ(frame_->Status().Kind, row.kind);
  }
}

TEST_F(FrmChange, FolderModeDisablesTheExtensionControls) {
  const char* const extension_controls[] = {"rbtn_Ext_Modif", "cmb_Ext", "rbtn_Ext_OmojiKomoji",
                                            "chk_Ext_OmojiKomoji", "rgp_Ext_OmojiKomoji2"};
  for (bool files_mode : {false, true}) {
    SCOPED_TRACE(files_mode ? "file mode" : "folder mode");
    frame_->ApplyTargetMode(files_mode);
    for (const char* name : extension_controls) {
      EXPECT_EQ(Find<QWidget>(name)->isEnabled(), files_mode) << name;
    }
    EXPECT_EQ(Kind("rbtn_Renban")->text(),
              files_mode ? QStringLiteral("ファイル名を連番に変換") : QStringLiteral("フォルダ名を連番に変換"));
    EXPECT_EQ(Kind("rbtn_Fname_OmojiKomoji")->text(),
              files_mode ? QStringLiteral("ファイル名の大・小文字") : QStringLiteral("フォルダ名の大・小文字"));
    EXPECT_EQ(Kind("rbtn_TrimFileName")->text(), files_mode
                                                     ? QStringLiteral("ファイル名の前後の空白を削除")
                                                     : QStringLiteral("フォルダ名の前後の空白を削除"));
  }
  EXPECT_FALSE(Kind("rbtn_TimeStamp")->isVisibleTo(frame_.get()));
}

TEST_F(FrmChange, TabWalksFromTheCaseOptionsThroughTheWidthAndKanaRules) {
  frame_->show();
  const QStringList tail = {"rbtn_TrimFileName", "rbtn_HankakuWide", "rbtn_WideHankaku",
                            "rbtn_HiraKana", "rbtn_KanaHira"};
  for (bool files_mode : {true, false}) {
    SCOPED_TRACE(files_mode ? "file mode" : "folder mode");
    frame_->ApplyTargetMode(files_mode);
    const char* start = files_mode ? "chk_Ext_OmojiKomoji" : "chk_Fname_OmojiKomoji";
    Find<QWidget>(start)->setFocus();
    QStringList seen;
    for (int i = 0; i < tail.size(); ++i) {
      gui2test::PressTab(frame_.get());
      seen << gui2test::FocusName(frame_.get());
    }
    EXPECT_EQ(seen, tail);
    for (int i = 0; i < tail.size(); ++i) gui2test::PressTab(frame_.get(), false);
    EXPECT_EQ(gui2test::FocusName(frame_.get()), QString::fromUtf8(start));
  }
}

TEST_F(FrmChange, NumberingRunSkipsTheExcludedEntryWithoutUsingANumber) {
  const TEntryList entries = gui2test::Entries({"b.jpg", "a_skip.jpg", "c.png"});
  TRuleContext ctx(entries);
  ctx.Exclusion = {true, "skip", false};
  Find<QComboBox>("cmb_Num1")->setEditText(QStringLiteral("Images_"));
  Find<QComboBox>("cmb_Num2")->setCurrentIndex(2);
  Find<QSpinBox>("SpinEdit2")->setValue(1);
  TRuleResult result = frame_->RunRule(ctx);
  EXPECT_EQ(gui2test::NewNames(result), (std::vector<std::string>{"Images_001.jpg", "Images_002.png"}));
  EXPECT_EQ(result.OkCaption, "変換実行");
}

}  // namespace
}  // namespace nalo
