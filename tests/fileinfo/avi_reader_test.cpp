// The AVI header scan on files built in memory: stream list orders, header sizes,
// window boundaries, truncation and the DivX rule.
#include "fileinfo/avi_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fileinfo/fixtures.h"

namespace nalo {
namespace {

using testing::AviLayout;
using testing::Bytes;

std::string Code(const std::array<char, 4>& c) { return std::string(c.data(), 4); }

TAviHeaders Read(const Bytes& bytes, const TVideoCodecLookup& lookup = nullptr) {
  TMemoryByteSource source(bytes);
  return ReadAviHeaders(source, lookup);
}

TEST(AviReader, ReadsMainVideoAndAudioHeaders) {
  const TAviHeaders h = Read(testing::AviFile(AviLayout {}));
  EXPECT_EQ(h.MicroSecPerFrame(), 40000u);
  EXPECT_EQ(h.TotalFrames(), 45000u);
  EXPECT_EQ(h.Width(), 640u);
  EXPECT_EQ(h.Height(), 480u);
  EXPECT_EQ(Code(h.Handler()), "XVID");
  EXPECT_EQ(h.Rate(), 250000u);
  EXPECT_EQ(h.FormatTag(), 0x0055);
  EXPECT_EQ(h.Channels(), 2);
  EXPECT_EQ(h.SamplesPerSec(), 44100u);
  EXPECT_EQ(h.AvgBytesPerSec(), 16000u);
  EXPECT_EQ(h.BitsPerSample(), 16);
}

TEST(AviReader, StreamListsOnlySeenBeforeTheFirstAudioList) {
  struct Case {
    const char* name;
    AviLayout layout;
    std::string handler;
    std::uint16_t format_tag;
  };
  AviLayout audio_first;
  audio_first.audio_first = true;
  AviLayout header_64;
  header_64.strh_size = 64;
  AviLayout video_only;
  video_only.audio = false;
  AviLayout far_back;  // lists pushed across several scan windows
  far_back.junk_before_lists = 5000;
  const std::vector<Case> cases = {
      {"audio-before-video", audio_first, std::string(4, '\0'), 0x0055},
      {"strh-of-64-bytes", header_64, std::string(4, '\0'), 0},
      {"video-only-stops-at-movi", video_only, "XVID", 0},
      {"lists-behind-5000-byte-junk", far_back, "XVID", 0x0055},
  };
  for (const auto& c : cases) {
    const TAviHeaders h = Read(testing::AviFile(c.layout));
    EXPECT_EQ(Code(h.Handler()), c.handler) << c.name;
    EXPECT_EQ(h.FormatTag(), c.format_tag) << c.name;
  }
}

TEST(AviReader, PatternAcrossEveryWindowBoundaryIsFound) {
  // Move the stream lists byte by byte over the boundary of the first two windows.
  for (std::size_t junk = 900; junk < 1100; ++junk) {
    AviLayout layout;
    layout.junk_before_lists = junk;
    const TAviHeaders h = Read(testing::AviFile(layout));
    ASSERT_EQ(Code(h.Handler()), "XVID") << junk;
    ASSERT_EQ(h.SamplesPerSec(), 44100u) << junk;
  }
}

TEST(AviReader, RejectsOtherRiffFilesAndShortFiles) {
  Bytes wave = testing::AviFile(AviLayout {});
  std::copy_n("WAVE", 4, wave.begin() + 8);
  EXPECT_EQ(Read(wave).Width(), 0u);
  Bytes lower = testing::AviFile(AviLayout {});
  std::copy_n("riff", 4, lower.begin());
  EXPECT_EQ(Read(lower).Width(), 0u);
  Bytes eleven = testing::AviFile(AviLayout {});
  eleven.resize(11);
  const TAviHeaders h = Read(eleven);
  EXPECT_EQ(h.FileSize, 11);
  EXPECT_EQ(h.Width(), 0u);
}

TEST(AviReader, ShortFileFillsMainHeaderAsFarAsItReaches) {
  Bytes b = testing::AviFile(AviLayout {});
  b.resize(32 + 20);  // through total frames and one more field
  const TAviHeaders h = Read(b);
  EXPECT_EQ(h.MicroSecPerFrame(), 40000u);
  EXPECT_EQ(h.TotalFrames(), 45000u);
  EXPECT_EQ(h.Width(), 0u);
  EXPECT_EQ(Code(h.Handler()), std::string(4, '\0'));
}

TEST(AviReader, DivxHandlerTakesRegisteredCompressionCode) {
  AviLayout layout;
  layout.handler = "divx";
  layout.compression = "DX50";
  const Bytes file = testing::AviFile(layout);
  auto registered = [](std::string known) {
    return [known](const std::array<char, 4>& c) {
      return Code(c) == known ? std::string("DivX 5") : std::string();
    };
  };
  EXPECT_EQ(Code(Read(file, registered("DX50")).Handler()), "DX50");
  EXPECT_EQ(Code(Read(file, registered("XVID")).Handler()), "divx");
  EXPECT_EQ(Code(Read(file).Handler()), "divx");
}

}  // namespace
}  // namespace nalo
