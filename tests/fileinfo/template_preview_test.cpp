// Template previews of the dialogs and the file-name test of the OK button.
#include "fileinfo/template_preview.h"

#include <gtest/gtest.h>

namespace nalo {
namespace {

TEST(TemplatePreview, AviSizeRuleAndSamples) {
  TAVI_CODEC_INFO info = DefaultAviInfo();
  info.Size_Idx = 2;
  info.Text = "<FILE_SIZE><UNIT>";
  EXPECT_EQ(PreviewAviTemplate(info), "9,766KB");
  info.Text = "<FILE_SIZE>";
  EXPECT_EQ(PreviewAviTemplate(info), "9,999,999");
  info = DefaultAviInfo();
  EXPECT_EQ(PreviewAviTemplate(info),
            "( 640x480 CODEC\x96\xBC 999sec, AUDIO\x81\x46" "CODEC\x96\xBC, 999Hz, Mono, 999Kbps )");
  info.Text = "<FPS> <FRAMES> <TIME> <DATE>";
  info.Time_Idx = 9;
  EXPECT_EQ(PreviewAviTemplate(info), "999fps 9999frames  <DATE>");
}

TEST(TemplatePreview, DateSizeUsesUnitEvenInFolderMode) {
  std::tm today {};
  today.tm_year = 124;
  today.tm_mon = 0;
  today.tm_mday = 31;
  TDate_Size_INFO info = DefaultDateSizeInfo();
  info.Size_Idx = 3;
  info.FormatIdx = 0;
  EXPECT_EQ(PreviewDateSizeTemplate(info, today), "( 10MB 20240131 )");
}

TEST(TemplatePreview, ImageMp3AndFolder) {
  EXPECT_EQ(PreviewImageTemplate(DefaultImageInfo()), "(100x200)");
  TMP3_FRM_INFO mp3 = DefaultMp3Info();
  mp3.Text = "<TIME>|<VERSION>|<CHANNEL>|<FRAME>";
  mp3.TimeIdx = 0;
  mp3.FrameIdx = 2;
  EXPECT_EQ(PreviewMp3Template(mp3),
            "hh\x81\x46nn\x81\x46ss|MPEG 1.0 layer-3|Joint Stereo|Frame len=999, 999frames");
  TFOLDER_INFO folder = DefaultFolderInfo();
  EXPECT_EQ(PreviewFolderTemplate(folder), "( Images )");
  folder.FullPath = true;
  folder.Text = "<FOLDER_NAME>:";
  EXPECT_EQ(PreviewFolderTemplate(folder), "_Temp_Images\x81\x46");
  folder.DriveFL = true;
  EXPECT_EQ(PreviewFolderTemplate(folder), "Temp_Images\x81\x46");
}

TEST(TemplatePreview, OkTestRefusesForbiddenCharacters) {
  TJPEG_GIF_INFO image;
  image.Text = "<SIZE_X>?<SIZE_Y>";
  EXPECT_FALSE(PreviewFitsFileName(PreviewImageTemplate(image)));
  EXPECT_TRUE(PreviewFitsFileName(PreviewImageTemplate(DefaultImageInfo())));
  TFOLDER_INFO folder = DefaultFolderInfo();
  folder.Text = "<FOLDER_NAME>:";
  EXPECT_FALSE(PreviewFitsFileName(PreviewFolderTemplate(folder)));
  folder.FullPath = true;
  EXPECT_TRUE(PreviewFitsFileName(PreviewFolderTemplate(folder))) << "the colon is replaced";
}

}  // namespace
}  // namespace nalo
