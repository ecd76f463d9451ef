// Pixel size of JPEG, GIF and PNG files from their first bytes. The content alone
// decides the format: the JPEG reader is tried first, then GIF, then PNG. Only a
// baseline JPEG frame header (SOF0) gives a JPEG size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "fileinfo/byte_source.h"

namespace nalo {

struct TImageSize {
  std::uint32_t Width = 0;
  std::uint32_t Height = 0;
  bool operator==(const TImageSize&) const = default;
};

std::optional<TImageSize> ReadJpegSize(TByteSource& source);
std::optional<TImageSize> ReadGifSize(TByteSource& source);
std::optional<TImageSize> ReadPngSize(TByteSource& source);

// The three readers in turn over one source.
std::optional<TImageSize> ReadImageSize(TByteSource& source);

// The size of the image file at a CP932 path; nothing for a missing file, which
// is not opened. Throws EInfoReadError when the file exists but cannot be opened.
std::optional<TImageSize> ReadImageSize(const std::string& cp932_path);

}  // namespace nalo
