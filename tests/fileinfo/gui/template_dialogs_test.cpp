// The template dialogs offscreen: live previews with the size rule, the refusal of
// a preview that cannot stand in a file name (and of closing after it), storing on
// OK, parts, and the candidate list editor's result saved to its section.
#include "fileinfo/gui/template_dialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "../../app/gui_test_support.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"
#include "ui/qt_text.h"

namespace nalo {
namespace {

class TTemplateDialogs : public ::testing::Test {
 protected:
  TTemplateDialogs() {
    test::App();
    env_.Messenger = &messenger_;
    env_.SettingsFolder = dir_.path().toStdString();
  }
  static void SetTemplate(QDialog& d, const QString& text) {
    d.findChild<QComboBox*>("cmb_Format")->setEditText(text);
  }
  static QString TemplateOf(const QDialog& d) {
    return d.findChild<QComboBox*>("cmb_Format")->currentText();
  }
  static QString PreviewOf(const QDialog& d) {
    return d.findChild<QLineEdit*>("edt_Preview")->text();
  }
  static void Choose(QDialog& d, const char* combo, int index) {
    d.findChild<QComboBox*>(combo)->setCurrentIndex(index);
  }
  static void Click(QDialog& d, const char* button) {
    d.findChild<QAbstractButton*>(button)->click();
  }
  TIniFile Ini() const { return TIniFile(MainSettingsPath(env_.SettingsFolder)); }

