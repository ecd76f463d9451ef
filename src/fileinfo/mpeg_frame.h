// One MPEG audio frame header (four bytes): sync test, version, layer, bit rate,
// sampling rate, padding, channel mode and frame length, plus the search for the
// first valid header in a buffer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace nalo {

class TMpegFrameHdr {
 public:
  // Copies the first four bytes and derives the fields; false with fewer than four
  // bytes. Returns Valid().
  bool Parse(const std::uint8_t* bytes, std::size_t length);

  // First position i in 0..count-4 where a valid header starts, -1 when none. The
  // header is left holding the last candidate parsed.
  int FindSync(const std::uint8_t* bytes, std::size_t count);

  bool Valid() const { return valid_; }
  void SetValid(bool valid) { valid_ = valid; }
  const std::array<std::uint8_t, 4>& Bytes() const { return bytes_; }

  bool Sync() const;
  int VersionIndex() const { return version_index_; }  // 1 MPEG 1, 2 MPEG 2, 3 MPEG 2.5, 0 reserved
  int Layer() const;                                    // 1-3, 0 reserved
  int BitRate() const { return bit_rate_; }             // kbit/s; 0 free format, -1 invalid
  int SamplingRate() const { return sampling_rate_; }   // Hz; -1 invalid
  int FrameLength() const { return frame_length_; }     // bytes; 0 when unknown
  bool Padding() const;
  int PaddingSize() const;
  int ChannelMode() const;       // 0 stereo, 1 joint stereo, 2 dual, 3 mono
  int ModeExtension() const;
  int SamplesPerFrame() const;   // 384, 1152, or 576 for layer 3 of MPEG 2 and 2.5

  std::string ChannelModeText() const;
  std::string ModeExtensionText() const;  // only in joint stereo, else empty
  std::string VersionText() const;        // "1.0", "2.0", "2.5", "?!!"
  std::string LayerText() const;          // "1", "2", "3", "?!!"

 private:
  std::array<std::uint8_t, 4> bytes_ {};
  bool valid_ = false;
  int version_index_ = 0;
  int bit_rate_ = -1;
  int sampling_rate_ = -1;
  int frame_length_ = 0;
};

}  // namespace nalo
