// The codec registry window offscreen: loading, sorting by column, adding with the
// duplicate check, changing, deleting, and saving only on OK.
#include "fileinfo/gui/ffourcc.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "../../app/gui_test_support.h"
#include "fileinfo/codec_names.h"
#include "fileinfo/gui/ffourcc_dialog.h"

namespace nalo {
namespace {

using Rows = std::vector<TCodecRow>;

// Answers the entry dialog with `code` and `name` and presses its OK button.
std::function<int(QDialog&)> Enter(const QString& code, const QString& name) {
  return [code, name](QDialog& dialog) {
    auto* edit1 = dialog.findChild<QLineEdit*>("Edit1");
    if (edit1->isEnabled()) edit1->setText(code);
    dialog.findChild<QLineEdit*>("Edit2")->setText(name);
    dialog.findChild<QPushButton*>("BitBtn1")->click();
    return dialog.result();
  };
}

class TCodecRegistryWindow : public ::testing::Test {
 protected:
  TCodecRegistryWindow() { test::App(); }
  std::string Dir() const { return dir_.path().toStdString(); }
  // Writes a settings file; returns its path.
  std::string WriteText(const QString& name, const QByteArray& text) {
    QFile file(dir_.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return file.fileName().toStdString();
  }
  TFFourCC& Open(TCodecMode mode) {
    window_ = std::make_unique<TFFourCC>(messenger_, Dir(), mode);
    return *window_;
  }
  void Select(std::initializer_list<int> rows) {
    auto* list = window_->findChild<QTreeWidget*>("ListView1");
    list->clearSelection();
    for (int r : rows) list->topLevelItem(r)->setSelected(true);
  }
  QString Count() const { return window_->findChild<QLabel*>("Label1")->text(); }

  QTemporaryDir dir_;
  test::TFakeMessenger messenger_;
  std::unique_ptr<TFFourCC> window_;
};

TEST_F(TCodecRegistryWindow, LoadsSortedAndSortsByClickedColumn) {
  WriteText("codecs.dat", "[XVID]\r\nCodec=\"XviD\"\r\n[DIV3]\r\nCodec=\"Zeta\"\r\n");
  TFFourCC& w = Open(TCodecMode::kVideo);
  EXPECT_EQ(w.Rows(), (Rows{{"DIV3", "Zeta"}, {"XVID", "XviD"}}));
  EXPECT_EQ(Count(), QStringLiteral("登録数：2"));
  w.SortByColumn(0);  // the same column again: descending
  EXPECT_EQ(w.Rows().front().Code, "XVID");
  w.SortByColumn(1);  // another column: ascending by name
  EXPECT_EQ(w.Rows(), (Rows{{"XVID", "XviD"}, {"DIV3", "Zeta"}}));
}

TEST_F(TCodecRegistryWindow, AddRefusesAnExactDuplicateButTakesAnotherCase) {
  WriteText("codecs.dat", "[XVID]\r\nCodec=\"XviD\"\r\n");
  TFFourCC& w = Open(TCodecMode::kVideo);
  messenger_.OnExec = Enter("XVID", "again");
  w.AddRow();
  EXPECT_EQ(messenger_.TextsOf("warn"),
            std::vector<QString>{QStringLiteral("FourCC：\"XVID\" は既に登録されています。")});
  EXPECT_EQ(w.Rows().size(), 1u);
  messenger_.OnExec = Enter("xvid", "lower");
  w.AddRow();
  EXPECT_EQ(w.Rows().back(), (TCodecRow{"xvid", "lower"}));
  EXPECT_EQ(Count(), QStringLiteral("登録数：2"));
}

TEST_F(TCodecRegistryWindow, TheDialogKeepsABadEntryOpen) {
  TFFourCC& w = Open(TCodecMode::kVideo);
  messenger_.OnExec = Enter("DX50", "DivX 5.0/Pro");
  w.AddRow();
  EXPECT_TRUE(w.Rows().empty());
  ASSERT_EQ(messenger_.TextsOf("warn").size(), 1u);
  EXPECT_TRUE(messenger_.TextsOf("warn")[0].startsWith(QStringLiteral("コーデック名には")));
}

TEST_F(TCodecRegistryWindow, ChangeDeleteAndSaveOnlyOnOk) {
  WriteText("audio.dat", "[0x0055]\r\nAudio=\"MP3\"\r\n[0x2000]\r\nAudio=\"AC3\"\r\n");
  TFFourCC& w = Open(TCodecMode::kAudio);
  Select({0});
  messenger_.OnExec = Enter("ignored", "MPEG Layer-3");  // the code cannot be changed
  w.ChangeSelectedRow();
  EXPECT_EQ(w.Rows()[0], (TCodecRow{"0x0055", "MPEG Layer-3"}));
  Select({1});
  w.DeleteSelectedRows();
  EXPECT_EQ(Count(), QStringLiteral("登録数：1"));
  EXPECT_EQ(LookUpAudioCodec(Dir(), 0x2000), "AC3");  // nothing written yet
  w.findChild<QPushButton*>("BitBtn4")->click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(LookUpAudioCodec(Dir(), 0x0055), "MPEG Layer-3");
  EXPECT_EQ(LookUpAudioCodec(Dir(), 0x2000), "");
}

TEST_F(TCodecRegistryWindow, AFailedSaveKeepsTheWindowAndTheRows) {
  const std::string not_a_folder = WriteText("plain", "x");
  TFFourCC window(messenger_, not_a_folder, TCodecMode::kVideo);
  messenger_.OnExec = Enter("XVID", "XviD");
  window.AddRow();
  window.Save();
  EXPECT_EQ(messenger_.TextsOf("error").size(), 1u);
  EXPECT_NE(window.result(), QDialog::Accepted);
  EXPECT_EQ(window.Rows().size(), 1u);
}

// A named pipe in place of the codec file is said by name when the window opens;
// the window opens empty instead of waiting for a writer.
TEST_F(TCodecRegistryWindow, AnUnreadableCodecFileIsSaidWhenTheWindowOpens) {
  ASSERT_EQ(mkfifo(dir_.filePath("codecs.dat").toLocal8Bit().constData(), 0600), 0);
  TFFourCC& w = Open(TCodecMode::kVideo);
  EXPECT_EQ(messenger_.TextsOf("error"),
            std::vector<QString>{QStringLiteral("コーデック名のファイルを読めません: ") +
                                 dir_.filePath("codecs.dat") +
                                 QStringLiteral(": 通常のファイルではありません")});
  EXPECT_TRUE(w.Rows().empty());
}

TEST_F(TCodecRegistryWindow, AudioAddShowsThePrefixHint) {
  TFFourCC_Dialog adding(messenger_, TCodecMode::kAudio, true);
  TFFourCC_Dialog changing(messenger_, TCodecMode::kAudio, false);
  EXPECT_FALSE(adding.findChild<QLabel*>("Label3")->isHidden());
  EXPECT_TRUE(changing.findChild<QLabel*>("Label3")->isHidden());
  EXPECT_EQ(adding.findChild<QLineEdit*>("Edit1")->maxLength(), 6);
  EXPECT_EQ(adding.windowTitle(), QStringLiteral("コーデック名（音声） - 追加"));
  EXPECT_FALSE(changing.findChild<QLineEdit*>("Edit1")->isEnabled());
}

}  // namespace
}  // namespace nalo
