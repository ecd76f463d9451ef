// Small media files built byte by byte for the reader tests: JPEG, GIF and PNG
// headers, RIFF AVI files with stream lists, MPEG audio frames with Xing headers
// and ID3v1 tags, and a temporary folder to write them into.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace nalo::testing {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& out, const std::string& text);
void AppendLe16(Bytes& out, std::uint32_t v);
void AppendLe32(Bytes& out, std::uint32_t v);
void AppendBe16(Bytes& out, std::uint32_t v);
void AppendBe32(Bytes& out, std::uint32_t v);

// JPEG: SOI, optional segments, then a frame header of the given marker (0xC0
// baseline, 0xC2 progressive), then a start of scan.
Bytes JpegHeader(std::uint16_t width, std::uint16_t height, std::uint8_t frame_marker = 0xC0,
                 std::size_t exif_size = 0, int fill_bytes = 0);
Bytes GifHeader(const std::string& signature, std::uint16_t width, std::uint16_t height);
Bytes PngHeader(std::uint32_t width, std::uint32_t height);

struct AviLayout {
  std::uint32_t us_per_frame = 40000;
  std::uint32_t total_frames = 45000;
  std::uint32_t width = 640;
  std::uint32_t height = 480;
  std::string handler = "XVID";
  std::uint32_t rate = 250000;
  std::string compression = "XVID";
  std::uint32_t strh_size = 56;
  bool video = true;
  bool audio = true;
  bool audio_first = false;
  std::uint16_t format_tag = 0x0055;
  std::uint16_t channels = 2;
  std::uint32_t samples_per_sec = 44100;
  std::uint32_t avg_bytes_per_sec = 16000;
  std::uint16_t bits_per_sample = 16;
  std::size_t junk_before_lists = 0;  // a JUNK chunk pushing the stream lists back
};
Bytes AviFile(const AviLayout& layout);

// MPEG frame header. version_bits: 3 MPEG 1, 2 MPEG 2, 0 MPEG 2.5, 1 reserved.
std::array<std::uint8_t, 4> FrameHeader(int version_bits, int layer, int bitrate_index,
                                        int sampling_index, bool padding = false, int mode = 0,
                                        int mode_extension = 0);
// `count` frames of `frame_length` bytes, each starting with `header`.
Bytes Frames(const std::array<std::uint8_t, 4>& header, int frame_length, int count);
// A first frame carrying a Xing header at `xing_offset` with an optional frame count.
Bytes XingFrame(const std::array<std::uint8_t, 4>& header, int frame_length, int xing_offset,
                bool has_frames, std::uint32_t frames);
// ID3v1 tag; track < 0 gives a v1.0 tag whose comment fills all 30 bytes.
Bytes Id3v1Tag(const std::string& title, const std::string& artist, const std::string& album,
               int track);

}  // namespace nalo::testing
