// The list editor inside the real main window: the settings menu and the combo
// menu open it on the right list with the right caption, OK stores the list in
// the tab's record or exclusion list and refills the combo box on screen (keeping
// its text), lists of other tabs reach their combo boxes when the tab is entered,
// and キャンセル changes nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <memory>

#include "app/flistbox_modif.h"
#include "app/gui_test_support.h"
#include "app/main_window.h"
#include "app/main_window_fixture.h"
#include "rules/gui/tab_frame.h"

namespace nalo::test {
namespace {

class CandidateListEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settings_.isValid());
    window_ = OpenMainWindow(settings_.path(), messenger_);
  }

  // The next editor gets `added` appended through its edit box and is closed
  // with OK (or キャンセル); its caption is kept in caption_.
  void AnswerEditor(QStringList added, bool accept = true) {
    messenger_.OnExec = [this, added, accept](QDialog& dialog) {
      auto* editor = qobject_cast<TFListBoxModif*>(&dialog);
      if (editor == nullptr) return static_cast<int>(QDialog::Rejected);
      caption_ = editor->windowTitle();
      for (const QString& text : added) {
        editor->Edit1->setText(text);
        editor->BitBtn1->click();
      }
      return static_cast<int>(accept ? QDialog::Accepted : QDialog::Rejected);
    };
  }
  void Trigger(const char* action) {
    QAction* a = window_->findChild<QAction*>(action);
    ASSERT_NE(a, nullptr) << action;
    ASSERT_TRUE(a->isEnabled()) << action;
    a->trigger();
  }
  QComboBox* Combo(const char* name) const {
    return window_->CurrentFrame()->findChild<QComboBox*>(name);
  }
  // Opens the combo menu of `combo` and chooses "内容を編集する（&M）...".
  void EditThroughComboMenu(QComboBox* combo) {
    emit combo->lineEdit()->customContextMenuRequested(QPoint(1, 1));
    window_->pm_Combo->hide();
    Trigger("N5");
  }

  QTemporaryDir settings_;
  TFakeMessenger messenger_;
  std::unique_ptr<TFMainFrm> window_;
  QString caption_;
};

QStringList ItemsOf(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

TEST_F(CandidateListEditorTest, TheComboMenuEditsTheListOfItsComboAndKeepsTheText) {
  window_->TabControl1->setCurrentIndex(kTabConvert);
  QComboBox* ext = Combo("cmb_Ext");
  ASSERT_NE(ext, nullptr);
  ext->setEditText(".typed");
  AnswerEditor({".txt", ".jpg"});
  EditThroughComboMenu(ext);
  EXPECT_EQ(caption_, QStringLiteral("リスト編集 - 拡張子"));
  EXPECT_EQ(ItemsOf(ext), (QStringList{".txt", ".jpg"}));
  EXPECT_EQ(ext->currentText(), ".typed");
  EXPECT_EQ(window_->Records().Modif.ExtItems, (StringList{".txt", ".jpg"}));
  EXPECT_TRUE(window_->Records().Modif.NumBaseItems.empty());
}

TEST_F(CandidateListEditorTest, TheNumberingListIsTitledByTheTargetMode) {
  window_->TabControl1->setCurrentIndex(kTabConvert);
  AnswerEditor({}, false);
  EditThroughComboMenu(Combo("cmb_Num1"));
  EXPECT_EQ(caption_, QStringLiteral("リスト編集 - 連番ファイル名"));
  window_->Folder1Click();
  EditThroughComboMenu(Combo("cmb_Num1"));
  EXPECT_EQ(caption_, QStringLiteral("リスト編集 - 連番フォルダ名"));
}

TEST_F(CandidateListEditorTest, EditingAnotherTabsListChangesItsRecordOnly) {
  window_->TabControl1->setCurrentIndex(kTabReplace);
  QComboBox* old_text = Combo("cmb_String_Old");
  AnswerEditor({"*.txt"});
  Trigger("N10");
  EXPECT_EQ(caption_, QStringLiteral("リスト編集 - マスク（ワイルドカード可）"));
  EXPECT_EQ(window_->Records().Search.ExtMaskItems, (StringList{"*.txt"}));
  EXPECT_EQ(old_text->count(), 0);
  EXPECT_TRUE(window_->Records().Okikae.StringOldItems.empty());

  window_->TabControl1->setCurrentIndex(kTabSearch);
  EXPECT_EQ(ItemsOf(Combo("cmb_ExtMask")), (QStringList{"*.txt"}));
  EXPECT_EQ(Combo("cmb_StrMask")->count(), 0);
}

TEST_F(CandidateListEditorTest, ExclusionListsFollowTheirTab) {
  window_->TabControl1->setCurrentIndex(kTabAdd);
  window_->cmb_notText->setEditText("kept");
  AnswerEditor({"other"});
  Trigger("N37");  // the replace tab's exclusion list
  EXPECT_EQ(caption_, QStringLiteral("リスト編集 - 置換しない条件"));
  EXPECT_EQ(window_->cmb_notText->count(), 0);

  AnswerEditor({"mine"});
  Trigger("N38");  // the add tab's own
  EXPECT_EQ(ItemsOf(window_->cmb_notText), (QStringList{"mine"}));
  EXPECT_EQ(window_->cmb_notText->currentText(), "kept");

  window_->TabControl1->setCurrentIndex(kTabReplace);
  EXPECT_EQ(ItemsOf(window_->cmb_notText), (QStringList{"other"}));
}

TEST_F(CandidateListEditorTest, TheExclusionComboMenuEditsTheCurrentTabsList) {
  window_->TabControl1->setCurrentIndex(kTabRegex);
  AnswerEditor({"skip"});
  EditThroughComboMenu(window_->cmb_notText);
  EXPECT_EQ(caption_, QStringLiteral("リスト編集 - 置換しない条件(正規表現)"));
  EXPECT_EQ(ItemsOf(window_->cmb_notText), (QStringList{"skip"}));
}

TEST_F(CandidateListEditorTest, EveryMenuItemOpensItsList) {
  const struct {
    const char* action;
    const char* title;
  } rows[] = {
      {"N11", "マスク（文字列）"},   {"N12", "対象文字列"},       {"S2", "置換文字列"},
      {"N14", "空白対象文字列"},     {"S3", "任意文字列(追加)"},  {"N16", "候補１(追加)"},
      {"N19", "候補４(追加)"},       {"N20", "連番ファイル名"},   {"N21", "拡張子"},
      {"N28", "任意文字列(移動)"},   {"N29", "移動文字列"},       {"S4", "正規表現"},
      {"R3", "置換文字列(正規表現用)"}, {"N36", "検索しない条件"}, {"N39", "変換しない条件"},
      {"N41", "移動しない条件"},
  };
  AnswerEditor({}, false);
  for (const auto& row : rows) {
    caption_.clear();
    Trigger(row.action);
    EXPECT_EQ(caption_, QStringLiteral("リスト編集 - ") + QString::fromUtf8(row.title)) << row.action;
  }
}

TEST_F(CandidateListEditorTest, CancelLeavesTheListAsItWas) {
  window_->TabControl1->setCurrentIndex(kTabMove);
  AnswerEditor({"first"});
  Trigger("N29");
  AnswerEditor({"second", "third"}, false);
  Trigger("N29");
  EXPECT_EQ(ItemsOf(Combo("cmb_Mve_2")), (QStringList{"first"}));
  EXPECT_EQ(window_->Records().Move.MoveStrItems, (StringList{"first"}));
}

}  // namespace
}  // namespace nalo::test
