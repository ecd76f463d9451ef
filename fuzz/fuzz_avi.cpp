// libFuzzer target: the AVI header scan and the AVI template on arbitrary bytes.
// Every FourCC counts as registered so the DivX rule and the builder always run.
#include <cstddef>
#include <cstdint>

#include "fileinfo/avi_reader.h"
#include "fileinfo/info_builders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  nalo::TMemoryByteSource source({data, size});
  const nalo::TAviHeaders headers =
      nalo::ReadAviHeaders(source, [](const std::array<char, 4>&) { return std::string("x"); });
  nalo::TAVI_CODEC_INFO info = nalo::DefaultAviInfo();
  info.Text += "<FPS><FRAMES><FILE_SIZE><UNIT>";
  info.Time_Idx = size % 9;
  nalo::ExpandAviInfo(info, headers, "codec", "");
  return 0;
}
