// The ID3v1 and ID3v1.1 tag: the last 128 bytes of a file, starting with "TAG".
// Text fields are kept as the raw (Shift-JIS) bytes up to the first zero byte,
// with trailing control characters and spaces removed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "fileinfo/byte_source.h"

namespace nalo {

class TID3v1Tag {
 public:
  // Size of the tag at the end of a file.
  static constexpr std::size_t kTagSize = 128;

  // Reads the last 128 bytes of the `remaining` bytes that follow `position`;
  // fewer than 128 remaining bytes mean no tag.
  void ReadFrom(TByteSource& source, std::int64_t position, std::int64_t remaining);
  // Parses a buffer of `length` bytes; fewer than 128 or no "TAG" mean no tag.
  void Parse(const std::uint8_t* bytes, std::size_t length);

  bool Found() const { return found_; }
  const std::string& Title() const { return title_; }
  const std::string& Artist() const { return artist_; }
  const std::string& Album() const { return album_; }
  int Track() const { return track_; }  // 0 for a tag without a track number (ID3v1.0)

 private:
  bool found_ = false;
  std::string title_;
  std::string artist_;
  std::string album_;
  int track_ = 0;
};

}  // namespace nalo
