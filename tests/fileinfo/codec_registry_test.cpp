// The codec registry's rows: loading, saving, order and the entry dialog's checks.
#include "fileinfo/codec_registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "fileinfo/codec_names.h"
#include "fileinfo/fixtures.h"
#include "settings/ini_file.h"

namespace nalo {
namespace {

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

TEST(CodecRegistry, SavedRowsAreWhatLookUpAndLoadSee) {
  testing::TTempFolder dir;
  SaveCodecRows(dir.Root(), TCodecMode::kAudio, {{"0x0055", "MPEG Layer-3"}});
  EXPECT_NE(testing::ReadFile(dir.Root() + "/audio.dat").find("[0x0055]\r\nAudio=\"MPEG Layer-3\""),
            std::string::npos);
  EXPECT_EQ(LookUpAudioCodec(dir.Root(), 0x0055), "MPEG Layer-3");

  const std::vector<TCodecRow> rows = {{"XVID", "XviD"}, {"DIV3", "DivX 3"}, {"xvid", "later"}};
  SaveCodecRows(dir.Root(), TCodecMode::kVideo, rows);
  // Codes differing only in case share one section; the later name wins.
  EXPECT_EQ(LoadCodecRows(dir.Root(), TCodecMode::kVideo),
            (std::vector<TCodecRow>{{"XVID", "later"}, {"DIV3", "DivX 3"}}));
  EXPECT_EQ(LookUpVideoCodec(dir.Root(), {'x', 'v', 'i', 'd'}), "later");
  EXPECT_TRUE(LoadCodecRows(dir.Root() + "/none", TCodecMode::kVideo).empty());
}

TEST(CodecRegistry, SavingReplacesTheWholeFileOrNothing) {
  testing::TTempFolder dir;
  dir.Write("codecs.dat", "[OLD1]\r\nCodec=\"old\"\r\n; a comment\r\n");
  SaveCodecRows(dir.Root(), TCodecMode::kVideo, {{"NEW1", "new"}});
  EXPECT_EQ(LoadCodecRows(dir.Root(), TCodecMode::kVideo),
            (std::vector<TCodecRow>{{"NEW1", "new"}}));
  EXPECT_EQ(testing::ReadFile(dir.Root() + "/codecs.dat").find("OLD1"), std::string::npos);

  SaveCodecRows(dir.Root(), TCodecMode::kVideo, {});  // every row deleted: no file
  EXPECT_FALSE(Exists(dir.Root() + "/codecs.dat"));
  SaveCodecRows(dir.Root(), TCodecMode::kVideo, {});  // and no file is no error

  // A settings "folder" that is a file cannot take the codec file: the error names it.
  const std::string not_a_folder = dir.Write("plain", "x");
  EXPECT_THROW(SaveCodecRows(not_a_folder, TCodecMode::kVideo, {{"A", "b"}}), EIniWriteError);
}

// The message of the ECodecFileError that `call` throws, or "" when it throws none.
std::string CodecFileErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const ECodecFileError& e) {
    return e.what();
  }
  return "";
}

// A named pipe in place of a codec file is never waited on, nor taken for a
// missing file: every reader of the file says which file it cannot read and why.
TEST(CodecRegistry, NamedPipesInPlaceOfCodecFilesAreReportedByName) {
  testing::TTempFolder dir;
  for (const char* file : {"codecs.dat", "audio.dat"}) {
    ASSERT_EQ(mkfifo((dir.Root() + "/" + file).c_str(), 0600), 0);
  }
  const std::string& d = dir.Root();
  const struct {
    const char* Name;
    std::function<void()> Call;
    const char* File;
  } cases[] = {
      {"look-up/video",
       [&] {
         LookUpVideoCodec(d, {'X', 'V', 'I', 'D'});
       },
       "codecs.dat"},
      {"look-up/audio", [&] { LookUpAudioCodec(d, 0x0055); }, "audio.dat"},
      {"load/video", [&] { LoadCodecRows(d, TCodecMode::kVideo); }, "codecs.dat"},
      {"load/audio", [&] { LoadCodecRows(d, TCodecMode::kAudio); }, "audio.dat"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CodecFileErrorOf(c.Call), "コーデック名のファイルを読めません: " + d + "/" + c.File +
                                            ": 通常のファイルではありません")
        << c.Name;
  }
}

TEST(CodecRegistry, SortsByEitherColumnIgnoringCaseWithTiesByCodeThenName) {
  std::vector<TCodecRow> rows = {{"b", "same"}, {"A", "same"}, {"c", "Alpha"}, {"a", "zz"}};
  SortCodecRows(rows, 0, true);
  EXPECT_EQ(rows, (std::vector<TCodecRow>{{"A", "same"}, {"a", "zz"}, {"b", "same"}, {"c", "Alpha"}}));
  SortCodecRows(rows, 1, true);
  EXPECT_EQ(rows, (std::vector<TCodecRow>{{"c", "Alpha"}, {"A", "same"}, {"b", "same"}, {"a", "zz"}}));
  SortCodecRows(rows, 1, false);
  EXPECT_EQ(rows, (std::vector<TCodecRow>{{"a", "zz"}, {"b", "same"}, {"A", "same"}, {"c", "Alpha"}}));
}

TEST(CodecRegistry, EntryChecksLastFailingDecides) {
  EXPECT_FALSE(CheckCodecEntry("XVID", "XviD").has_value());
  auto slash = CheckCodecEntry("DX50", "DivX 5.0/Pro");
  ASSERT_TRUE(slash.has_value());
  EXPECT_EQ(slash->Message,
            "コーデック名には次の文字は使えません。\r              \\ / : ; * ? \" < > |");
  EXPECT_TRUE(slash->FocusName);
  // A forbidden character and an empty code: the later check's message.
  auto both = CheckCodecEntry("  ", "a:b");
  ASSERT_TRUE(both.has_value());
  EXPECT_EQ(both->Message, "きちんと入力しましょう。");
  EXPECT_FALSE(both->FocusName);
  EXPECT_TRUE(CheckCodecEntry("0x00551", "x").has_value());  // 7 characters
  EXPECT_FALSE(CheckCodecEntry(" 0x0055 ", "x").has_value());
  EXPECT_TRUE(CheckCodecEntry("XVID", "   ").has_value());
}

TEST(CodecRegistry, DuplicateCodesAreCaseSensitive) {
  const std::vector<TCodecRow> rows = {{"XVID", "XviD"}};
  EXPECT_TRUE(HasCodecRow(rows, "XVID"));
  EXPECT_FALSE(HasCodecRow(rows, "xvid"));
  EXPECT_EQ(DuplicateCodeMessage(TCodecMode::kVideo, "XVID"), "FourCC：\"XVID\" は既に登録されています。");
  EXPECT_EQ(DuplicateCodeMessage(TCodecMode::kAudio, "0x0055"),
            "FormatTag：\"0x0055\" は既に登録されています。");
}

}  // namespace
}  // namespace nalo
