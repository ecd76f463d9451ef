// The delete and rename dialogs on a real folder: a delete of three files of
// which one cannot be removed, a cancelled delete, a dialog rename onto an
// existing name, a refused forbidden character, and in-place edits.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "execution/execution_messages.h"
#include "execution/gui/fdelete.h"
#include "execution/gui/fdelete_command.h"
#include "execution/gui/frename.h"
#include "execution/gui/frename_command.h"
#include "platform/encoding.h"
#include "rules/gui/frm_test_support.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

using testing::TTempFolder;

QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

class DeleteRenameDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    gui2test::EnsureQtApp();
    dir_.MakeFolder("xdg");
    setenv("XDG_DATA_HOME", dir_.Path("xdg").c_str(), 1);
  }
  void TearDown() override { unsetenv("XDG_DATA_HOME"); }
  void File(const std::string& relative) {
    dir_.Write(relative, relative);
    const std::size_t slash = relative.rfind('/');
    const std::string sub = slash == std::string::npos ? "" : relative.substr(0, slash + 1);
    entries_.Add(gui2test::Entry(dir_.Path(sub), relative.substr(sub.size())));
  }
  // Answers the next rename dialog by typing `text` and pressing OK; the answer
  // is the dialog's own verdict (it stays open on a refused name).
  void TypeIntoRenameDialog(const QString& text, QString* shown = nullptr) {
    messenger_.OnModal([text, shown](QDialog& dialog) {
      auto* edit = dialog.findChild<QLineEdit*>("Edit1");
      if (shown) *shown = edit->text();
      edit->setText(text);
      dialog.findChild<QPushButton*>("BitBtn1")->click();
      return dialog.result();
    });
  }

  TTempFolder dir_;
  TEntryList entries_;
  gui2test::TRecordingMessenger messenger_;
  int watcher_switches_ = 0;
  TWatcherSwitch watcher_ = [this](bool) { ++watcher_switches_; };
};

TEST_F(DeleteRenameDialogs, DeleteOfThreeWithOneThatCannotBeRemoved) {
  dir_.MakeFolder("sub");
  File("a");
  File("sub/b");
  File("c");
  // The second item's folder becomes a plain file: its path leads nowhere, so its
  // delete fails even for root.
  std::filesystem::rename(dir_.Path("sub"), dir_.Path("moved"));
  dir_.Write("sub", "now a file");
  QString caption;
  messenger_.OnModal([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("RadioGroup1_0")->isChecked());
    dialog.findChild<QRadioButton*>("RadioGroup1_1")->click();  // "直削除"
    dialog.findChild<QPushButton*>("BitBtn1")->click();
    return dialog.result();
  });
  TDeleteResult result = DeleteSelectionWithDialog(nullptr, entries_, {0, 1, 2}, watcher_, messenger_);
  EXPECT_EQ(caption, QStringLiteral("ファイルの削除"));
  EXPECT_EQ(result.Deleted, 2u);
  EXPECT_EQ(result.Failed, 1u);
  ASSERT_EQ(messenger_.messages.size(), 1u);
  EXPECT_EQ(messenger_.messages[0].text,
            QStringLiteral("2個のファイルを削除しました。\rまた、1個のファイルが削除に失敗しました。"));
  ASSERT_EQ(entries_.Count(), 1u);
  EXPECT_EQ(entries_.EntryAt(0).Name, "b");
  EXPECT_FALSE(dir_.Exists("a"));
  EXPECT_FALSE(dir_.Exists("xdg/Trash/files/a"));  // deleted directly, not to the trash
  EXPECT_GE(watcher_switches_, 2);
}

TEST_F(DeleteRenameDialogs, CancelledOrEmptyDeleteDoesNothingAndSaysNothing) {
  File("a");
  messenger_.OnModal([](QDialog& dialog) {
    dialog.findChild<QPushButton*>("BitBtn2")->click();
    return dialog.result();
  });
  DeleteSelectionWithDialog(nullptr, entries_, {0}, watcher_, messenger_);
  DeleteSelectionWithDialog(nullptr, entries_, {}, watcher_, messenger_);
  EXPECT_EQ(messenger_.modal_count, 1);  // no dialog without a selection
  EXPECT_TRUE(messenger_.messages.empty());
  EXPECT_TRUE(dir_.Exists("a"));
  EXPECT_EQ(entries_.Count(), 1u);
}

