// MPEG audio frame header fields from the ISO/IEC 11172-3 and 13818-3 tables.
// MPEG 2.5 takes the MPEG 2 bit-rate rows; its sampling-rate row is 32000, 16000,
// 8000. Frame lengths are the whole-byte sizes of a frame of the header's layer.
#include "fileinfo/mpeg_frame.h"

namespace nalo {

namespace {

// Bit rates in kbit/s by row and bit-rate index; index 0 is free format, 15 invalid.
constexpr int kBitRates[5][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, -1},  // MPEG 1 layer 1
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, -1},     // MPEG 1 layer 2
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, -1},      // MPEG 1 layer 3
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, -1},     // MPEG 2 layer 1
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, -1},          // MPEG 2 layers 2, 3
};

// Sampling rates in Hz by version index (1-3) and sampling index.
constexpr int kSamplingRates[4][4] = {
    {-1, -1, -1, -1},
    {44100, 48000, 32000, -1},
    {22050, 24000, 16000, -1},
    {32000, 16000, 8000, -1},
};

int BitRateRow(int version_index, int layer) {
  if (version_index == 1) return layer - 1;
  return layer == 1 ? 3 : 4;
}

}  // namespace

bool TMpegFrameHdr::Parse(const std::uint8_t* bytes, std::size_t length) {
  if (length < 4) return false;
  for (int i = 0; i < 4; ++i) bytes_[i] = bytes[i];
  static constexpr int kVersionByBits[4] = {3, 0, 2, 1};
  version_index_ = kVersionByBits[(bytes_[1] >> 3) & 3];
  const int layer = Layer();
  bit_rate_ = version_index_ == 0 || layer == 0
                  ? -1
                  : kBitRates[BitRateRow(version_index_, layer)][bytes_[2] >> 4];
  sampling_rate_ = kSamplingRates[version_index_][(bytes_[2] >> 2) & 3];
  frame_length_ = 0;
  if (sampling_rate_ > 0 && bit_rate_ >= 0 && layer != 0) {
    const long long bits_per_second = bit_rate_ * 1000LL;
    long long factor = 144;
    if (layer == 1) factor = 48;
    if (layer == 3 && version_index_ != 1) factor = 72;
    frame_length_ = static_cast<int>(factor * bits_per_second / sampling_rate_) + PaddingSize();
  }
  valid_ = Sync() && version_index_ != 0 && layer != 0 && bit_rate_ != -1 && sampling_rate_ != -1;
  return valid_;
}

int TMpegFrameHdr::FindSync(const std::uint8_t* bytes, std::size_t count) {
  for (std::size_t i = 0; i + 4 <= count; ++i) {
    if (bytes[i] == 0xFF && (bytes[i + 1] & 0xE0) == 0xE0 && Parse(bytes + i, count - i)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool TMpegFrameHdr::Sync() const { return bytes_[0] == 0xFF && (bytes_[1] & 0xE0) == 0xE0; }
int TMpegFrameHdr::Layer() const { return (4 - ((bytes_[1] >> 1) & 3)) % 4; }
bool TMpegFrameHdr::Padding() const { return (bytes_[2] & 0x02) != 0; }
int TMpegFrameHdr::PaddingSize() const {
  if (!Padding()) return 0;
  return Layer() == 1 ? 4 : 1;
}
int TMpegFrameHdr::ChannelMode() const { return bytes_[3] >> 6; }
int TMpegFrameHdr::ModeExtension() const { return (bytes_[3] >> 4) & 3; }

int TMpegFrameHdr::SamplesPerFrame() const {
  switch (Layer()) {
    case 1: return 384;
    case 2: return 1152;
    case 3: return version_index_ == 1 ? 1152 : 576;
    default: return 0;
  }
}

std::string TMpegFrameHdr::ChannelModeText() const {
  static const char* const kTexts[4] = {"Stereo", "Joint Stereo", "Dual", "Mono"};
  return kTexts[ChannelMode()];
}

std::string TMpegFrameHdr::ModeExtensionText() const {
  if (ChannelMode() != 1) return {};
  static const char* const kLayer3[4] = {"", "Intensity", "MS", "MS/Intensity"};
  static const char* const kBands[4] = {"Bands 4-31", "Bands 8-31", "Bands 12-31", "Bands 16-31"};
  return Layer() == 3 ? kLayer3[ModeExtension()] : kBands[ModeExtension()];
}

std::string TMpegFrameHdr::VersionText() const {
  static const char* const kTexts[4] = {"?!!", "1.0", "2.0", "2.5"};
  return kTexts[version_index_];
}

std::string TMpegFrameHdr::LayerText() const {
  static const char* const kTexts[4] = {"?!!", "1", "2", "3"};
  return kTexts[Layer()];
}

}  // namespace nalo