  QTemporaryDir dir_;
  test::TFakeMessenger messenger_;
  TTemplateDialogEnv env_;
};

TEST_F(TTemplateDialogs, AviPreviewFollowsTheUnitRule) {
  TAVI_CODEC_INFO info = DefaultAviInfo();
  TFavi dialog(env_, info, {});
  SetTemplate(dialog, "<FILE_SIZE><UNIT>");
  Choose(dialog, "cmb_Unit", 2);  // KB
  EXPECT_EQ(PreviewOf(dialog), QStringLiteral("9,766KB"));
  SetTemplate(dialog, "<FILE_SIZE>");
  EXPECT_EQ(PreviewOf(dialog), QStringLiteral("9,999,999"));
  SetTemplate(dialog, "<AUDIO>");
  dialog.findChild<QLineEdit*>("edt_AudioFormat")->setText("<ACODEC>-<BIT>");
  EXPECT_EQ(PreviewOf(dialog), QStringLiteral("CODEC名-99bit"));
}

TEST_F(TTemplateDialogs, ABadPreviewKeepsTheDialogOpenUntilCancel) {
  TJPEG_GIF_INFO info;
  info.Text = "<SIZE_X>x<SIZE_Y>";
  TFJpegGif dialog(env_, info, {});
  dialog.show();
  SetTemplate(dialog, "<SIZE_X>?<SIZE_Y>");
  Click(dialog, "BitBtn2");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(messenger_.TextsOf("warn").size(), 1u);
  dialog.close();  // the window's close button
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(messenger_.TextsOf("warn").size(), 2u);
  EXPECT_EQ(messenger_.TextsOf("warn")[1], QStringLiteral("ファイル名に使用できない文字が含まれています。"));
  Click(dialog, "BitBtn3");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(info.Text, "<SIZE_X>x<SIZE_Y>");  // the old template stays in force
  EXPECT_TRUE(Ini().KeyNames(kImageSection).empty());
}

TEST_F(TTemplateDialogs, OkStoresTheRecordAndItsSection) {
  TMP3_FRM_INFO info = DefaultMp3Info();
  TFmp3 dialog(env_, info, {});
  SetTemplate(dialog, "<ARTIST>");
  auto* mpeg = dialog.findChild<QListWidget*>("lstBox_mpeg");
  Click(dialog, "SpeedButton2");  // nothing selected: nothing added
  EXPECT_EQ(TemplateOf(dialog), QStringLiteral("<ARTIST>"));
  mpeg->setCurrentRow(2);  // <FRAME>
  Click(dialog, "SpeedButton2");
  Choose(dialog, "ComboBox2", 0);
  EXPECT_EQ(PreviewOf(dialog), QStringLiteral("アーティスト名Frame len=999"));
  Click(dialog, "BitBtn2");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(info.Text, "<ARTIST><FRAME>");
  EXPECT_EQ(info.FrameIdx, 0);
  TMP3_FRM_INFO stored;
  LoadInfoSettings(Ini(), stored);
  EXPECT_EQ(stored.Text, "<ARTIST><FRAME>");
  EXPECT_EQ(stored.FrameIdx, 0);
}

// A template holding characters beyond code page 932 is stored whole (it was
// once saved as an empty text) and reads back as the same text.
TEST_F(TTemplateDialogs, ATemplateBeyondCp932IsStoredWhole) {
  TMP3_FRM_INFO info = DefaultMp3Info();
  TFmp3 dialog(env_, info, {});
  const QString text =
      QString::fromUtf8("<ARTIST> \xE2\x99\xA1 caf\xC3\xA9\xE3\x80\x9C");  // ♡ é 〜
  SetTemplate(dialog, text);
  Click(dialog, "BitBtn2");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  TMP3_FRM_INFO stored;
  LoadInfoSettings(Ini(), stored);
  EXPECT_EQ(FromCp932(stored.Text), text);
  EXPECT_EQ(stored.Text, info.Text);
}

TEST_F(TTemplateDialogs, DateSizeInFolderModeSaysTheSizeIsIgnoredButPreviewsIt) {
  TDate_Size_INFO info = DefaultDateSizeInfo();
  TFDateSize dialog(env_, info, {}, /*folder_mode=*/true);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("更新日 追加文字列設定"));
  EXPECT_FALSE(dialog.findChild<QLabel*>("Label4")->isHidden());
  SetTemplate(dialog, "<FILE_SIZE><UNIT>");
  Choose(dialog, "cmb_Unit", 3);  // MB
  EXPECT_EQ(PreviewOf(dialog), QStringLiteral("10MB"));
}

TEST_F(TTemplateDialogs, FullPathFolderNamesReplaceTheColonSoTheTemplatePasses) {
  TFOLDER_INFO info = DefaultFolderInfo();
  TFFolderName dialog(env_, info, {});
  dialog.findChild<QCheckBox*>("dxfCheckBox1")->setChecked(true);
  SetTemplate(dialog, "<FOLDER_NAME>:");
  EXPECT_FALSE(PreviewOf(dialog).contains(':'));
  Click(dialog, "BitBtn2");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(info.FullPath);
  dialog.findChild<QCheckBox*>("dxfCheckBox1")->setChecked(false);
  EXPECT_EQ(PreviewOf(dialog), QStringLiteral("Images:"));  // nothing else replaced
}

TEST_F(TTemplateDialogs, EditedCandidatesReplaceTheListAndItsSection) {
  TIniFile ini = Ini();
  WriteCandidateSection(ini, kAviCandidates, {"a", "b", "c", "d"});
  ini.Save();
  std::vector<std::string> offered;
  env_.EditList = [&offered](QWidget*, const QString& title, const std::vector<std::string>& items) {
    offered = items;
    EXPECT_EQ(title, QStringLiteral("AVI追加文字列カスタマイズ"));
    return std::optional<std::vector<std::string>>({"x", "y"});
  };
  TAVI_CODEC_INFO info = DefaultAviInfo();
  TFavi dialog(env_, info, {"a", "b", "c", "d"});
  SetTemplate(dialog, "<CODEC>");
  Click(dialog, "SpeedButton4");
  EXPECT_EQ(offered, (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(dialog.findChild<QComboBox*>("cmb_Format")->count(), 2);
  EXPECT_EQ(TemplateOf(dialog), QStringLiteral("<CODEC>"));  // the template stays
  EXPECT_EQ(Ini().KeyNames(kAviCandidates), (std::vector<std::string>{"0", "1"}));
}

TEST_F(TTemplateDialogs, HelpStartsWithItsHeading) {
  const TTemplateDialogTexts texts = TemplateDialogTexts(TInfoKind::Image, false);
  EXPECT_EQ(TemplateHelpText(texts.Parts),
            "パーツについて\n\n<SIZE_X>…画像の横サイズ(ピクセル)\n<SIZE_Y>…画像の縦サイズ(ピクセル)");
}

}  // namespace
}  // namespace nalo
