// The image-size builder: the pixel width and height of a JPEG, GIF or PNG file,
// nothing for any other file.
#include "fileinfo/image_size.h"
#include "fileinfo/info_builders.h"
#include "fileinfo/tag_expansion.h"

namespace nalo {

std::string BuildImageSizeInfo(const TJPEG_GIF_INFO& info, const std::string& cp932_path) {
  const auto size = ReadImageSize(cp932_path);
  if (!size) return {};
  const std::string text = ExpandTag(info.Text, kTagSizeX, std::to_string(size->Width));
  return ExpandTag(text, kTagSizeY, std::to_string(size->Height));
}

}  // namespace nalo
