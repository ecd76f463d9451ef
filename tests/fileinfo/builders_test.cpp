// The five builders on real files in a temporary folder, with codec files and
// templates as a user would have them.
#include "fileinfo/info_builders.h"

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <gtest/gtest.h>

#include "fileinfo/fixtures.h"
#include "fileinfo/info_formats.h"
#include "fileinfo/info_source.h"

namespace nalo {
namespace {

using testing::AviLayout;
using testing::TTempFolder;

#define COLON "\x81\x46"  // ：

class AviBuilder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("codecs.dat", "[XVID]\r\nCodec=\"XviD\"\r\n[dx50]\r\nCodec=\"DivX5\"\r\n");
    dir_.Write("audio.dat", "[0x0055]\r\nAudio=\"MP3\"\r\n");
  }
  std::string Build(const AviLayout& layout, const TAVI_CODEC_INFO& info = DefaultAviInfo()) {
    return BuildAviInfo(info, dir_.Root(), dir_.Write("movie.avi", testing::AviFile(layout)));
  }
  TTempFolder dir_;
};

TEST_F(AviBuilder, DefaultTemplateForThirtyMinutes) {
  EXPECT_EQ(Build(AviLayout {}),
            "( 640x480 XviD  1800sec, AUDIO" COLON "MP3, 44100Hz, Stereo, 128Kbps )");
  TAVI_CODEC_INFO info = DefaultAviInfo();
  info.Time_Idx = 0;
  EXPECT_EQ(Build(AviLayout {}, info),
            "( 640x480 XviD 00" COLON "30" COLON "00, AUDIO" COLON "MP3, 44100Hz, Stereo, 128Kbps )");
}

TEST_F(AviBuilder, FrameRateFromStreamRateAndZeroDuration) {
  AviLayout layout;
  layout.us_per_frame = 0;
  layout.rate = 299700;
  layout.total_frames = 2997;
  TAVI_CODEC_INFO info = DefaultAviInfo();
  info.Text = "<FPS>|<TIME>|<FRAMES>";
  EXPECT_EQ(Build(layout, info), "29.970fps| 100sec|2997Frames");
  layout.rate = 0;
  info.Time_Idx = 0;
  EXPECT_EQ(Build(layout, info), "0.000fps|??" COLON "??" COLON "??|2997Frames");
}

TEST_F(AviBuilder, AudioTagsAndUnknownAudioCodec) {
  AviLayout layout;
  layout.format_tag = 0x2000;
  layout.channels = 6;
  layout.bits_per_sample = 0;
  layout.avg_bytes_per_sec = 56000;
  TAVI_CODEC_INFO info = DefaultAviInfo();
  info.Text = "<AUDIO>|<ACODEC>";
  info.Text2 = "<ACODEC>,<BIT>,<SAMPLINGRATE>,<CHANNEL>,<KBITRATE>";
  EXPECT_EQ(Build(layout, info), "\x95\x73\x96\xBE,,44100Hz,,448Kbps|<ACODEC>");
  layout.audio = false;  // no audio stream: everything 0
  layout.bits_per_sample = 16;
  EXPECT_EQ(Build(layout, info), "\x95\x73\x96\xBE,,0Hz,,0Kbps|<ACODEC>");
}

TEST_F(AviBuilder, TagsInTheAudioTextAreExpandedByLaterSteps) {
  TAVI_CODEC_INFO info = DefaultAviInfo();
  info.Text = "[<AUDIO>]";
  info.Text2 = "<CODEC>/<SIZE_X>/<AUDIO>/<ACODEC>";
  EXPECT_EQ(Build(AviLayout {}, info), "[XviD/640/<AUDIO>/MP3]");
}

TEST_F(AviBuilder, NoTextWithoutRegisteredCodec) {
  AviLayout layout;
  layout.handler = "H264";
  EXPECT_EQ(Build(layout), "");
  layout.audio_first = true;  // no video handler seen
  layout.handler = "XVID";
  EXPECT_EQ(Build(layout), "");
  EXPECT_EQ(BuildAviInfo(DefaultAviInfo(), dir_.Root(), dir_.Root() + "/none.avi"), "");
  EXPECT_EQ(BuildAviInfo(DefaultAviInfo(), dir_.Root() + "/no-codec-files",
                         dir_.Write("a.avi", testing::AviFile(AviLayout{}))),
            "");
}

TEST_F(AviBuilder, DivxUsesRegisteredCompressionCodeCaseInsensitively) {
  AviLayout layout;
  layout.handler = "divx";
  layout.compression = "DX50";
  TAVI_CODEC_INFO info = DefaultAviInfo();
  info.Text = "<CODEC>";
  EXPECT_EQ(Build(layout, info), "DivX5");
  layout.compression = "FMP4";
  EXPECT_EQ(Build(layout, info), "") << "divx itself is not registered";
}

