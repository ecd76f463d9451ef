// Reading an MPEG audio file. The first-frame search reads 128 bytes, then 124
// bytes at a time behind the last 4 kept from the block before, so a header cut by
// a block boundary is still seen. The first header counts only when the header at
// its frame length behind it is valid too (unless the file ends first).
#include "fileinfo/audio_info.h"

#include <cmath>
#include <cstring>

namespace nalo {

namespace {

// Size of the search block and the bytes carried over from one block to the next.
constexpr std::size_t kSearchBlock = 128;
constexpr std::size_t kCarryOver = 4;
// Bytes read at the Xing offset: "Xing", the flags, the frame count.
constexpr std::size_t kXingHeaderSize = 12;

std::uint32_t Be32(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

// Offset of the Xing header from the frame start: behind the side information.
int XingOffset(const TMpegFrameHdr& header) {
  const bool mono = header.ChannelMode() == 3;
  if (header.VersionIndex() == 1) return mono ? 21 : 36;
  return mono ? 13 : 21;
}

}  // namespace

void TAudioInfo::Reset() {
  header_ = TMpegFrameHdr();
  tag_ = TID3v1Tag();
  first_frame_ = -1;
  xing_ = false;
  playing_time_ms_ = 0;
  file_size_ = -1;
}

bool TAudioInfo::Open(const std::string& cp932_path) {
  Reset();
  if (cp932_path.find_first_not_of(' ') == std::string::npos) return false;
  const auto source = OpenFileAt(cp932_path);
  if (!source) return false;
  Read(*source, source->Size());
  return true;
}

void TAudioInfo::Read(TByteSource& source, std::int64_t byte_count) {
  Reset();
  FindFirstFrame(source, byte_count);
  ConfirmFirstFrame(source, byte_count);
  if (header_.Valid()) ReadXingHeader(source, byte_count);
  const std::int64_t data_start =
      header_.Valid() ? first_frame_ + header_.FrameLength() : 0;
  tag_.ReadFrom(source, data_start, byte_count - data_start);
  if (!xing_) ComputeCbrPlayingTime(byte_count);
  file_size_ = byte_count;
}

void TAudioInfo::FindFirstFrame(TByteSource& source, std::int64_t byte_count) {
  std::uint8_t block[kSearchBlock];
  std::size_t n = source.ReadAt(0, block, kSearchBlock);
  std::int64_t consumed = static_cast<std::int64_t>(n);
  int found = header_.FindSync(block, n);
  std::int64_t block_start = 0;
  while (found < 0 && consumed < kSearchLimit && consumed < byte_count) {
    std::memmove(block, block + kSearchBlock - kCarryOver, kCarryOver);
    n = source.ReadAt(consumed, block + kCarryOver, kSearchBlock - kCarryOver);
    if (n == 0) break;  // the file ended early or could not be read
    block_start = consumed - static_cast<std::int64_t>(kCarryOver);
    consumed += static_cast<std::int64_t>(n);
    found = header_.FindSync(block, kCarryOver + n);
  }
  if (found < 0) {
    header_.SetValid(false);
    return;
  }
  first_frame_ = block_start + found;
}

void TAudioInfo::ConfirmFirstFrame(TByteSource& source, std::int64_t byte_count) {
  if (first_frame_ < 0) return;
  const std::int64_t next = first_frame_ + header_.FrameLength();
  if (next + 4 >= byte_count) return;
  std::uint8_t bytes[4];
  TMpegFrameHdr second;
  const bool valid = source.ReadAt(next, bytes, 4) == 4 && second.Parse(bytes, 4);
  header_.SetValid(valid);
}

void TAudioInfo::ReadXingHeader(TByteSource& source, std::int64_t byte_count) {
  const std::int64_t at = first_frame_ + XingOffset(header_);
  if (at + static_cast<std::int64_t>(kXingHeaderSize) >= byte_count) return;
  std::uint8_t xing[kXingHeaderSize];
  if (source.ReadAt(at, xing, kXingHeaderSize) != kXingHeaderSize) return;
  if (std::memcmp(xing, "Xing", 4) != 0) return;
  xing_ = true;
  const std::uint32_t frames = (xing[7] & 1) ? Be32(xing + 8) : 0;
  if (header_.SamplingRate() <= 0) return;
  const double seconds =
      static_cast<double>(header_.SamplesPerFrame()) / header_.SamplingRate() * frames;
  playing_time_ms_ = static_cast<std::int64_t>(std::nearbyint(seconds)) * 1000;
}

void TAudioInfo::ComputeCbrPlayingTime(std::int64_t byte_count) {
  if (first_frame_ < 0 || header_.BitRate() <= 0) return;
  std::int64_t audio_bytes = byte_count - first_frame_;
  if (tag_.Found()) audio_bytes -= static_cast<std::int64_t>(TID3v1Tag::kTagSize);
  playing_time_ms_ = audio_bytes * 8 / (header_.BitRate() * 1000LL) * 1000;
}

}  // namespace nalo
