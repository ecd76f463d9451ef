// The list editor on its own: its controls and captions, the count caption, the
// first item in the edit box, every command through its button or menu item, the
// limit message, refused characters, and that only OK hands the items back.
#include "app/flistbox_modif.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "app/gui_test_support.h"
#include "platform/encoding.h"
#include "settings/candidate_list.h"

namespace nalo::test {
namespace {

using Strings = std::vector<std::string>;

class ListBoxModifTest : public ::testing::Test {
 protected:
  void SetUp() override { App(); }

  // Opens the editor on `items`; the dialog lives until the test ends.
  TFListBoxModif& Open(const Strings& items, std::string_view title = "拡張子") {
    dialog_ = std::make_unique<TFListBoxModif>(messenger_);
    dialog_->OpenFor(title, items);
    return *dialog_;
  }
  QStringList Shown() const {
    QStringList rows;
    for (int i = 0; i < dialog_->ListBox1->count(); ++i) rows << dialog_->ListBox1->item(i)->text();
    return rows;
  }
  void Add(const QString& text) {
    dialog_->Edit1->setText(text);
    dialog_->BitBtn1->click();
  }

  TFakeMessenger messenger_;
  std::unique_ptr<TFListBoxModif> dialog_;
};

TEST_F(ListBoxModifTest, ControlsAndCaptions) {
  TFListBoxModif dialog(messenger_);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("リスト編集"));
  EXPECT_EQ(dialog.GroupBox1->title(), QStringLiteral("登録されているアイテム"));
  const struct {
    const char* name;
    const char* caption;
  } buttons[] = {{"BitBtn1", "追加(&A)"}, {"BitBtn2", "変更(&M)"}, {"BitBtn5", "削除(&D)"},
                 {"BitBtn3", "OK"},       {"BitBtn4", "キャンセル"}};
  for (const auto& b : buttons) {
    auto* button = dialog.findChild<QPushButton*>(b.name);
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
  }
  for (const char* name : {"GroupBox1", "ListBox1", "Edit1", "SpeedButton1", "SpeedButton2", "PopupMenu1"}) {
    EXPECT_NE(dialog.findChild<QWidget*>(name), nullptr) << name;
  }
  EXPECT_EQ(dialog.SpeedButton1->property("Tag").toInt(), 1);
  EXPECT_EQ(dialog.SpeedButton2->property("Tag").toInt(), 2);
  EXPECT_EQ(dialog.D1->text(), QStringLiteral("リストより削除する(&D)"));
  EXPECT_EQ(dialog.D1->shortcut(), QKeySequence(QKeySequence::Delete));
  EXPECT_TRUE(dialog.PopupMenu1->actions().contains(dialog.D1));
  EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ListBoxModifTest, OpeningShowsTheListTitleCountAndFirstItem) {
  TFListBoxModif& d = Open({".txt", ".jpg"}, "連番フォルダ名");
  EXPECT_EQ(d.windowTitle(), QStringLiteral("リスト編集 - 連番フォルダ名"));
  EXPECT_EQ(d.GroupBox1->title(), QStringLiteral("登録されているアイテム ( 2個/MAX=30 )"));
  EXPECT_EQ(Shown(), (QStringList{".txt", ".jpg"}));
  EXPECT_EQ(d.ListBox1->currentRow(), 0);
  EXPECT_EQ(d.Edit1->text(), ".txt");
}

TEST_F(ListBoxModifTest, AnEmptyListOpensWithAnEmptyEditAndNoSelection) {
  TFListBoxModif& d = Open({});
  EXPECT_EQ(d.GroupBox1->title(), QStringLiteral("登録されているアイテム ( 0個/MAX=30 )"));
  EXPECT_EQ(d.ListBox1->currentRow(), -1);
  EXPECT_TRUE(d.Edit1->text().isEmpty());
  d.BitBtn2->click();  // change and delete have nothing to act on
  d.BitBtn5->click();
  d.SpeedButton1->click();
  EXPECT_TRUE(d.Items().empty());
}

TEST_F(ListBoxModifTest, ChoosingARowCopiesItIntoTheEdit) {
  TFListBoxModif& d = Open({"a", "\x83\x5C\x95\x5C"});  // ソ表 in CP932
  d.ListBox1->setCurrentRow(1);
  EXPECT_EQ(d.Edit1->text(), QStringLiteral("ソ表"));
  d.Edit1->setText("B");
  d.BitBtn2->click();
  EXPECT_EQ(d.Items(), (Strings{"a", "B"}));
  EXPECT_EQ(Shown(), (QStringList{"a", "B"}));
  EXPECT_EQ(d.ListBox1->currentRow(), 1);
}

TEST_F(ListBoxModifTest, AddAppendsSelectsAndCountsIncludingEmptyTexts) {
  TFListBoxModif& d = Open({"a"});
  Add("a");
  Add("");
  EXPECT_EQ(d.Items(), (Strings{"a", "a", ""}));
  EXPECT_EQ(Shown().size(), 3);
  EXPECT_EQ(d.ListBox1->currentRow(), 2);
  EXPECT_EQ(d.GroupBox1->title(), QStringLiteral("登録されているアイテム ( 3個/MAX=30 )"));
  EXPECT_TRUE(messenger_.Messages.empty());
}

TEST_F(ListBoxModifTest, TheThirtyFirstItemIsRefusedWithTheMessage) {
  Strings items;
  for (int i = 0; i < 29; ++i) items.push_back("m" + std::to_string(i));
  TFListBoxModif& d = Open(items);
  Add("30th");
  EXPECT_TRUE(messenger_.Messages.empty());
  Add("31st");
  ASSERT_EQ(messenger_.TextsOf("warn").size(), 1u);
  EXPECT_EQ(messenger_.TextsOf("warn")[0], QStringLiteral("登録個数が一杯です。（最大３０個）"));
  EXPECT_EQ(d.Items().size(), kMaxCandidates);
  EXPECT_EQ(d.Items().back(), "30th");
  EXPECT_EQ(d.GroupBox1->title(), QStringLiteral("登録されているアイテム ( 30個/MAX=30 )"));
}

TEST_F(ListBoxModifTest, TextBeyondCp932IsTakenWhole) {
  TFListBoxModif& d = Open({"a"});
  Add(QStringLiteral("x😀"));
  EXPECT_TRUE(messenger_.Messages.empty());
  ASSERT_EQ(d.Items().size(), 2u);
  EXPECT_EQ(Cp932ToUtf8(d.Items()[1]), "x😀");
}

TEST_F(ListBoxModifTest, DeleteAndArrowsRedrawTheListAndItsSelection) {
  TFListBoxModif& d = Open({"a", "b", "c", "d"});
  d.SpeedButton2->click();
  EXPECT_EQ(Shown(), (QStringList{"b", "a", "c", "d"}));
  EXPECT_EQ(d.ListBox1->currentRow(), 1);
  d.SpeedButton1->click();
  EXPECT_EQ(Shown(), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(d.Edit1->text(), "a");  // moving does not touch the edit box
  d.ListBox1->setCurrentRow(3);
  d.BitBtn5->click();
  EXPECT_EQ(Shown(), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(d.ListBox1->currentRow(), 2);
  d.D1->trigger();
  EXPECT_EQ(Shown(), (QStringList{"a", "b"}));
  EXPECT_EQ(d.GroupBox1->title(), QStringLiteral("登録されているアイテム ( 2個/MAX=30 )"));
}

TEST_F(ListBoxModifTest, OnlyOkHandsTheItemsBack) {
  const auto edit = [this](bool accept) {
    messenger_.OnExec = [accept](QDialog& dialog) {
      auto& d = dynamic_cast<TFListBoxModif&>(dialog);
      d.Edit1->setText("new");
      d.BitBtn1->click();
      d.BitBtn1->click();
      (accept ? d.BitBtn3 : d.BitBtn4)->click();
      return dialog.result();
    };
    return EditCandidateItems(nullptr, messenger_, "拡張子", {"old"});
  };
  EXPECT_EQ(edit(false), std::nullopt);
  EXPECT_EQ(edit(true), (Strings{"old", "new", "new"}));
}

}  // namespace
}  // namespace nalo::test
