// ID3v1 tag parsing: fixed offsets for title (3), artist (33) and album (63); a
// zero byte 125 followed by a non-zero byte 126 marks the track number of v1.1.
#include "fileinfo/id3v1_tag.h"

#include <cstring>

namespace nalo {

namespace {

constexpr std::size_t kTitleOffset = 3;
constexpr std::size_t kArtistOffset = 33;
constexpr std::size_t kAlbumOffset = 63;
constexpr std::size_t kTextFieldSize = 30;
constexpr std::size_t kTrackMarkerOffset = 125;
constexpr std::size_t kTrackOffset = 126;

std::string TextField(const std::uint8_t* field) {
  std::size_t n = 0;
  while (n < kTextFieldSize && field[n] != 0) ++n;
  while (n > 0 && field[n - 1] <= 0x20) --n;
  return std::string(reinterpret_cast<const char*>(field), n);
}

}  // namespace

void TID3v1Tag::ReadFrom(TByteSource& source, std::int64_t position, std::int64_t remaining) {
  *this = TID3v1Tag();
  if (remaining < static_cast<std::int64_t>(kTagSize)) return;
  std::uint8_t buffer[kTagSize];
  const std::size_t n =
      source.ReadAt(position + remaining - static_cast<std::int64_t>(kTagSize), buffer, kTagSize);
  Parse(buffer, n);
}

void TID3v1Tag::Parse(const std::uint8_t* bytes, std::size_t length) {
  *this = TID3v1Tag();
  if (length < kTagSize || std::memcmp(bytes, "TAG", 3) != 0) return;
  found_ = true;
  title_ = TextField(bytes + kTitleOffset);
  artist_ = TextField(bytes + kArtistOffset);
  album_ = TextField(bytes + kAlbumOffset);
  if (bytes[kTrackMarkerOffset] == 0 && bytes[kTrackOffset] != 0) {
    track_ = bytes[kTrackOffset];
  }
}

}  // namespace nalo