TEST_F(AviBuilder, SizeRuleAndForeignTags) {
  TAVI_CODEC_INFO info = DefaultAviInfo();
  info.Size_Idx = 2;
  info.Text = "<FILE_SIZE> <DATE> <size_x>";
  const std::string plain = Build(AviLayout {}, info);
  const auto size = std::to_string(testing::AviFile(AviLayout {}).size());
  EXPECT_EQ(plain, size + " <DATE> <size_x>");
  AviLayout big;
  big.junk_before_lists = 3000;  // about 3.4 KB
  const std::size_t big_size = testing::AviFile(big).size();
  info.Text = "<FILE_SIZE><UNIT>";
  EXPECT_EQ(Build(big, info), std::to_string((big_size + 512) / 1024) + "KB");
  info.Text = "<FILE_SIZE>";
  EXPECT_EQ(Build(big, info), FormatFileSize(static_cast<std::int64_t>(big_size), 0));
}

TEST_F(AviBuilder, CodecFileEditsAreSeenByTheNextItem) {
  TAVI_CODEC_INFO info = DefaultAviInfo();
  info.Text = "<CODEC>|<AUDIO>";
  info.Text2 = "<ACODEC>";
  EXPECT_EQ(Build(AviLayout {}, info), "XviD|MP3");
  dir_.Write("codecs.dat", "[xvid]\r\nCodec=\"Xvid MPEG-4\"\r\n");
  EXPECT_EQ(Build(AviLayout {}, info), "Xvid MPEG-4|MP3");
  std::filesystem::remove(dir_.Root() + "/audio.dat");
  EXPECT_EQ(Build(AviLayout {}, info), "Xvid MPEG-4|\x95\x73\x96\xBE");
}

TEST(Builders, PipesAndFoldersAreNoFiles) {
  TTempFolder dir;
  const std::string fifo = dir.Root() + "/pipe.mp3";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const TInfoSettings s = DefaultInfoSettings();
  for (const std::string& path : {fifo, dir.Root()}) {
    EXPECT_EQ(BuildAviInfo(s.Avi, dir.Root(), path), "") << path;
    EXPECT_EQ(BuildImageSizeInfo(s.Image, path), "") << path;
    EXPECT_EQ(BuildMp3Info(s.Mp3, path), "") << path;
  }
}

TEST(DateSizeBuilder, FileAndFolderMode) {
  TTempFolder dir;
  const std::string file = dir.Write("a.bin", testing::Bytes(1536, 0));
  std::tm t {};
  t.tm_year = 124;
  t.tm_mon = 0;
  t.tm_mday = 31;
  t.tm_hour = 12;
  t.tm_isdst = -1;
  utimbuf times {mktime(&t), mktime(&t)};
  ASSERT_EQ(utime(file.c_str(), &times), 0);

  TDate_Size_INFO info = DefaultDateSizeInfo();
  EXPECT_EQ(BuildDateSizeInfo(info, file, false), "( 1,536\xCA\xDE\xB2\xC4 24\x94\x4E" "01\x8C\x8E" "31\x93\xFA )");
  EXPECT_EQ(BuildDateSizeInfo(info, file, true), "(  24\x94\x4E" "01\x8C\x8E" "31\x93\xFA )");
  info.Size_Idx = 2;
  info.FormatIdx = 2;
  EXPECT_EQ(BuildDateSizeInfo(info, file, false), "( 2KB 2024_01_31 )");
  info.Text = "<FILE_SIZE>";
  EXPECT_EQ(BuildDateSizeInfo(info, file, false), "1,536");
  EXPECT_EQ(BuildDateSizeInfo(info, dir.Root() + "/gone", false), "");
  info.Text = "<DATE>";
  EXPECT_NE(BuildDateSizeInfo(info, dir.Root(), true), "") << "folders have dates";
}

TEST(ImageBuilder, TemplateAndMissingSize) {
  TTempFolder dir;
  const TJPEG_GIF_INFO info = DefaultImageInfo();
  EXPECT_EQ(BuildImageSizeInfo(info, dir.Write("a.png", testing::PngHeader(1920, 1080))),
            "(1920x1080)");
  EXPECT_EQ(BuildImageSizeInfo(info, dir.Write("p.jpg", testing::JpegHeader(9, 9, 0xC2))), "");
}

TEST(Mp3Builder, DefaultTemplate) {
  TTempFolder dir;
  testing::Bytes file = testing::Frames(testing::FrameHeader(3, 3, 9, 0, false, 1, 2), 417, 10000);
  const testing::Bytes tag = testing::Id3v1Tag("Title", "Artist", "Album", 7);
  file.insert(file.end(), tag.begin(), tag.end());
  const TMP3_FRM_INFO info = DefaultMp3Info();
  // 4,170,000 audio bytes at 128 kbit/s: 260 whole seconds; 4,170,128 / 417 frames.
  EXPECT_EQ(BuildMp3Info(info, dir.Write("a.mp3", file)),
            "(Artist - Title  260sec MPEG 1.0 layer-3, 44100Hz, MS, 128Kbps, 10000frames)");
  TMP3_FRM_INFO tracks = info;
  tracks.Text = "<TRACK>|<ALBUM>|<FRAME>";
  EXPECT_EQ(BuildMp3Info(tracks, dir.Write("t.mp3", tag)), "7|Album|");
  EXPECT_EQ(BuildMp3Info(info, dir.Write("x.mp3", testing::Bytes(4000, 0))), "");
}

