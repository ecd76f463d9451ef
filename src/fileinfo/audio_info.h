// An MPEG audio file as a whole: the first frame found within the search limit and
// confirmed by the frame behind it, the Xing header of a variable-bit-rate file,
// the playing time and the ID3v1 tag.
#pragma once

#include <cstdint>
#include <string>

#include "fileinfo/byte_source.h"
#include "fileinfo/id3v1_tag.h"
#include "fileinfo/mpeg_frame.h"

namespace nalo {

class TAudioInfo {
 public:
  // Bytes searched for the first frame; a frame behind a larger ID3v2 tag is not found.
  static constexpr std::int64_t kSearchLimit = 10240;

  // Reads the file at a CP932 path; false when there is no file there (an empty or
  // all-space name names none). Throws EInfoReadError when it cannot be opened.
  bool Open(const std::string& cp932_path);
  // Reads `byte_count` bytes of a source from its start.
  void Read(TByteSource& source, std::int64_t byte_count);

  const TMpegFrameHdr& Header() const { return header_; }
  const TID3v1Tag& Tag() const { return tag_; }
  std::int64_t FirstFrameOffset() const { return first_frame_; }
  std::int64_t PlayingTimeMs() const { return playing_time_ms_; }
  std::int64_t FileSize() const { return file_size_; }

 private:
  void Reset();
  void FindFirstFrame(TByteSource& source, std::int64_t byte_count);
  void ConfirmFirstFrame(TByteSource& source, std::int64_t byte_count);
  void ReadXingHeader(TByteSource& source, std::int64_t byte_count);
  void ComputeCbrPlayingTime(std::int64_t byte_count);

  TMpegFrameHdr header_;
  TID3v1Tag tag_;
  std::int64_t first_frame_ = -1;
  bool xing_ = false;
  std::int64_t playing_time_ms_ = 0;
  std::int64_t file_size_ = -1;
};

}  // namespace nalo
