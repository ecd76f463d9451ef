// libFuzzer target: the JPEG, GIF and PNG size readers on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "fileinfo/image_size.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  nalo::TMemoryByteSource source({data, size});
  nalo::ReadImageSize(source);
  nalo::ReadGifSize(source);
  nalo::ReadPngSize(source);
  return 0;
}
