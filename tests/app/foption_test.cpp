// The options dialog on its own: its pages, captions and names; a record loaded
// and read back unchanged (unlisted colours, fonts and sizes included); the two
// presets; the preview following the pickers; and the colour picker's extra item.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>

#include "app/foption.h"
#include "app/gui_test_support.h"
#include "settings/options_dialog_values.h"
#include "settings/windows_color.h"
#include "ui/color_picker.h"
#include "ui/font_name_picker.h"
#include "ui/list_look.h"
#include "ui/qt_text.h"

namespace nalo::test {
namespace {

constexpr std::int32_t kRed = PlainColorValue(255, 0, 0);
constexpr std::int32_t kOddColor = PlainColorValue(0x12, 0x34, 0x56);

// A record differing from the defaults in every field.
TOptionsSettings Unusual() {
  TOptionsSettings o;
  o.Chk_FormMax = false;
  o.SubFolder = true;
  o.StrTrim = false;
  o.ListView.FontColor = kOddColor;
  o.ListView.BackColor = SystemColorValue(kSysColorWindow);
  o.ListView.FontName = "No Such Font Family";
  o.ListView.FontSize = "14";
  return o;
}

class OptionDialog : public ::testing::Test {
 protected:
  QApplication& app_ = App();  // before the dialog
  TFOption dialog_;
};

TEST_F(OptionDialog, PagesCaptionsAndNames) {
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("設定画面"));
  EXPECT_TRUE(dialog_.isModal());
  const QStringList names = {"TabSheet1", "TabSheet2", "TabSheet4", "TabSheet3"};
  const QStringList captions = {QStringLiteral("起動設定"), QStringLiteral("検索設定"),
                                QStringLiteral("リネーム設定"), QStringLiteral("リストビュー設定")};
  ASSERT_EQ(dialog_.PageControl1->count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(dialog_.PageControl1->widget(i)->objectName(), names[i]);
    EXPECT_EQ(dialog_.PageControl1->tabText(i), captions[i]);
  }
  EXPECT_EQ(dialog_.chk_StartFormMAX->text(), QStringLiteral("フォームを最大化で起動"));
  EXPECT_EQ(dialog_.chk_SubFolderOpt->text(), QStringLiteral("サブフォルダも検索する"));
  EXPECT_EQ(dialog_.chk_Trim->text(), QStringLiteral("ファイル名の前後の空白を削除"));
  EXPECT_EQ(dialog_.BitBtn3->text(), QStringLiteral("デフォルト設定(&D)"));
  EXPECT_EQ(dialog_.BitBtn4->text(), QStringLiteral("Windows標準(&W)"));
  EXPECT_EQ(dialog_.BitBtn2->text(), QStringLiteral("OK"));
  EXPECT_TRUE(dialog_.BitBtn2->isDefault());
  EXPECT_EQ(dialog_.BitBtn1->text(), QStringLiteral("キャンセル"));
  EXPECT_TRUE(dialog_.Edit1->isReadOnly());
  EXPECT_EQ(dialog_.Edit1->text(), QStringLiteral("【サンプル】 TestString"));
  EXPECT_FALSE(dialog_.cmb_Size->isEditable());
  QStringList sizes;
  for (int i = 0; i < dialog_.cmb_Size->count(); ++i) sizes << dialog_.cmb_Size->itemText(i);
  EXPECT_EQ(sizes, QStringList({"8", "9", "10", "11", "12", "14", "16", "18"}));
  for (const char* name : {"chk_StartFormMAX", "chk_SubFolderOpt", "chk_Trim", "FontNameComboBox1",
                           "CCmb_Font", "CCmb_Back", "cmb_Size", "Edit1", "BitBtn1", "BitBtn2",
                           "BitBtn3", "BitBtn4", "PageControl1"}) {
    EXPECT_NE(dialog_.findChild<QWidget*>(name), nullptr) << name;
  }
}

TEST_F(OptionDialog, OkAndCancelButtonsCloseWithTheirResult) {
  dialog_.show();
  dialog_.BitBtn2->click();
  EXPECT_EQ(dialog_.result(), QDialog::Accepted);
  dialog_.show();
  dialog_.BitBtn1->click();
  EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}

TEST_F(OptionDialog, LoadedRecordComesBackUnchanged) {
  for (const TOptionsSettings& record : {TOptionsSettings{}, Unusual()}) {
    dialog_.LoadOptions(record);
    EXPECT_EQ(dialog_.Options(), record);
  }
  const TOptionsSettings o = Unusual();
  dialog_.LoadOptions(o);
  EXPECT_FALSE(dialog_.chk_StartFormMAX->isChecked());
  EXPECT_TRUE(dialog_.chk_SubFolderOpt->isChecked());
  EXPECT_FALSE(dialog_.chk_Trim->isChecked());
  EXPECT_EQ(dialog_.cmb_Size->currentText(), "14");
  EXPECT_EQ(dialog_.FontNameComboBox1->currentText(), "No Such Font Family");
  EXPECT_EQ(dialog_.CCmb_Font->currentText(), QStringLiteral("カスタム #123456"));
  EXPECT_EQ(dialog_.CCmb_Back->currentText(), QStringLiteral("ウィンドウの背景"));
}

TEST_F(OptionDialog, ASizeThatIsNoItemIsKeptUntilAnItemIsChosen) {
  TOptionsSettings o;
  o.ListView.FontSize = "13";
  dialog_.LoadOptions(o);
  EXPECT_EQ(dialog_.cmb_Size->currentIndex(), -1);
  EXPECT_EQ(dialog_.Options().ListView.FontSize, "13");
  dialog_.cmb_Size->setCurrentIndex(4);
  EXPECT_EQ(dialog_.Options().ListView.FontSize, "12");
}

TEST_F(OptionDialog, PresetsSetTheLookAndLeaveTheCheckBoxes) {
  dialog_.LoadOptions(Unusual());
  dialog_.BitBtn3->click();
  TOptionsSettings expected = Unusual();
  expected.ListView = DefaultLookPreset();
  EXPECT_EQ(dialog_.Options(), expected);
  EXPECT_EQ(dialog_.Edit1->palette().color(QPalette::Text), QColor(255, 255, 0));
  EXPECT_EQ(dialog_.Edit1->palette().color(QPalette::Base), QColor(0, 0, 0));
  EXPECT_EQ(dialog_.Edit1->font().pointSize(), 10);

  dialog_.BitBtn4->click();
  expected.ListView = WindowsLookPreset();
  EXPECT_EQ(dialog_.Options(), expected);
  const QPalette desktop = QGuiApplication::palette();
  EXPECT_EQ(dialog_.Edit1->palette().color(QPalette::Text), desktop.color(QPalette::Text));
  EXPECT_EQ(dialog_.Edit1->palette().color(QPalette::Base), desktop.color(QPalette::Base));
  EXPECT_EQ(dialog_.Edit1->font().family(), InstalledFontFamily("MS UI Gothic"));
}

TEST_F(OptionDialog, PreviewFollowsEachPicker) {
  dialog_.LoadOptions(TOptionsSettings{});
  dialog_.cmb_Size->setCurrentText("16");
  EXPECT_EQ(dialog_.Edit1->font().pointSize(), 16);
  dialog_.CCmb_Back->SetColorValue(kRed);
  EXPECT_EQ(dialog_.Edit1->palette().color(QPalette::Base), QColor(255, 0, 0));
  dialog_.CCmb_Font->setCurrentIndex(dialog_.CCmb_Font->findText(QStringLiteral("白")));
  EXPECT_EQ(dialog_.Edit1->palette().color(QPalette::Text), QColor(255, 255, 255));
  EXPECT_EQ(dialog_.Options().ListView.FontColor, PlainColorValue(255, 255, 255));
  if (dialog_.FontNameComboBox1->count() > 1) {
    dialog_.FontNameComboBox1->setCurrentIndex(1);
    const QString family = dialog_.FontNameComboBox1->currentText();
    EXPECT_EQ(dialog_.Edit1->font().family(), InstalledFontFamily(family));
    EXPECT_EQ(dialog_.Options().ListView.FontName, ToCp932(family).value());
  }
  // A size with no item leaves the preview's size alone.
  dialog_.cmb_Size->setCurrentIndex(-1);
  EXPECT_EQ(dialog_.Edit1->font().pointSize(), 16);
}

TEST(ColorPicker, UnlistedValuesShareOneExtraItem) {
  App();
  TColorPicker picker("CCmb_Test");
  const int listed = picker.count();
  std::vector<std::int32_t> changed;
  QObject::connect(&picker, &TColorPicker::ColorValueChanged,
                   [&changed](std::int32_t value) { changed.push_back(value); });

  picker.SetColorValue(kRed);
  EXPECT_EQ(picker.count(), listed);
  EXPECT_EQ(picker.ColorValue(), kRed);
  picker.SetColorValue(kOddColor);
  EXPECT_EQ(picker.count(), listed + 1);
  picker.SetColorValue(PlainColorValue(1, 2, 3));
  EXPECT_EQ(picker.count(), listed + 1) << "the extra item is reused";
  EXPECT_EQ(picker.ColorValue(), PlainColorValue(1, 2, 3));
  EXPECT_EQ(picker.currentText(), QStringLiteral("カスタム #010203"));
  picker.SetColorValue(SystemColorValue(kMaxSystemColorIndex + 7));
  EXPECT_EQ(picker.currentText(), QStringLiteral("システムカラー 31"));
  picker.SetColorValue(kBlack);
  EXPECT_EQ(picker.currentIndex(), 0);
  EXPECT_EQ(changed, (std::vector<std::int32_t>{kRed, kOddColor, PlainColorValue(1, 2, 3),
                                                SystemColorValue(kMaxSystemColorIndex + 7), kBlack}));
}

TEST(ColorPicker, OtherItemAsksForAnyColourAndCancelGoesBack) {
  App();
  TColorPicker picker("CCmb_Test");
  const int other = picker.count() - 1;
  EXPECT_EQ(picker.itemText(other), QStringLiteral("その他..."));
  picker.SetColorValue(kRed);
  std::vector<std::int32_t> changed;
  QObject::connect(&picker, &TColorPicker::ColorValueChanged,
                   [&changed](std::int32_t value) { changed.push_back(value); });
  std::optional<QColor> answer = QColor(0x12, 0x34, 0x56);
  QColor start;
  picker.SetChooser([&](QWidget*, const QColor& from) {
    start = from;
    return answer;
  });

  picker.setCurrentIndex(other);
  EXPECT_EQ(start, QColor(255, 0, 0));
  EXPECT_EQ(picker.ColorValue(), kOddColor);
  EXPECT_EQ(picker.currentText(), QStringLiteral("カスタム #123456"));
  EXPECT_EQ(picker.itemText(picker.count() - 1), QStringLiteral("その他...")) << "stays last";

  answer = std::nullopt;
  picker.setCurrentIndex(picker.count() - 1);
  EXPECT_EQ(picker.ColorValue(), kOddColor);
  EXPECT_EQ(picker.currentText(), QStringLiteral("カスタム #123456"));
  EXPECT_EQ(changed, (std::vector<std::int32_t>{kOddColor})) << "a cancel reports nothing";
}

TEST(FontNamePicker, KeepsANameThatIsNotInstalled) {
  App();
  TFontNamePicker picker("FontNameComboBox1");
  const int installed = picker.count();
  const std::string gothic = ToCp932(QStringLiteral("ＭＳ Ｐゴシック")).value();
  picker.SetFontName(gothic);
  EXPECT_EQ(picker.count(), installed + 1);
  EXPECT_EQ(picker.currentIndex(), 0);
  EXPECT_EQ(picker.FontName(), gothic);
  picker.SetFontName(gothic);
  EXPECT_EQ(picker.count(), installed + 1) << "added once";
}

}  // namespace
}  // namespace nalo::test