TEST_F(DeleteRenameDialogs, DialogRenameOntoAnExistingNameIsRefusedUntilCancelled) {
  File("a.txt");
  File("b.txt");
  QString first_text, second_text;
  TypeIntoRenameDialog(QStringLiteral("b.txt"), &first_text);
  messenger_.OnModal([&](QDialog& dialog) {  // shown again with the refused name
    second_text = dialog.findChild<QLineEdit*>("Edit1")->text();
    dialog.findChild<QPushButton*>("BitBtn2")->click();
    return dialog.result();
  });
  TSingleRenameResult result = RenameWithDialog(nullptr, entries_, 0, watcher_, messenger_);
  EXPECT_EQ(result.Status, TSingleRenameStatus::kCancelled);
  EXPECT_EQ(first_text, QStringLiteral("a.txt"));
  EXPECT_EQ(second_text, QStringLiteral("b.txt"));
  ASSERT_EQ(messenger_.messages.size(), 1u);
  EXPECT_EQ(messenger_.messages[0].text, Q(kMsgCannotRename));
  EXPECT_EQ(dir_.Read("a.txt"), "a.txt");
  EXPECT_EQ(dir_.Read("b.txt"), "b.txt");  // never replaced
  EXPECT_EQ(entries_.EntryAt(0).Name, "a.txt");
}

TEST_F(DeleteRenameDialogs, DialogKeepsAForbiddenNameOpenThenRenames) {
  File("a.txt");
  TFReName dialog(messenger_, nullptr);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("リネーム"));
  dialog.SetText(QStringLiteral("a|b.txt"));
  dialog.findChild<QPushButton*>("BitBtn1")->click();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(messenger_.messages.size(), 1u);
  EXPECT_EQ(messenger_.messages[0].text, Q(kMsgDialogForbiddenChar));
  EXPECT_EQ(dialog.Text(), QStringLiteral("a|b.txt"));

  TypeIntoRenameDialog(QStringLiteral("c.txt"));
  TSingleRenameResult result = RenameWithDialog(nullptr, entries_, 0, watcher_, messenger_);
  EXPECT_EQ(result.Status, TSingleRenameStatus::kRenamed);
  EXPECT_TRUE(dir_.Exists("c.txt"));
  EXPECT_EQ(entries_.EntryAt(0).Name, "c.txt");
  EXPECT_EQ(entries_.EntryAt(0).FullPath(), dir_.Path("c.txt"));
}

TEST_F(DeleteRenameDialogs, InPlaceEdits) {
  File("a.txt");
  File("b.txt");
  struct Row {
    const char* name;
    QString text;
    TSingleRenameStatus status;
    QString message;  // empty: no message
    const char* on_disk;
  };
  const Row rows[] = {
      {"forbidden colon", "x:y", TSingleRenameStatus::kRefused, Q(kMsgInPlaceForbiddenChar),
       "a.txt"},
      {"name kept", "a.txt", TSingleRenameStatus::kUnchanged, "", "a.txt"},
      {"existing name", "b.txt", TSingleRenameStatus::kFailed, Q(kMsgCannotRename), "a.txt"},
      {"renamed", "d.txt", TSingleRenameStatus::kRenamed, "", "d.txt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    messenger_.messages.clear();
    TSingleRenameResult result =
        CommitInPlaceRename(nullptr, entries_, 0, row.text, watcher_, messenger_);
    EXPECT_EQ(result.Status, row.status);
    if (row.message.isEmpty()) {
      EXPECT_TRUE(messenger_.messages.empty());
    } else {
      ASSERT_EQ(messenger_.messages.size(), 1u);
      if (row.message != "*") {
        EXPECT_EQ(messenger_.messages[0].text, row.message);
      }
    }
    EXPECT_TRUE(dir_.Exists(row.on_disk));
    EXPECT_EQ(entries_.EntryAt(0).Name, row.on_disk);
  }
  // A name beyond code page 932 is written as typed.
  const std::string beyond = "caf\xC3\xA9\xF0\x9F\x98\x80.txt";
  EXPECT_EQ(CommitInPlaceRename(nullptr, entries_, 0, QString::fromStdString(beyond), watcher_,
                                messenger_)
                .Status,
            TSingleRenameStatus::kRenamed);
  EXPECT_TRUE(dir_.Exists(beyond));
  EXPECT_EQ(Cp932ToUtf8(entries_.EntryAt(0).Name), beyond);
}

}  // namespace
}  // namespace nalo
