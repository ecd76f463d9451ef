// Image header readers. The JPEG reader walks marker by marker from the start of
// image, skipping fill bytes and jumping over each segment by its length, until a
// baseline frame header or the start of scan; the walk always moves forward, so a
// hostile length can neither loop nor make it read out of bounds. GIF and PNG keep
// their size at fixed offsets of the header.
#include "fileinfo/image_size.h"

#include <cstring>


namespace nalo {

namespace {

constexpr std::uint8_t kJpegStartOfImage = 0xD8;
constexpr std::uint8_t kJpegBaselineFrame = 0xC0;
constexpr std::uint8_t kJpegStartOfScan = 0xDA;
constexpr std::uint8_t kJpegTem = 0x01;
constexpr std::uint8_t kJpegRst0 = 0xD0;
constexpr std::uint8_t kJpegRst7 = 0xD7;
// A GIF must be longer than its signature and logical screen size (10 bytes).
constexpr std::int64_t kMinGifSize = 11;
constexpr std::uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// A forward-only reader over a source.
class TCursor {
 public:
  explicit TCursor(TByteSource& source) : source_(source) {}
  bool Byte(std::uint8_t& out) { return Bytes(&out, 1); }
  bool Bytes(std::uint8_t* out, std::size_t n) {
    const std::size_t got = source_.ReadAt(position_, out, n);
    position_ += static_cast<std::int64_t>(got);
    return got == n;
  }
  void Skip(std::int64_t n) { position_ += n; }

 private:
  TByteSource& source_;
  std::int64_t position_ = 0;
};

std::uint16_t Be16(const std::uint8_t* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }
std::uint32_t Be32(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

// The next marker: an FF, any FF fill bytes, then the marker byte.
std::optional<std::uint8_t> NextJpegMarker(TCursor& cursor) {
  std::uint8_t byte;
  if (!cursor.Byte(byte) || byte != 0xFF) return std::nullopt;
  do {
    if (!cursor.Byte(byte)) return std::nullopt;
  } while (byte == 0xFF);
  return byte;
}

}  // namespace

std::optional<TImageSize> ReadJpegSize(TByteSource& source) {
  TCursor cursor(source);
  std::uint8_t soi[2];
  if (!cursor.Bytes(soi, 2) || soi[0] != 0xFF || soi[1] != kJpegStartOfImage) return std::nullopt;
  while (const auto marker = NextJpegMarker(cursor)) {
    if (*marker == kJpegBaselineFrame) {
      std::uint8_t frame[4];
      cursor.Skip(3);  // segment length and sample precision
      if (!cursor.Bytes(frame, 4)) return std::nullopt;
      return TImageSize {Be16(frame + 2), Be16(frame)};
    }
    if (*marker == kJpegStartOfScan) return std::nullopt;
    if (*marker == kJpegTem || (*marker >= kJpegRst0 && *marker <= kJpegRst7)) continue;
    std::uint8_t length[2];
    if (!cursor.Bytes(length, 2) || Be16(length) < 2) return std::nullopt;
    cursor.Skip(Be16(length) - 2);
  }
  return std::nullopt;
}

std::optional<TImageSize> ReadGifSize(TByteSource& source) {
  std::uint8_t header[10];
  if (source.ReadAt(0, header, 6) != 6) return std::nullopt;
  if (std::memcmp(header, "GIF87a", 6) != 0 && std::memcmp(header, "GIF89a", 6) != 0) {
    return std::nullopt;
  }
  if (source.Size() < kMinGifSize || source.ReadAt(6, header + 6, 4) != 4) return std::nullopt;
  return TImageSize {static_cast<std::uint32_t>(header[6] | (header[7] << 8)),
                     static_cast<std::uint32_t>(header[8] | (header[9] << 8))};
}

std::optional<TImageSize> ReadPngSize(TByteSource& source) {
  std::uint8_t header[24];
  if (source.ReadAt(0, header, 8) != 8 || std::memcmp(header, kPngSignature, 8) != 0) {
    return std::nullopt;
  }
  if (source.ReadAt(12, header + 12, 4) != 4 || std::memcmp(header + 12, "IHDR", 4) != 0) {
    return std::nullopt;
  }
  if (source.ReadAt(16, header + 16, 8) != 8) return std::nullopt;
  return TImageSize {Be32(header + 16), Be32(header + 20)};
}

std::optional<TImageSize> ReadImageSize(TByteSource& source) {
  if (auto size = ReadJpegSize(source)) return size;
  if (auto size = ReadGifSize(source)) return size;
  return ReadPngSize(source);
}

std::optional<TImageSize> ReadImageSize(const std::string& cp932_path) {
  const auto source = OpenFileAt(cp932_path);
  if (!source) return std::nullopt;
  return ReadImageSize(*source);
}

}  // namespace nalo