TEST(FolderNameBuilder, NameAndFullPathForms) {
  struct Case {
    const char* name;
    bool full_path, drive;
    const char* path;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"name", false, false, "/Temp/Images/a.jpg", "( Images )"},
      {"name/root", false, false, "/a.jpg", "( / )"},
      {"full", true, false, "/Temp/Images/a.jpg", "( _Temp_Images )"},
      {"full/no-drive", true, true, "/Temp/Images/a.jpg", "( Temp_Images )"},
      {"full/no-drive/root", true, true, "/a.jpg", "(  )"},
      {"full/colon-in-folder", true, true, "/c:d/a", "( c" COLON "d )"},
      {"name/colon-stays", false, false, "/x/c:d/a", "( c:d )"},
      {"name/sjis-5c", false, false, "/\x95\x5C/a", "( \x95\x5C )"},
  };
  for (const auto& c : cases) {
    TFOLDER_INFO info = DefaultFolderInfo();
    info.FullPath = c.full_path;
    info.DriveFL = c.drive;
    EXPECT_EQ(BuildFolderNameInfo(info, c.path), c.expected) << c.name;
  }
  TFOLDER_INFO info = DefaultFolderInfo();
  info.FullPath = true;
  info.Text = "<FOLDER_NAME>:x/y";
  info.Idx1 = 0;
  info.Idx2 = 4;
  EXPECT_EQ(BuildFolderNameInfo(info, "/a/b/f"), "-a-b x-y") << "the whole text is replaced";
}

TEST(InfoTextSource, DispatchesByKindAndSeesLaterChanges) {
  TTempFolder dir;
  const std::string png = dir.Write("a.png", testing::PngHeader(3, 4));
  TInfoSettings settings = DefaultInfoSettings();
  const TInfoTextSource source = MakeInfoTextSource(settings, dir.Root());
  EXPECT_EQ(source(TInfoKind::Image, png, false), "(3x4)");
  const std::string folder = std::filesystem::path(dir.Root()).filename().string();
  EXPECT_EQ(source(TInfoKind::Folder, png, false), "( " + folder + " )");
  settings.Image.Text = "[<SIZE_Y>]";
  EXPECT_EQ(source(TInfoKind::Image, png, false), "[4]");
  EXPECT_EQ(source(TInfoKind::Avi, png, false), "");
  EXPECT_EQ(source(TInfoKind::Mp3, png, false), "");
}

// Runs the three readers on a file nobody may read; true when each throws an
// error that names the file. An AVI shorter than its RIFF header is never opened.
bool EveryReaderRefuses(const std::string& settings_dir, const std::string& path,
                        const std::string& short_path) {
  const TInfoSettings settings = DefaultInfoSettings();
  const TInfoTextSource source = MakeInfoTextSource(settings, settings_dir);
  try {
    if (!source(TInfoKind::Avi, short_path, false).empty()) return false;
  } catch (const EInfoReadError&) {
    return false;
  }
  for (TInfoKind kind : {TInfoKind::Avi, TInfoKind::Image, TInfoKind::Mp3}) {
    try {
      source(kind, path, false);
      return false;
    } catch (const EInfoReadError& e) {
      if (std::string(e.what()).find("locked.png") == std::string::npos) return false;
    }
  }
  return !source(TInfoKind::DateSize, path, false).empty();  // needs no reading
}

TEST(InfoTextSource, UnreadableFileEndsTheRunWithItsName) {
  TTempFolder dir;
  const std::string png = dir.Write("locked.png", testing::PngHeader(3, 4));
  const std::string tiny = dir.Write("tiny.avi", testing::Bytes {'R', 'I', 'F', 'F'});
  ASSERT_EQ(chmod(png.c_str(), 0), 0);
  ASSERT_EQ(chmod(tiny.c_str(), 0), 0);
  ASSERT_EQ(chmod(dir.Root().c_str(), 0755), 0);
  if (geteuid() != 0) {
    EXPECT_TRUE(EveryReaderRefuses(dir.Root(), png, tiny));
    return;
  }
  // Root reads every file: check as an ordinary user in a child process.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  constexpr uid_t kNobody = 65534;
  EXPECT_EXIT(
      {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
        _exit(EveryReaderRefuses(dir.Root(), png, tiny) ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace nalo
