// Loading and saving the template sections and candidate lists of Nalo.ini.
#include "fileinfo/info_settings.h"

#include <gtest/gtest.h>

#include "fileinfo/fixtures.h"

namespace nalo {
namespace {

TEST(InfoSettings, MissingFileGivesDefaults) {
  testing::TTempFolder dir;
  const TInfoSettings s = LoadAllInfoSettings(TIniFile(dir.Root() + "/Nalo.ini"));
  EXPECT_EQ(s.Avi.Time_Idx, 2);
  EXPECT_EQ(s.Avi.Text, "( <SIZE_X>x<SIZE_Y> <CODEC> <TIME>, AUDIO\x81\x46<AUDIO> )");
  EXPECT_EQ(s.Avi.Text2, "<ACODEC>, <SAMPLINGRATE>, <CHANNEL>, <KBITRATE>");
  EXPECT_EQ(s.DateSize.FormatIdx, 5);
  EXPECT_EQ(s.DateSize.Text, "( <FILE_SIZE><UNIT> <DATE> )");
  EXPECT_EQ(s.Image.Text, "(<SIZE_X>x<SIZE_Y>)");
  EXPECT_EQ(s.Mp3.FrameIdx, 1);
  EXPECT_EQ(s.Folder.Idx1, 6);
  EXPECT_EQ(s.Folder.Idx2, 2);
  EXPECT_FALSE(s.Folder.FullPath);
}

TEST(InfoSettings, ReadsQuotedTemplatesNumbersAndFlags) {
  testing::TTempFolder dir;
  const std::string ini = dir.Write(
      "Nalo.ini",
      "[folderSECTION]\r\nText=\" [<FOLDER_NAME>] \"\r\nIdx1=3\r\nFullPath=7\r\nDriveFL=0\r\n"
      "[MP3Section]\r\nTimeIdx=x\r\nFrameIdx=99999999999\r\n"
      "[FolderCmb]\r\nb=\"two\"\r\na=\"one\"\r\nc=\"\"\r\n");
  TFOLDER_INFO folder;
  StringList items = {"stale"};
  LoadInfoSettings(TIniFile(ini), folder, &items);
  EXPECT_EQ(folder.Text, " [<FOLDER_NAME>] ");
  EXPECT_EQ(folder.Idx1, 3);
  EXPECT_EQ(folder.Idx2, 2);
  EXPECT_TRUE(folder.FullPath) << "any non-zero number is true";
  EXPECT_FALSE(folder.DriveFL);
  EXPECT_EQ(items, (StringList {"two", "one"}));
  TMP3_FRM_INFO mp3;
  LoadInfoSettings(TIniFile(ini), mp3);
  EXPECT_EQ(mp3.TimeIdx, 2) << "not a number";
  EXPECT_EQ(mp3.FrameIdx, 1) << "out of the 32-bit range";
}

TEST(InfoSettings, SaveAndLoadRoundTrip) {
  testing::TTempFolder dir;
  const std::string path = dir.Root() + "/Nalo.ini";
  TAVI_CODEC_INFO avi;
  avi.Time_Idx = 7;
  avi.Size_Idx = 3;
  avi.Text = "  <CODEC>  ";
  avi.Text2 = "<BIT>";
  {
    TIniFile ini(path);
    SaveInfoSettings(ini, avi);
    ini.Save();
  }
  TAVI_CODEC_INFO back;
  LoadInfoSettings(TIniFile(path), back);
  EXPECT_EQ(back.Time_Idx, 7);
  EXPECT_EQ(back.Size_Idx, 3);
  EXPECT_EQ(back.Text, "  <CODEC>  ");
  EXPECT_EQ(back.Text2, "<BIT>");
  EXPECT_NE(testing::ReadFile(path).find("Text=\"  <CODEC>  \""), std::string::npos);
}

TEST(InfoSettings, CandidateSectionShrinksToNewItems) {
  testing::TTempFolder dir;
  const std::string path = dir.Root() + "/Nalo.ini";
  SaveCandidateSection(path, kAviCandidates, {"a", "b", "c", "d"});
  SaveCandidateSection(path, kAviCandidates, {"x", "y"});
  const TIniFile ini(path);
  EXPECT_EQ(ini.KeyNames(kAviCandidates), (StringList {"0", "1"}));
  EXPECT_EQ(ini.ReadString(kAviCandidates, "1", ""), "y");
  TAVI_CODEC_INFO avi;
  StringList items;
  LoadInfoSettings(ini, avi, &items);
  EXPECT_EQ(items, (StringList {"x", "y"}));
}

}  // namespace
}  // namespace nalo
