// The regular-expression tab frame: record round trip, the engine switch with its
// labels and description, the replace-mode buttons choosing AWK, the selection
// of a faulty pattern character, the help windows and one run per engine.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>

#include "frm_test_support.h"
#include "rules/awk/awk_str.h"
#include "rules/gui/caption_colour.h"
#include "rules/gui/frm_seiki.h"
#include "rules/gui/frm_seiki_help.h"
#include "rules/regex_help.h"
#include "rules/regex_messages.h"
#include "rules/regex_rule.h"

namespace nalo {
namespace {

using gui2test::HasChosenCaption;

class FrmSeiki : public ::testing::Test {
 protected:
  void SetUp() override {
    gui2test::EnsureQtApp();
    frame_ = std::make_unique<TFrm_Seiki>(messenger_, nullptr);
  }
  template <typename T>
  T* Find(const char* name) { return frame_->findChild<T*>(name); }
  QComboBox* Pattern() { return Find<QComboBox>("RegExpEdit"); }
  QComboBox* Template() { return Find<QComboBox>("SubTextEdit"); }

  gui2test::TRecordingMessenger messenger_;
  std::unique_ptr<TFrm_Seiki> frame_;
};

TEST_F(FrmSeiki, RecordSurvivesATabRoundTrip) {
  TTabStatusSet records;
  TTabStatus_Seiki& r = records.Seiki;
  r.RegExpItems = {"s/a/b/g", "[0-9]+"};
  r.SubTextItems = {"&&"};
  r.RegExp = "(ab|\x83\x5C)";
  r.SubText = "[&]";
  r.ReplaceMode = kRegexReplaceAll;
  r.Engine = kRegexEngineAwk;
  frame_->RestoreTabStatus(records);
  TTabStatusSet stored;
  frame_->StoreTabStatus(stored);
  EXPECT_EQ(stored.Seiki, r);
  EXPECT_TRUE(Template()->isEnabled());
}

TEST_F(FrmSeiki, EngineSwitchSetsLabelsTemplateAndDescription) {
  Template()->setEditText(QStringLiteral("[&]"));
  struct Row {
    const char* click;
    bool awk;
    QString label;
    QString description;
  };
  const Row rows[] = {
      {"chk_AWK", true, "正規表現", "正規表現(AWK互換)を使い、マッチした部分を\"[&]\"に置換する"},
      {"chk_Parl", false, "正規表現置換", "正規表現(Parl互換)を使い置換します。"},
      {"RadioButton2", true, "正規表現", "正規表現(AWK互換)を使い、マッチしたすべてを\"[&]\"に置換する"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.click);
    gui2test::TSignalCount changed(frame_.get(), &TTabFrame::DescriptionChanged);
    frame_->findChild<QAbstractButton*>(row.click)->click();
    EXPECT_GE(changed.count, 1);
    EXPECT_EQ(Find<QCheckBox>("chk_AWK")->isChecked(), row.awk);
    EXPECT_EQ(Template()->isEnabled(), row.awk);
    EXPECT_EQ(Find<QLabel>("Label15")->text(), row.label);
    EXPECT_EQ(HasChosenCaption(Find<QCheckBox>("chk_AWK")), row.awk);
    EXPECT_EQ(HasChosenCaption(Find<QCheckBox>("chk_Parl")), !row.awk);
    EXPECT_EQ(frame_->DescriptionText(true), row.description);
  }
  // Typing in either box shows the description again.
  gui2test::TSignalCount changed(frame_.get(), &TTabFrame::DescriptionChanged);
  Pattern()->setEditText(QStringLiteral("a"));
  Template()->setEditText(QStringLiteral("b"));
  EXPECT_GE(changed.count, 2);
}

TEST_F(FrmSeiki, AwkSyntaxErrorSelectsTheFaultyCharacter) {
  struct Row {
    const char* name;
    QString pattern;
    int selection_start;   // -1: no selection, the caret is at the end
    QString selected;
  };
  const Row rows[] = {
      {"class never closed", "[abc", -1, ""},
      {"reversed range", "[z-a]x", 4, "]"},
      {"after a double-byte character", "ソ[z-a]x", 5, "]"},
      {"extra parenthesis", "ab)c", 3, "c"},
  };
  const TEntryList entries = gui2test::Entries({"banana.txt"});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    int ended = 0;
    TRuleContext ctx(entries);
    ctx.EndRuleRun = [&] { ++ended; };
    Find<QCheckBox>("chk_AWK")->click();
    Pattern()->setEditText(row.pattern);
    TRuleResult result = frame_->RunRule(ctx);
    EXPECT_FALSE(result.Message.empty());
    EXPECT_TRUE(result.Rows.empty());
    QLineEdit* edit = Pattern()->lineEdit();
    if (row.selection_start < 0) {
      EXPECT_FALSE(edit->hasSelectedText());
      EXPECT_EQ(edit->cursorPosition(), row.pattern.size());
    } else {
      EXPECT_EQ(edit->selectionStart(), row.selection_start);
      EXPECT_EQ(edit->selectedText(), row.selected);
    }
  }
  // The frame stays usable: a good pattern runs.
  Pattern()->setEditText(QStringLiteral("a"));
  Template()->setEditText(QStringLiteral("[&]"));
  Find<QRadioButton>("RadioButton2")->click();
  TRuleContext ctx(entries);
  EXPECT_EQ(gui2test::NewNames(frame_->RunRule(ctx)), std::vector<std::string>{"b[a]n[a]n[a].txt"});
}

TEST_F(FrmSeiki, PerlRunAndPrefixMessage) {
  const TEntryList entries = gui2test::Entries({"abc;def;ghi.txt"});
  TRuleContext ctx(entries);
  Pattern()->setEditText(QStringLiteral("  s/;/,/g"));
  TRuleResult result = frame_->RunRule(ctx);
  EXPECT_EQ(gui2test::NewNames(result), std::vector<std::string>{"abc,def,ghi.txt"});
  EXPECT_EQ(result.OkCaption, "置換実行");
  Pattern()->setEditText(QStringLiteral("S/;/,/"));
  EXPECT_EQ(frame_->RunRule(ctx).Message, kMsgLowerCaseS);
}

TEST_F(FrmSeiki, HelpButtonsShowTheirTextsInTheHelpWindow) {
  struct Row {
    const char* button;
    std::string_view text;
  };
  for (const Row& row : {Row{"spd_Help", kPerl5HelpText}, Row{"SpeedButton1", kAwkHelpText}}) {
    SCOPED_TRACE(row.button);
    QString caption, text;
    QFont font;
    messenger_.OnModal([&](QDialog& dialog) {
      caption = dialog.windowTitle();
      auto* memo = dialog.findChild<QPlainTextEdit*>("Memo1");
      text = memo->toPlainText();
      font = memo->font();
      return static_cast<int>(QDialog::Accepted);
    });
    Find<QToolButton>(row.button)->click();
    EXPECT_EQ(caption, QStringLiteral("簡易ヘルプ"));
    EXPECT_EQ(text, QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size())));
    // The font asked for, not the one fontconfig picks: that depends on the fonts installed.
    EXPECT_EQ(font, QFontDatabase::systemFont(QFontDatabase::FixedFont));
  }
  EXPECT_EQ(messenger_.modal_count, 2);
}

}  // namespace
}  // namespace nalo
