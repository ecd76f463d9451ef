// The AVI header reader: checks the RIFF/AVI signature, copies the main AVI
// header, then scans the file for the first video stream list, the first audio
// stream list and "movi" with byte-pattern counters over overlapping windows.
// Fields are read out of the raw little-endian buffers on demand.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "fileinfo/byte_source.h"

namespace nalo {

struct TAviHeaders {
  std::array<std::uint8_t, 56> MainHeader {};   // data of the avih chunk
  std::array<std::uint8_t, 52> VideoHeader {};  // video strh data from the handler field on
  std::array<std::uint8_t, 20> AudioFormat {};  // WAVE format of the first audio stream
  std::int64_t FileSize = -1;                   // -1 when no file exists

  std::uint32_t MicroSecPerFrame() const;
  std::uint32_t TotalFrames() const;
  std::uint32_t Width() const;
  std::uint32_t Height() const;
  std::array<char, 4> Handler() const;  // video FourCC
  std::uint32_t Rate() const;           // video stream rate field
  std::uint16_t FormatTag() const;
  std::uint16_t Channels() const;
  std::uint32_t SamplesPerSec() const;
  std::uint32_t AvgBytesPerSec() const;
  std::uint16_t BitsPerSample() const;
};

// Name registered for a FourCC, empty when none; used for the DivX rule.
using TVideoCodecLookup = std::function<std::string(const std::array<char, 4>& fourcc)>;

// Reads the headers from an open source; FileSize is the source's size.
TAviHeaders ReadAviHeaders(TByteSource& source, const TVideoCodecLookup& lookup);

// Reads the headers of the file at a CP932 path, looking codecs up in the
// settings folder. FileSize is -1 when there is no file. Throws EInfoReadError
// when a file of at least 12 bytes exists but cannot be opened.
TAviHeaders ReadAviHeaders(const std::string& cp932_path, const std::string& settings_dir);

}  // namespace nalo
