// libFuzzer target: the MPEG frame search, confirmation, Xing header and ID3v1 tag
// on arbitrary bytes, then the MP3 record in every time and frame style.
#include <cstddef>
#include <cstdint>

#include "fileinfo/mp3_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  nalo::TMemoryByteSource source({data, size});
  nalo::TAudioInfo audio;
  audio.Read(source, source.Size());
  nalo::Tmp3Info info;
  for (int style = 0; style < 3; ++style) nalo::FillMp3Info(audio, style * 3, style, info);
  return 0;
}
