// The template dialogs inside the real main window: each settings-menu item opens
// its own dialog, the add tab's template-button menu opens the dialog of the
// button it was opened on, and a template stored with OK is in the file and shown
// the next time.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "app/gui_test_support.h"
#include "app/main_window.h"
#include "app/main_window_fixture.h"
#include "fileinfo/gui/template_dialogs.h"
#include "rules/gui/tab_frame.h"
#include "settings/ini_file.h"
#include "settings/settings_folder.h"

namespace nalo::test {
namespace {

class TemplateDialogsWiringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settings_.isValid());
    window_ = OpenMainWindow(settings_.path(), messenger_);
    messenger_.OnExec = [this](QDialog& dialog) {
      opened_.push_back(dialog.objectName());
      return static_cast<int>(QDialog::Rejected);
    };
  }

  QTemporaryDir settings_;
  TFakeMessenger messenger_;
  std::unique_ptr<TFMainFrm> window_;
  std::vector<QString> opened_;
};

TEST_F(TemplateDialogsWiringTest, EachMenuItemOpensItsDialog) {
  for (const char* item : {"AVI1", "D1", "JPGGIFJ1", "MP3M1", "F1"}) {
    QAction* action = window_->findChild<QAction*>(item);
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
  }
  EXPECT_EQ(opened_, (std::vector<QString>{"Favi", "FDateSize", "FJpegGif", "Fmp3", "FFolderName"}));
}

TEST_F(TemplateDialogsWiringTest, TheLabelMenuOpensTheDialogOfItsButton) {
  window_->SetPopupTag(8);
  QAction* item = window_->pm_Label->findChild<QAction*>("M1");
  ASSERT_NE(item, nullptr);
  ASSERT_TRUE(item->isEnabled());
  item->trigger();
  EXPECT_EQ(opened_, std::vector<QString>{"Fmp3"});
}

TEST_F(TemplateDialogsWiringTest, AStoredTemplateIsReadBackAndKeptInTheFile) {
  messenger_.OnExec = [](QDialog& dialog) {
    dialog.findChild<QComboBox*>("cmb_Format")->setEditText("<SIZE_Y>x<SIZE_X>");
    dialog.findChild<QPushButton*>("BitBtn2")->click();
    return dialog.result();
  };
  window_->findChild<QAction*>("JPGGIFJ1")->trigger();
  TJPEG_GIF_INFO stored;
  LoadInfoSettings(TIniFile(MainSettingsPath(settings_.path().toStdString())), stored);
  EXPECT_EQ(stored.Text, "<SIZE_Y>x<SIZE_X>");
  // Opened again, the dialog shows the stored template.
  QString shown;
  messenger_.OnExec = [&shown](QDialog& dialog) {
    shown = dialog.findChild<QComboBox*>("cmb_Format")->currentText();
    return static_cast<int>(QDialog::Rejected);
  };
  window_->findChild<QAction*>("JPGGIFJ1")->trigger();
  EXPECT_EQ(shown, QStringLiteral("<SIZE_Y>x<SIZE_X>"));
}

}  // namespace
}  // namespace nalo::test
