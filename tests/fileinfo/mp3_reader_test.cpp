// MPEG frame headers, the first-frame search with confirmation, Xing headers,
// ID3v1 tags and the MP3 information record.
#include <gtest/gtest.h>

#include "fileinfo/fixtures.h"
#include "fileinfo/mp3_info.h"

namespace nalo {
namespace {

using testing::Bytes;
using testing::FrameHeader;

TEST(MpegFrameHdr, FieldsOfEachVersionAndLayer) {
  struct Case {
    const char* name;
    std::array<std::uint8_t, 4> header;
    int version, layer, bit_rate, sampling_rate, frame_length;
  };
  const std::vector<Case> cases = {
      {"mpeg1/layer3/128k", FrameHeader(3, 3, 9, 0), 1, 3, 128, 44100, 417},
      {"mpeg1/layer3/128k/padded", FrameHeader(3, 3, 9, 0, true), 1, 3, 128, 44100, 418},
      {"mpeg1/layer2/192k/48k", FrameHeader(3, 2, 10, 1), 1, 2, 192, 48000, 576},
      {"mpeg1/layer1/448k/padded", FrameHeader(3, 1, 14, 2, true), 1, 1, 448, 32000, 676},
      {"mpeg2/layer3/64k", FrameHeader(2, 3, 8, 0), 2, 3, 64, 22050, 208},
      {"mpeg2/layer2/64k/24k", FrameHeader(2, 2, 8, 1), 2, 2, 64, 24000, 384},
      {"mpeg2/layer1/256k", FrameHeader(2, 1, 14, 2), 2, 1, 256, 16000, 768},
      {"mpeg2.5/layer3/32k", FrameHeader(0, 3, 4, 0), 3, 3, 32, 32000, 72},
      {"mpeg2.5/layer3/8000Hz", FrameHeader(0, 3, 1, 2), 3, 3, 8, 8000, 72},
      {"free-format", FrameHeader(3, 3, 0, 0), 1, 3, 0, 44100, 0},
  };
  for (const auto& c : cases) {
    TMpegFrameHdr h;
    EXPECT_TRUE(h.Parse(c.header.data(), 4)) << c.name;
    EXPECT_EQ(h.VersionIndex(), c.version) << c.name;
    EXPECT_EQ(h.Layer(), c.layer) << c.name;
    EXPECT_EQ(h.BitRate(), c.bit_rate) << c.name;
    EXPECT_EQ(h.SamplingRate(), c.sampling_rate) << c.name;
    EXPECT_EQ(h.FrameLength(), c.frame_length) << c.name;
  }
}

TEST(MpegFrameHdr, InvalidHeaders) {
  struct Case {
    const char* name;
    std::array<std::uint8_t, 4> header;
  };
  const std::vector<Case> cases = {
      {"reserved-version", FrameHeader(1, 3, 9, 0)},
      {"reserved-layer", FrameHeader(3, 0, 9, 0)},
      {"bit-rate-15", FrameHeader(3, 3, 15, 0)},
      {"sampling-3", FrameHeader(3, 3, 9, 3)},
      {"no-sync", {0xFF, 0x1B, 0x90, 0x00}},
  };
  for (const auto& c : cases) {
    TMpegFrameHdr h;
    EXPECT_FALSE(h.Parse(c.header.data(), 4)) << c.name;
  }
  TMpegFrameHdr h;
  EXPECT_FALSE(h.Parse(FrameHeader(3, 3, 9, 0).data(), 3)) << "three bytes";
}

TEST(MpegFrameHdr, ChannelTexts) {
  struct Case {
    int layer, mode, extension;
    const char* mode_text;
    const char* extension_text;
  };
  const std::vector<Case> cases = {
      {3, 0, 3, "Stereo", ""},          {3, 1, 0, "Joint Stereo", ""},
      {3, 1, 1, "Joint Stereo", "Intensity"}, {3, 1, 2, "Joint Stereo", "MS"},
      {3, 1, 3, "Joint Stereo", "MS/Intensity"}, {2, 1, 0, "Joint Stereo", "Bands 4-31"},
      {1, 1, 3, "Joint Stereo", "Bands 16-31"}, {3, 2, 1, "Dual", ""},
      {3, 3, 2, "Mono", ""},
  };
  for (const auto& c : cases) {
    TMpegFrameHdr h;
    h.Parse(FrameHeader(3, c.layer, 9, 0, false, c.mode, c.extension).data(), 4);
    EXPECT_EQ(h.ChannelModeText(), c.mode_text);
    EXPECT_EQ(h.ModeExtensionText(), c.extension_text) << c.layer << c.mode << c.extension;
  }
}

TEST(MpegFrameHdr, FindSyncSkipsFalseSyncs) {
  Bytes b = {0x00, 0xFF, 0xE0, 0x00, 0x00};  // FF E0 00 00 syncs but has a reserved layer
  const auto h = FrameHeader(3, 3, 9, 0);
  b.insert(b.end(), h.begin(), h.end());
  TMpegFrameHdr hdr;
  EXPECT_EQ(hdr.FindSync(b.data(), b.size()), 5);
  EXPECT_EQ(hdr.FindSync(b.data(), 8), -1);  // the header would run past the count
}

TAudioInfo ReadAudio(const Bytes& bytes) {
  TMemoryByteSource source(bytes);
  TAudioInfo audio;
  audio.Read(source, source.Size());
  return audio;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(AudioInfo, FirstFrameSearchAndConfirmation) {
  const auto h = FrameHeader(3, 3, 9, 0);
  struct Case {
    const char* name;
    Bytes bytes;
    std::int64_t first_frame;
    bool valid;
  };
  const std::vector<Case> cases = {
      {"at-start", testing::Frames(h, 417, 3), 0, true},
      {"behind-1000-bytes", Concat({Bytes(1000, 0), testing::Frames(h, 417, 3)}), 1000, true},
      {"across-block-boundary", Concat({Bytes(126, 0), testing::Frames(h, 417, 3)}), 126, true},
      {"at-10100", Concat({Bytes(10100, 0), testing::Frames(h, 417, 3)}), 10100, true},
      {"beyond-search-limit", Concat({Bytes(10300, 0), testing::Frames(h, 417, 3)}), -1, false},
      {"single-frame-file-ends", testing::Frames(h, 417, 1), 0, true},
      {"confirmation-fails", Concat({testing::Frames(h, 417, 1), Bytes(500, 0)}), 0, false},
      {"empty", Bytes {}, -1, false},
      {"three-bytes", Bytes {0xFF, 0xFB, 0x90}, -1, false},
  };
  for (const auto& c : cases) {
    const TAudioInfo a = ReadAudio(c.bytes);
    EXPECT_EQ(a.FirstFrameOffset(), c.first_frame) << c.name;
    EXPECT_EQ(a.Header().Valid(), c.valid) << c.name;
  }
}

// A Xing header decides the playing time: its frame count, or no time at all
// when it has none; without one (or at the wrong offset) the time is estimated
// from the bit rate and the length, so the long files tell the two apart.
TEST(AudioInfo, PlayingTime) {
  const auto mpeg1 = FrameHeader(3, 3, 9, 0);
  const auto mpeg2 = FrameHeader(2, 3, 8, 0);  // 22050 Hz, 208-byte frames
  struct Case {
    const char* name;
    Bytes bytes;
    std::int64_t ms;
  };
  const std::vector<Case> cases = {
      // 100 frames * 417 bytes * 8 / 128000 = 2.6 s -> 2 whole seconds.
      {"cbr/100-frames", testing::Frames(mpeg1, 417, 100), 2000},
      // 230 frames are 95,910 bytes: 5.99 s; counting the tag too would make it 6.
      {"cbr/tag-not-counted",
       Concat({testing::Frames(mpeg1, 417, 230), testing::Id3v1Tag("", "", "", 1)}), 5000},
      {"xing/mpeg2-1000-frames",
       Concat({testing::XingFrame(mpeg2, 208, 21, true, 1000), testing::Frames(mpeg2, 208, 2)}),
       26000},
      {"xing/no-frames-flag",
       Concat({testing::XingFrame(mpeg1, 417, 36, false, 1000), testing::Frames(mpeg1, 417, 100)}),
       0},
      {"xing/mono-mpeg1-offset-21",
       Concat({testing::XingFrame(FrameHeader(3, 3, 9, 0, false, 3), 417, 21, true, 38),
               testing::Frames(FrameHeader(3, 3, 9, 0, false, 3), 417, 2)}),
       1000},  // 38 * 1152 / 44100 = 0.99 s rounds to 1
      // 101 frames by the bit rate: 2.6 s.
      {"xing/wrong-offset-ignored",
       Concat({testing::XingFrame(mpeg1, 417, 21, true, 1000), testing::Frames(mpeg1, 417, 100)}),
       2000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAudio(c.bytes).PlayingTimeMs(), c.ms) << c.name;
  }
}

TEST(ID3v1Tag, Fields) {
  struct Case {
    const char* name;
    Bytes bytes;
    bool found;
    std::string title, artist, album;
    int track;
  };
  Bytes lower = testing::Id3v1Tag("T", "A", "B", 1);
  lower[0] = 't';
  Bytes padded = testing::Id3v1Tag("ABC   ", "x\x01\x02", "", 0);
  const std::vector<Case> cases = {
      {"v1.1/track-7", testing::Id3v1Tag("Song", "Band", "Disc", 7), true, "Song", "Band", "Disc",
       7},
      {"v1.0/full-comment", testing::Id3v1Tag("Song", "Band", "Disc", -1), true, "Song", "Band",
       "Disc", 0},
      {"v1.0/track-byte-zero", testing::Id3v1Tag("S", "B", "D", 0), true, "S", "B", "D", 0},
      {"trailing-spaces-and-controls", padded, true, "ABC", "x", "", 0},
      {"full-30-bytes", testing::Id3v1Tag(std::string(30, 'X'), "", "", 1), true,
       std::string(30, 'X'), "", "", 1},
      {"sjis-title", testing::Id3v1Tag("\x83\x5C\x95\x5C", "", "", 1), true, "\x83\x5C\x95\x5C", "",
       "", 1},
      {"lower-case-marker", lower, false, "", "", "", 0},
  };
  for (const auto& c : cases) {
    TID3v1Tag tag;
    tag.Parse(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(tag.Found(), c.found) << c.name;
    EXPECT_EQ(tag.Title(), c.title) << c.name;
    EXPECT_EQ(tag.Artist(), c.artist) << c.name;
    EXPECT_EQ(tag.Album(), c.album) << c.name;
    EXPECT_EQ(tag.Track(), c.track) << c.name;
  }
  TID3v1Tag tag;
  tag.Parse(testing::Id3v1Tag("S", "B", "D", 1).data(), 127);
  EXPECT_FALSE(tag.Found()) << "127 bytes";
}

Tmp3Info Fill(const Bytes& bytes, int time_index, int frame_index, int* code) {
  Tmp3Info info;
  *code = FillMp3Info(ReadAudio(bytes), time_index, frame_index, info);
  return info;
}

TEST(Mp3Info, FrameTextFor4170000ByteFile) {
  const Bytes file = testing::Frames(FrameHeader(3, 3, 9, 0), 417, 10000);
  ASSERT_EQ(file.size(), 4170000u);
  const std::vector<std::pair<int, std::string>> styles = {
      {0, "Frame len=417"}, {1, "10000frames"}, {2, "Frame len=417, 10000 frames"}, {3, ""}};
  for (const auto& [style, text] : styles) {
    int code = 0;
    const Tmp3Info info = Fill(file, 0, style, &code);
    EXPECT_EQ(code, kMp3MpegOnly);
    EXPECT_EQ(info.Fields[Tmp3Info::kFrame], text) << style;
  }
}

TEST(Mp3Info, ResultCodesAndFields) {
  const auto joint = FrameHeader(3, 3, 9, 0, false, 1, 3);
  const Bytes tag = testing::Id3v1Tag("Who? Me:", "A/B", "C", 7);
  int code = 0;
  Tmp3Info info = Fill(Concat({testing::Frames(joint, 417, 10), tag}), 0, 0, &code);
  EXPECT_EQ(code, kMp3TagAndMpeg);
  EXPECT_EQ(info.Fields[Tmp3Info::kTitle], "Who_ Me_");
  EXPECT_EQ(info.Fields[Tmp3Info::kArtist], "A_B");
  EXPECT_EQ(info.Fields[Tmp3Info::kTrack], "7");
  EXPECT_EQ(info.Fields[Tmp3Info::kVersion], "MPEG 1.0 layer-3");
  EXPECT_EQ(info.Fields[Tmp3Info::kSamplingRate], "44100Hz");
  EXPECT_EQ(info.Fields[Tmp3Info::kBitRate], "128Kbps");
  EXPECT_EQ(info.Fields[Tmp3Info::kChannel], "MS/Intensity");  // not made name-safe
  EXPECT_EQ(info.Fields[Tmp3Info::kTime], "00\x81\x46" "00\x81\x46" "00");

  info = Fill(tag, 0, 0, &code);
  EXPECT_EQ(code, kMp3TagOnly);
  EXPECT_EQ(info.Fields[Tmp3Info::kVersion], "");

  info = Fill(Concat({testing::Frames(FrameHeader(3, 3, 0, 0), 100, 3)}), 0, 0, &code);
  EXPECT_EQ(code, kMp3Neither) << "free format: frame length 0 is no MPEG data";

  info = Fill(testing::Id3v1Tag("S", "B", "D", -1), 0, 0, &code);
  EXPECT_EQ(info.Fields[Tmp3Info::kTrack], "0");
  info = Fill(testing::Frames(joint, 417, 3), 0, 0, &code);
  EXPECT_EQ(info.Fields[Tmp3Info::kTrack], "") << "no tag, no track";
}

TEST(Mp3Info, MissingFileIsNeither) {
  Tmp3Info info;
  EXPECT_EQ(ReadMp3Info(info, "/nonexistent-nalo/a.mp3", 0, 0), kMp3Neither);
}

}  // namespace
}  // namespace nalo
