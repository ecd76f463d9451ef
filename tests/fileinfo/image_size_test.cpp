// Image size readers on headers built in memory and on files.
#include "fileinfo/image_size.h"

#include <gtest/gtest.h>

#include <random>

#include "fileinfo/fixtures.h"

namespace nalo {
namespace {

using testing::Bytes;

std::optional<TImageSize> SizeOf(const Bytes& bytes) {
  TMemoryByteSource source(bytes);
  return ReadImageSize(source);
}

struct ImageCase {
  const char* name;
  Bytes bytes;
  std::optional<TImageSize> expected;
};

Bytes Truncated(Bytes b, std::size_t n) {
  b.resize(n);
  return b;
}

Bytes JpegWithZeroLengthSegment() {
  Bytes b = {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x00};
  const Bytes rest = testing::JpegHeader(10, 20);
  b.insert(b.end(), rest.begin() + 2, rest.end());
  return b;
}

Bytes JpegWithRestartMarkers() {
  Bytes b = {0xFF, 0xD8, 0xFF, 0xD0, 0xFF, 0x01, 0xFF, 0xD7};
  const Bytes rest = testing::JpegHeader(33, 44);
  b.insert(b.end(), rest.begin() + 2, rest.end());
  return b;
}

TEST(ImageSize, ReadsEachFormatAndRefusesTheRest) {
  const std::vector<ImageCase> cases = {
      {"jpeg/baseline", testing::JpegHeader(1024, 768), TImageSize {1024, 768}},
      {"jpeg/progressive", testing::JpegHeader(1024, 768, 0xC2), std::nullopt},
      {"jpeg/exif-20000", testing::JpegHeader(800, 600, 0xC0, 20000), TImageSize {800, 600}},
      {"jpeg/fill-bytes", testing::JpegHeader(640, 480, 0xC0, 0, 5), TImageSize {640, 480}},
      {"jpeg/max-16bit", testing::JpegHeader(65535, 65535), TImageSize {65535, 65535}},
      {"jpeg/rst-and-tem", JpegWithRestartMarkers(), TImageSize {33, 44}},
      {"jpeg/zero-length-segment", JpegWithZeroLengthSegment(), std::nullopt},
      {"jpeg/cut-in-frame-header", Truncated(testing::JpegHeader(10, 20), 27), std::nullopt},
      {"jpeg/only-soi", Bytes {0xFF, 0xD8}, std::nullopt},
      {"gif/87a", testing::GifHeader("GIF87a", 320, 200), TImageSize {320, 200}},
      {"gif/89a", testing::GifHeader("GIF89a", 1, 65535), TImageSize {1, 65535}},
      {"gif/lower-case", testing::GifHeader("gif89a", 320, 200), std::nullopt},
      {"gif/exactly-10-bytes", Truncated(testing::GifHeader("GIF89a", 320, 200), 10), std::nullopt},
      {"gif/11-bytes", Truncated(testing::GifHeader("GIF89a", 320, 200), 11), TImageSize {320, 200}},
      {"png/full-hd", testing::PngHeader(1920, 1080), TImageSize {1920, 1080}},
      {"png/32bit", testing::PngHeader(0x80000000u, 7), TImageSize {0x80000000u, 7}},
      {"png/truncated-20", Truncated(testing::PngHeader(1920, 1080), 20), std::nullopt},
      {"png/exactly-24", Truncated(testing::PngHeader(1920, 1080), 24), TImageSize {1920, 1080}},
      {"other/empty", Bytes {}, std::nullopt},
      {"other/text", Bytes {'h', 'e', 'l', 'l', 'o'}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SizeOf(c.bytes), c.expected) << c.name;
  }
}

TEST(ImageSize, PngNeedsIhdrFirst) {
  Bytes b = testing::PngHeader(5, 6);
  b[12] = 'i';
  EXPECT_EQ(SizeOf(b), std::nullopt);
}

TEST(ImageSize, JpegWalkEndsOnHugeSegmentLength) {
  // A segment claiming 65535 bytes in a short file: the walk jumps past the end.
  const Bytes b = {0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF, 0x00};
  EXPECT_EQ(SizeOf(b), std::nullopt);
}

TEST(ImageSize, FilesAreReadByContentNotByName) {
  testing::TTempFolder dir;
  const std::string gif = dir.Write("photo.jpg", testing::GifHeader("GIF89a", 12, 34));
  EXPECT_EQ(ReadImageSize(gif), (TImageSize {12, 34}));
  const std::string jpeg = dir.Write("big.jpg", testing::JpegHeader(1024, 768, 0xC0, 20000));
  EXPECT_EQ(ReadImageSize(jpeg), (TImageSize {1024, 768}));
  EXPECT_EQ(ReadImageSize(dir.Root() + "/missing.png"), std::nullopt);
  EXPECT_EQ(ReadImageSize(dir.Root()), std::nullopt);  // a folder is no image
}

TEST(OpenFileAt, OnlyRegularFilesOpen) {
  testing::TTempFolder dir;
  EXPECT_EQ(OpenFileAt(dir.Root() + "/missing"), nullptr);
  EXPECT_EQ(OpenFileAt(dir.Root()), nullptr);
  EXPECT_EQ(OpenFileAt(dir.Root() + "/missing/below"), nullptr);
  const auto source = OpenFileAt(dir.Write("f", Bytes(5000, 7)));
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->Size(), 5000);
  std::uint8_t buf[8] = {};
  EXPECT_EQ(source->ReadAt(4996, buf, 8), 4u);   // past the end: fewer bytes
  EXPECT_EQ(source->ReadAt(100, buf, 8), 8u);    // back into the cached block
  EXPECT_EQ(buf[7], 7);
  EXPECT_EQ(source->ReadAt(6000, buf, 8), 0u);
  EXPECT_EQ(source->ReadAt(-1, buf, 8), 0u);
}

// The file source caches blocks (a small file whole, a large one page by page);
// every read must still give exactly what the same bytes in memory give.
TEST(OpenFileAt, FileReadsMatchMemoryReads) {
  testing::TTempFolder dir;
  std::mt19937 random(7);
  for (const std::size_t size : {0u, 100u, 4096u, 8192u, 8193u, 20000u}) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    const auto file = OpenFileAt(dir.Write("f" + std::to_string(size), bytes));
    ASSERT_NE(file, nullptr);
    TMemoryByteSource memory(bytes);
    for (int round = 0; round < 300; ++round) {
      const std::int64_t offset = static_cast<std::int64_t>(random() % (size + 200)) - 50;
      const std::size_t count = random() % 2 ? random() % 64 : random() % 9000;
      Bytes from_file(count, 0xEE), from_memory(count, 0xEE);
      const std::size_t n = file->ReadAt(offset, from_file.data(), count);
      ASSERT_EQ(n, memory.ReadAt(offset, from_memory.data(), count))
          << "size " << size << " offset " << offset << " count " << count;
      ASSERT_EQ(from_file, from_memory) << "size " << size << " offset " << offset;
    }
  }
}

}  // namespace
}  // namespace nalo
